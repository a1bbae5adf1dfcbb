#include "host/Hote.hpp"

#include "host/Surcharge.hpp"

#include <memory>
#include <optional>
#include <set>
#include <stdexcept>

#include "host/Evaluateur.hpp"
#include "host/LectureVerdict.hpp"
#include "host/Machine.hpp"
#include "host/OperationsVba.hpp"
#include "word/Erreur.hpp"
#include "word/ObjetTrace.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon {

namespace {

// The root of the learner's statements when no Word runs: every member
// raises 91, as a member of Nothing does in VBA.
class AucunWord : public Objet {
public:
    Variant invoke(std::u16string_view, Appel, const Arguments&) override {
        leveErreurExecution(err::ObjetNonDefini);
    }
};

bool estControle(const ContenuEtape& c) {
    return std::holds_alternative<etape::Attendu>(c) || std::holds_alternative<etape::AttenduErreur>(c) ||
           std::holds_alternative<etape::Verifie>(c);
}

constexpr char FinDuScript[] = "quitter (fin du script)";

// The call Word rejects while it is busy (RPC_E_CALL_REJECTED).
constexpr int32_t AppelRejete = static_cast<int32_t>(0x80010001u);

// The working documents an exercise may leave in its working folder.
constexpr const char16_t* FichiersDeTravail[] = {u"Réponses.doc", u"Voyage à CANGO.doc", u"essai\\Application.doc"};

// What stops a script: the step's own failure, already described.
struct Arret {
    std::string raison;
};

// One script played on its own machine.
class Partie {
public:
    Partie(const Cours& cours, Machine& machine, RapportScript& rapport)
        : cours_(cours), machine_(machine), journal_(machine.journal()), module_(machine.module()), rapport_(rapport) {}
    Partie(const Partie&) = delete;
    Partie& operator=(const Partie&) = delete;

    void joue(const Script& script) {
        const std::vector<Etape>& etapes = script.etapes;
        size_t suivante = 0;  // the first step not run
        try {
            for (; suivante < etapes.size(); ++suivante) {
                const Etape& e = etapes[suivante];
                if (enAttente_ && !std::holds_alternative<etape::AttenduErreur>(e.contenu)) arreteSurErreur();
                joue(e);
            }
            if (enAttente_) arreteSurErreur();
            termine(true);
        } catch (const Arret& a) {
            arrete(a, etapes, suivante);
        }
        fin();
    }

private:
    // A stopped script: the failure, the check lines not reached, and the
    // host's quit, only to tidy up.
    void arrete(const Arret& a, const std::vector<Etape>& etapes, size_t suivante) {
        echec(a.raison);
        // The failing step itself has run unless an earlier step's error stopped the script.
        if (suivante < etapes.size() && courante_ == &etapes[suivante]) ++suivante;
        for (size_t k = suivante; k < etapes.size(); ++k)
            if (estControle(etapes[k].contenu)) ++rapport_.nonJoues;
        rapport_.echoues += rapport_.nonJoues;
        termine(false);
    }

    // After the last line and the host's quit, on every machine alike: a
    // working document left on the disk is a failure when the module was
    // asked to end the exercise (fermer or quitter returned) and Word was not
    // stuck, since then the module had to remove it. Then every Word the
    // script's machine started is ended, a stuck one too.
    void fin() {
        courante_ = nullptr;
        const bool bloque = wordBloque();
        if (finDemandee_ && !bloque)
            for (const std::u16string& d : dossiers_)
                for (const char16_t* nom : FichiersDeTravail) {
                    const std::u16string chemin = d + nom;
                    if (!fichierPresent(chemin)) continue;
                    rapport_.evenements.push_back(evenement::Echec{
                        rapport_.fichier + ":fin", "fin du script",
                        "fichier de travail laissé sur le disque : " + versUtf8(chemin)});
                    rapport_.echoues += 1;
                }
        machine_.termineWords(bloque);
    }

    // A file (not a folder) at this path.
    bool fichierPresent(const std::u16string& chemin) {
        try {
            return (machine_.fichiers().GetAttr(chemin) & platform::attr::Dossier) == 0;
        } catch (const Erreur&) {
            return false;
        }
    }

    // Whether the Word the learner works on rejects calls (busy for good, a
    // modal dialog box left open).
    bool wordBloque() {
        ObjetPtr word = machine_.racineApprenant(application_);
        if (!word) return false;
        try {
            word->invoke(u"Name", Appel::Get, {});
            return false;
        } catch (const Erreur& e) {
            return e.numero() == AppelRejete;
        }
    }

    // --------------------------------------------------------------- steps
    void joue(const Etape& e) {
        courante_ = &e;
        std::visit(Surcharge{
                       [&](const etape::Exercice& x) { exercice(e, x); },
                       [&](const etape::Teste&) { teste(e); },
                       [&](const etape::Fermer&) {
                           if (etapeHote(e, [&] { module_.Fermer(); })) finDemandee_ = true;
                       },
                       [&](const etape::Quitter&) { quitter(e); },
                       [&](const etape::Attendu& x) { attendu(e, x); },
                       [&](const etape::AttenduErreur& x) { attenduErreur(e, x); },
                       [&](const etape::Verifie& x) { verifie(e, x); },
                       [&](const etape::Vba& x) { apprenant(e, x); },
                       [&](const etape::Bureau& x) { bureau(x); },
                   },
                   e.contenu);
    }

    void exercice(const Etape& e, const etape::Exercice& x) {
        const std::u16string dossier = x.dossier.value_or(DossierTravailParDefaut);
        try {
            cours_.place(x.numero, dossier, machine_.fichiers());
        } catch (const Erreur& err) {
            throw Arret{"le document source n'a pas pu être placé dans " + versUtf8(dossier) + " : " + decrit(err)};
        } catch (const std::exception& err) {
            throw Arret{err.what()};
        }
        exercice_ = x.numero;
        aQuitter_ = true;
        finDemandee_ = false;
        dossiers_.insert(dossier);
        etapeHote(e, [&] { module_.InitQuestion(x.numero, dossier, application_, handle_); });
    }

    void teste(const Etape& e) {
        if (etapeHote(e, [&] { module_.TestePoint(); }))
            rapport_.evenements.push_back(evenement::Teste{texte(e.position), exercice_, litVerdict(module_)});
    }

    void quitter(const Etape& e) {
        aQuitter_ = false;
        if (etapeHote(e, [&] { module_.Quitter(application_, handle_); })) finDemandee_ = true;
    }

    // Runs a call of the module; an error it raises waits for the next line.
    // True when the call returned.
    template <class Appel>
    bool etapeHote(const Etape& e, Appel appel) {
        if (journal_) journal_->vide();
        bool reussi = false;
        try {
            appel();
            reussi = true;
        } catch (const Erreur& err) {
            enAttente_ = err;
        } catch (const std::exception& err) {
            noteAppels(e);
            throw Arret{std::string("exception interne : ") + err.what()};
        }
        noteAppels(e);
        return reussi;
    }

    void noteAppels(const Etape& e) {
        if (!journal_) return;
        evenement::Appels a{texte(e.position), versUtf8(e.ligne), {}};
        for (const AppelTrace& appel : journal_->appels()) a.appels.push_back(versUtf8(Journal::ligne(appel)));
        rapport_.evenements.push_back(std::move(a));
        journal_->vide();
    }

    void attendu(const Etape& e, const etape::Attendu& x) { controle(e, ecart(x, litVerdict(module_))); }

    void attenduErreur(const Etape& e, const etape::AttenduErreur& x) {
        if (!enAttente_) {
            controle(e, std::string("l'étape précédente n'a levé aucune erreur"));
            return;
        }
        Erreur err = *enAttente_;
        enAttente_.reset();
        controle(e, ecart(x, err));
    }

    void verifie(const Etape& e, const etape::Verifie& x) {
        std::optional<std::string> raison;
        try {
            Evaluateur ev(racineApprenant(), machine_.fichiers());
            Variant lu = ev.valeur(*x.expression);
            if (!egalVba(lu, x.attendu)) raison = "lu " + versUtf8(representation(lu));
        } catch (const Erreur& err) {
            raison = "lecture impossible : " + decrit(err);
        }
        controle(e, raison);
    }

    void apprenant(const Etape&, const etape::Vba& x) {
        try {
            Evaluateur ev(racineApprenant(), machine_.fichiers());
            ev.execute(x.instruction);
        } catch (const Erreur& err) {
            enAttente_ = err;
        } catch (const std::exception& err) {
            throw Arret{std::string("exception interne : ") + err.what()};
        }
    }

    void bureau(const etape::Bureau& x) {
        try {
            machine_.bureau(x, application_);
        } catch (const BureauImpossible& b) {
            throw Arret{b.raison};
        }
    }

    // --------------------------------------------------------------- helpers
    // The learner works on the Word the host holds, or on the one running
    // when the host holds none; with no Word, on Nothing.
    ObjetPtr racineApprenant() {
        if (ObjetPtr racine = machine_.racineApprenant(application_)) return racine;
        return std::make_shared<AucunWord>();
    }

    void controle(const Etape& e, const std::optional<std::string>& raison) {
        rapport_.evenements.push_back(
            evenement::Controle{texte(e.position), versUtf8(e.ligne), !raison.has_value(), raison.value_or("")});
        (raison ? rapport_.echoues : rapport_.reussis) += 1;
    }

    [[noreturn]] void arreteSurErreur() {
        Erreur err = *enAttente_;
        enAttente_.reset();
        throw Arret{"erreur inattendue (aucune ligne « attendu erreur » ne la suit) : " + decrit(err)};
    }

    void echec(const std::string& raison) {
        const Etape* e = courante_;
        rapport_.evenements.push_back(evenement::Echec{e ? texte(e->position) : rapport_.fichier + ":fin",
                                                       e ? versUtf8(e->ligne) : FinDuScript, raison});
        rapport_.echoues += 1;
    }

    // The end of the script: quits when an exercise ran since the last
    // quitter. After a failure, only to tidy up: nothing more is reported.
    void termine(bool signale) {
        if (!aQuitter_) return;
        aQuitter_ = false;
        courante_ = nullptr;
        if (journal_) journal_->vide();
        try {
            module_.Quitter(application_, handle_);
            finDemandee_ = true;
        } catch (const Erreur& err) {
            if (signale) throw Arret{decrit(err)};
        } catch (const std::exception& err) {
            if (signale) throw Arret{std::string("exception interne : ") + err.what()};
        }
        if (signale && journal_ && journal_->nombre() > 0) {
            evenement::Appels a{rapport_.fichier + ":fin", FinDuScript, {}};
            for (const AppelTrace& appel : journal_->appels()) a.appels.push_back(versUtf8(Journal::ligne(appel)));
            rapport_.evenements.push_back(std::move(a));
        }
    }

    const Cours& cours_;
    Machine& machine_;
    Journal* journal_;
    AbstractModule& module_;
    RapportScript& rapport_;

    ObjetPtr application_;  // what InitQuestion handed back
    int32_t handle_ = -1;
    int32_t exercice_ = 0;
    bool aQuitter_ = false;
    // Fermer or Quitter returned since the last exercise began.
    bool finDemandee_ = false;
    std::set<std::u16string> dossiers_;  // the working folders of the script's exercises
    std::optional<Erreur> enAttente_;
    const Etape* courante_ = nullptr;
};

}  // namespace

RapportScript Hote::joue(const Script& script, Machine& machine) const {
    RapportScript rapport;
    rapport.fichier = script.fichier;
    Partie partie(cours_, machine, rapport);
    partie.joue(script);
    return rapport;
}

}  // namespace k58204::lecon
