// Word's Document object and its MailMerge.
#include <algorithm>
#include <utility>

#include "sim/core/ErreursWord.hpp"
#include "sim/word/Chemins.hpp"
#include "sim/word/InstanceWord.hpp"
#include "sim/word/Membres.hpp"
#include "sim/word/MotDePasse.hpp"
#include "sim/word/ObjetsWord.hpp"
#include "word/Texte.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim {

namespace {

inline constexpr char16_t ModeleNormal[] = u"Normal.dot";

// Raised by a member of a document that has been closed.
void verifieOuvert(const DocumentOuvert& d) {
    if (!d.ouvert) leveErreurWord(wderr::ObjetSupprime);
}

class DocumentSim : public ObjetWord {
public:
    DocumentSim(InstancePtr i, DocumentPtr doc) : ObjetWord(std::move(i)), doc_(std::move(doc)) {}

    const void* identite() const override { return doc_.get(); }

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        verifieOuvert(*doc_);
        InstanceWord& w = *instance_;
        DocumentOuvert& d = *doc_;
        const ModeleDocument& m = d.modele;
        if (est(nom, u"Application")) return lecture(appel, [&] { return w.application(); });
        if (est(nom, u"Parent")) return lecture(appel, [&] { return w.application(); });
        if (est(nom, u"Name")) return lecture(appel, [&] { return d.nom; });
        if (est(nom, u"FullName")) return lecture(appel, [&] { return d.nomComplet(); });
        if (est(nom, u"Path")) return lecture(appel, [&] { return chemin(); });
        if (est(nom, u"Type")) return lecture(appel, [&] { return m.proprietes().typeDocument; });
        // The password to open, not the protection's.
        if (est(nom, u"HasPassword")) return lecture(appel, [&] { return m.proprietes().aMotDePasseOuverture(); });
        // Write-only, as in Word: sets the password to open ("" removes it);
        // HasPassword reflects it at once, the file at the next save.
        if (est(nom, u"Password") && appel == Appel::Put) {
            changeMotDePasse(args.valeurPut().CStr());
            return Variant();
        }
        if (est(nom, u"ProtectionType")) return lecture(appel, [&] { return m.proprietes().protection; });
        if (est(nom, u"ReadOnly")) return lecture(appel, [&] { return w.lectureSeule(doc_.get()); });
        if (est(nom, u"Protect")) return methode(appel, [&] { return protege(args); });
        if (est(nom, u"Unprotect")) return methode(appel, [&] { return deprotege(args); });
        if (est(nom, u"Saved"))
            return propriete(appel, args, [&] { return d.saved(); }, [&](const Variant& v) {
                if (v.CBool())
                    d.marqueEnregistre();
                else
                    d.marqueModifie();
            });
        if (est(nom, u"AttachedTemplate"))
            return propriete(appel, args, [&] { return modeleAttache(); },
                             [&](const Variant& v) { attacheModele(v.CStr()); });
        if (est(nom, u"ShowSpellingErrors")) return booleen(appel, args, d.marquesOrthographe);
        if (est(nom, u"ShowGrammaticalErrors")) return booleen(appel, args, d.marquesGrammaire);
        if (est(nom, u"MailMerge")) return lecture(appel, [&] { return creeMailMerge(instance_, doc_); });
        if (est(nom, u"Windows")) {
            if (appel == Appel::Put) return std::nullopt;
            return collectionOuItem(creeWindows(instance_, doc_), args);
        }
        if (est(nom, u"ActiveWindow")) return lecture(appel, [&] { return creeWindow(instance_, fenetreActive()); });
        if (est(nom, u"NewWindow"))
            return methode(appel, [&] { return Variant(creeWindow(instance_, w.nouvelleFenetre(doc_))); });
        if (est(nom, u"Content")) return lecture(appel, [&] { return creeRange(doc_, m.contenu()); });
        if (est(nom, u"Range")) return methode(appel, [&] { return Variant(creeRange(doc_, etendue(args))); });
        if (appel != Appel::Put) {
            if (est(nom, u"Paragraphs")) return collectionOuItem(creeParagraphs(doc_, m.contenu()), args);
            if (est(nom, u"Characters")) return collectionOuItem(creeCharacters(doc_, m.contenu()), args);
            if (est(nom, u"Words")) return collectionOuItem(creeWords(doc_, m.contenu()), args);
            if (est(nom, u"Bookmarks")) return collectionOuItem(creeBookmarks(doc_), args);
            if (est(nom, u"FormFields")) return collectionOuItem(creeFormFields(doc_), args);
            if (est(nom, u"Sections")) return collectionOuItem(creeSections(doc_), args);
        }
        if (est(nom, u"PageSetup")) return lecture(appel, [&] { return creePageSetup(doc_, -1); });
        if (est(nom, u"Activate"))
            return methode(appel, [&] {
                w.active(doc_);
                return Variant();
            });
        if (est(nom, u"Close"))
            return methode(appel, [&] {
                auto s = args.parametre(0, u"SaveChanges");
                w.fermeDocument(doc_, s && !s->estVide() ? s->CLng() : word::wd::PromptToSaveChanges);
                return Variant();
            });
        if (est(nom, u"Save"))
            return methode(appel, [&] {
                w.enregistre(doc_);
                return Variant();
            });
        if (est(nom, u"SaveAs"))
            return methode(appel, [&] {
                auto f = args.parametre(0, u"FileName");
                auto format = args.parametre(1, u"FileFormat");
                auto mdp = args.parametre(3, u"Password");
                std::optional<int32_t> fmt;
                if (format && !format->estVide()) fmt = format->CLng();
                std::optional<std::u16string> motDePasse;
                if (mdp && !mdp->estVide()) motDePasse = mdp->CStr();
                w.enregistreSous(doc_, f && !f->estVide() ? f->CStr() : std::u16string(), fmt, motDePasse);
                return Variant();
            });
        if (est(nom, u"PrintPreview"))
            return methode(appel, [&] {
                w.changeTypeVue(d, 4);
                return Variant();
            });
        if (est(nom, u"ClosePrintPreview"))
            return methode(appel, [&] {
                if (d.fenetre.typeVue == 4) w.changeTypeVue(d, d.fenetre.typeVueAvantApercu);
                return Variant();
            });
        return std::nullopt;
    }

private:
    // Path without final backslash, except a drive's root ("C:\").
    std::u16string chemin() const {
        const std::u16string& p = doc_->dossier;
        if (p.size() == 2 && p[1] == u':') return p + u"\\";
        return p;
    }

    uint64_t fenetreActive() const {
        InstanceWord& w = *instance_;
        const FenetreWord* active = w.fenetreActive();
        if (active && active->doc == doc_) return active->id;
        std::vector<const FenetreWord*> f = w.fenetresDe(doc_.get());
        if (f.empty()) leveErreurWord(wderr::ObjetSupprime);
        return f.front()->id;
    }

    // Document.Range(Start, End): positions clamped to the story and put in order.
    Etendue etendue(const ArgumentsSim& args) const {
        int32_t n = doc_->modele.longueur();
        auto a = args.parametre(0, u"Start");
        auto b = args.parametre(1, u"End");
        int32_t debut = a && !a->estVide() ? a->CLng() : 0;
        int32_t fin = b && !b->estVide() ? b->CLng() : n;
        if (debut < 0 || fin < 0) leveErreurWord(wderr::ValeurHorsLimites);
        debut = std::min(debut, n);
        fin = std::min(fin, n);
        if (debut > fin) std::swap(debut, fin);
        return {debut, fin};
    }

    std::u16string modeleAttache() const {
        const std::u16string& m = std::as_const(doc_->modele).proprietes().modeleAttache;
        return m.empty() ? std::u16string(ModeleNormal) : nomDe(m);
    }

    // "" (or Normal) re-attaches Normal.dot; a name without folder is taken
    // from the user's templates.
    void attacheModele(const std::u16string& nom) {
        std::u16string n = LCase(nomDe(nom));
        std::u16string valeur;
        if (!(n.empty() || n == u"normal.dot" || n == u"normal")) {
            if (!cheminValide(nom)) leveErreurWord(wderr::CaracteresInvalides, nom);
            valeur = normaliseChemin(joindre(instance_->dossierModeles, nom));
        }
        if (std::as_const(doc_->modele).proprietes().modeleAttache != valeur)
            doc_->modele.proprietes().modeleAttache = valeur;
    }

    void changeMotDePasse(const std::u16string& motDePasse) {
        std::u16string cle = cleMotDePasse(motDePasse);
        if (std::as_const(doc_->modele).proprietes().cleOuverture != cle)
            doc_->modele.proprietes().cleOuverture = std::move(cle);
    }

    Variant protege(const ArgumentsSim& args) {
        if (std::as_const(doc_->modele).proprietes().protection != word::wd::NoProtection)
            leveErreurWord(wderr::NonDisponible, u"Protect");
        int32_t type = args.requis(0, u"Type").CLng();
        if (type < 0 || type > 3) leveErreurWord(wderr::ValeurHorsLimites);
        auto mdp = args.parametre(2, u"Password");
        ProprietesDocument& p = doc_->modele.proprietes();
        p.protection = type;
        p.cleMotDePasse = mdp && !mdp->estVide() ? cleMotDePasse(mdp->CStr()) : std::u16string();
        return Variant();
    }

    Variant deprotege(const ArgumentsSim& args) {
        const ProprietesDocument& actuelles = std::as_const(doc_->modele).proprietes();
        if (actuelles.protection == word::wd::NoProtection) leveErreurWord(wderr::NonDisponible, u"Unprotect");
        auto mdp = args.parametre(0, u"Password");
        if (!motDePasseCorrect(actuelles.cleMotDePasse, mdp && !mdp->estVide() ? mdp->CStr() : u""))
            leveErreurWord(wderr::MotDePasseIncorrect);
        ProprietesDocument& p = doc_->modele.proprietes();
        p.protection = word::wd::NoProtection;
        p.cleMotDePasse.clear();
        return Variant();
    }

    DocumentPtr doc_;
};

class MailMergeSim : public ObjetWord {
public:
    MailMergeSim(InstancePtr i, DocumentPtr doc) : ObjetWord(std::move(i)), doc_(std::move(doc)) {}

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        verifieOuvert(*doc_);
        if (est(nom, u"Application")) return lecture(appel, [&] { return instance_->application(); });
        if (est(nom, u"Parent")) return lecture(appel, [&] { return instance_->objetDocument(doc_); });
        // WdMailMergeMainDocType: -1 not a merge document, 0 form letters ... 7 e-mail.
        if (est(nom, u"MainDocumentType"))
            return propriete(appel, args, [&] { return doc_->typeFusion; }, [&](const Variant& v) {
                int32_t t = v.CLng();
                if (t < -1 || t > 7) leveErreurWord(wderr::ValeurHorsLimites);
                doc_->typeFusion = t;
            });
        // WdMailMergeState: 0 a normal document, 1 a main document without data source.
        if (est(nom, u"State")) return lecture(appel, [&] { return doc_->typeFusion == -1 ? 0 : 1; });
        return std::nullopt;
    }

private:
    DocumentPtr doc_;
};

}  // namespace

ObjetPtr creeDocument(const InstancePtr& i, const DocumentPtr& doc) { return std::make_shared<DocumentSim>(i, doc); }
ObjetPtr creeMailMerge(const InstancePtr& i, const DocumentPtr& doc) { return std::make_shared<MailMergeSim>(i, doc); }

}  // namespace k58204::sim
