// The document operations of a Word instance: new, open, close, save, save as.
#include <algorithm>
#include <utility>

#include "sim/core/ErreursWord.hpp"
#include "sim/doc/WordML.hpp"
#include "sim/word/Chemins.hpp"
#include "sim/word/InstanceWord.hpp"
#include "sim/word/MotDePasse.hpp"
#include "word/Texte.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim {

namespace {


ModeleDocument lit(platform::SystemeFichiers& fs, const std::u16string& chemin) {
    std::string octets;
    try {
        octets = fs.Lit(chemin);
    } catch (const Erreur&) {
        leveErreurWord(wderr::EchecCommande, chemin);
    }
    try {
        return lireWordML(octets);
    } catch (const std::exception&) {
        // Not a WordprocessingML document (or one that cannot be used).
        leveErreurWord(wderr::FormatIllisible, chemin);
    }
}

bool normal(const std::u16string& modele) {
    std::u16string n = LCase(nomDe(modele));
    return n.empty() || n == u"normal.dot" || n == u"normal";
}

}  // namespace

DocumentPtr InstanceWord::ajouteDocument(const std::optional<std::u16string>& modele, bool nouveauModele) {
    auto doc = std::make_shared<DocumentOuvert>();
    std::u16string cheminModele;
    if (modele && !normal(*modele)) {
        if (!cheminValide(*modele)) leveErreurWord(wderr::CaracteresInvalides, *modele);
        // A template named without folder is looked for among the user's templates.
        cheminModele = normaliseChemin(joindre(dossierModeles, *modele));
        bool existe = false;
        try {
            existe = fichiers_->Existe(cheminModele);
        } catch (const Erreur&) {
            existe = false;
        }
        if (!existe) leveErreurWord(wderr::FichierIntrouvable, cheminModele);
        doc->modele = lit(*fichiers_, cheminModele);
    }
    ProprietesDocument& p = doc->modele.proprietes();
    p.typeDocument = nouveauModele ? 1 : 0;
    p.modeleAttache = cheminModele;
    // Numbers are never reused in a session.
    doc->nom = nouveauModele ? u"Modèle" + depuisUtf8(std::to_string(++numeroModele_))
                             : u"Document" + depuisUtf8(std::to_string(++numeroDocument_));
    doc->contexte = this;
    doc->marqueEnregistre();
    documents_.push_back(doc);
    nouvelleFenetre(doc);
    return doc;
}

DocumentPtr InstanceWord::ouvreDocument(const std::u16string& fichier, bool lectureSeule,
                                        const std::optional<std::u16string>& motDePasse) {
    if (fichier.empty()) leveErreurWord(wderr::CheminInvalide);
    if (!cheminValide(fichier)) leveErreurWord(wderr::CaracteresInvalides, fichier);
    std::u16string chemin = cheminComplet(fichier);
    std::vector<std::u16string> trouves;
    try {
        constexpr int32_t fichiersCaches = platform::attr::LectureSeule | platform::attr::Cache | platform::attr::Systeme;
        trouves = fichiers_->Dir(chemin, fichiersCaches);
    } catch (const Erreur&) {
        leveErreurWord(wderr::CheminInvalide, chemin);
    }
    if (trouves.empty()) leveErreurWord(wderr::FichierIntrouvable, chemin);
    std::u16string dossier = dossierDe(chemin);
    std::u16string nom = trouves.front();
    std::u16string cle = LCase(dossier + u"\\" + nom);
    for (const DocumentPtr& d : documents_) {
        if (LCase(d->nomComplet()) == cle) {
            active(d);
            return d;
        }
    }
    auto doc = std::make_shared<DocumentOuvert>();
    doc->modele = lit(*fichiers_, chemin);
    const std::u16string& cleOuverture = std::as_const(doc->modele).proprietes().cleOuverture;
    if (!cleOuverture.empty()) {
        std::optional<std::u16string> saisi = motDePasse ? motDePasse : reponseMotDePasse_;
        if (!saisi) leveErreurWord(wderr::EchecCommande, chemin);
        if (saisi->empty() || !motDePasseCorrect(cleOuverture, *saisi)) leveErreurWord(wderr::MotDePasseOuverture, chemin);
    }
    doc->nom = nom;
    doc->dossier = dossier;
    doc->contexte = this;
    doc->fenetre.typeVue = std::as_const(doc->modele).proprietes().vue;
    if (doc->fenetre.typeVue == 4) doc->fenetre.typeVue = 3;
    doc->fenetre.typeVueAvantApercu = doc->fenetre.typeVue;
    doc->marqueEnregistre();
    try {
        if (fichiers_->GetAttr(chemin) & platform::attr::LectureSeule) lectureSeule = true;
    } catch (const Erreur&) {
    }
    if (lectureSeule) lecturesSeules_.insert(doc.get());
    documents_.push_back(doc);
    nouvelleFenetre(doc);
    return doc;
}

void InstanceWord::invite(const DocumentPtr& doc) {
    switch (reponseInvite_) {
        case ReponseInvite::NePasEnregistrer: return;
        case ReponseInvite::Annuler: leveErreurWord(wderr::EchecCommande);
        case ReponseInvite::Enregistrer: enregistre(doc); return;
    }
}

void InstanceWord::fermeDocument(const DocumentPtr& doc, int32_t enregistrer) {
    if (!doc->ouvert) return;
    if (!doc->saved()) {
        if (enregistrer == word::wd::SaveChanges)
            enregistre(doc);
        else if (enregistrer != word::wd::DoNotSaveChanges)
            invite(doc);
    }
    retireDocument(doc);
}

void InstanceWord::fermeTout(int32_t enregistrer) {
    for (const DocumentPtr& d : std::vector<DocumentPtr>(documents_)) fermeDocument(d, enregistrer);
}

void InstanceWord::quitte(int32_t enregistrer) {
    fermeTout(enregistrer);
    termine();
}

void InstanceWord::retireDocument(const DocumentPtr& doc) {
    doc->ouvert = false;
    for (const FenetreWord* f : fenetresDe(doc.get()))
        activations_.erase(std::remove(activations_.begin(), activations_.end(), f->id), activations_.end());
    fenetresWord_.erase(std::remove_if(fenetresWord_.begin(), fenetresWord_.end(),
                                       [&](const FenetreWord& f) { return f.doc == doc; }),
                        fenetresWord_.end());
    documents_.erase(std::remove(documents_.begin(), documents_.end(), doc), documents_.end());
    lecturesSeules_.erase(doc.get());
    montreBarreApercu();
}

void InstanceWord::enregistre(const DocumentPtr& doc) {
    if (lectureSeule(doc.get())) leveErreurWord(wderr::NonDisponible, doc->nomComplet());
    if (doc->dossier.empty()) {
        // Never saved: Word asks for a name (the Save As dialog box).
        if (reponseInvite_ != ReponseInvite::Enregistrer) leveErreurWord(wderr::EchecCommande);
        bool modele = std::as_const(doc->modele).proprietes().typeDocument == 1;
        enregistreSous(doc, joindre(modele ? dossierModeles : dossierDocuments, doc->nom + (modele ? u".dot" : u".doc")),
                       std::nullopt);
        return;
    }
    if (doc->saved()) return;
    ecrit(doc, doc->nomComplet());
}

void InstanceWord::enregistreSous(const DocumentPtr& doc, const std::u16string& fichier, std::optional<int32_t> format,
                                  const std::optional<std::u16string>& motDePasse) {
    std::u16string nom = fichier.empty() ? doc->nom : fichier;
    if (!cheminValide(nom)) leveErreurWord(wderr::CaracteresInvalides, nom);
    bool modele = format ? *format == word::wd::FormatTemplate : std::as_const(doc->modele).proprietes().typeDocument == 1;
    if (!aExtension(nomDe(nom))) nom += modele ? u".dot" : u".doc";
    std::u16string base = doc->dossier.empty() || !fichier.empty() ? dossierCourant_ : doc->dossier;
    std::u16string chemin = normaliseChemin(joindre(base, nom));
    std::u16string cle = LCase(chemin);
    for (const DocumentPtr& d : documents_)
        if (d != doc && LCase(d->nomComplet()) == cle) leveErreurWord(wderr::EchecCommande, chemin);
    if (format && modele != (std::as_const(doc->modele).proprietes().typeDocument == 1))
        doc->modele.proprietes().typeDocument = modele ? 1 : 0;
    if (motDePasse) {
        std::u16string nouvelle = cleMotDePasse(*motDePasse);
        if (std::as_const(doc->modele).proprietes().cleOuverture != nouvelle)
            doc->modele.proprietes().cleOuverture = std::move(nouvelle);
    }
    ecrit(doc, chemin);
    doc->dossier = dossierDe(chemin);
    doc->nom = nomDe(chemin);
    try {
        std::vector<std::u16string> surDisque = fichiers_->Dir(chemin, 7);
        if (!surDisque.empty()) doc->nom = surDisque.front();
    } catch (const Erreur&) {
    }
    lecturesSeules_.erase(doc.get());
    doc->marqueEnregistre();
}

void InstanceWord::ecrit(const DocumentPtr& doc, const std::u16string& chemin) {
    std::string octets = ecrireWordML(doc->modele);
    try {
        fichiers_->ecritPour(chemin, octets, this);
    } catch (const Erreur& e) {
        if (e.numero() == err::CheminIntrouvable || e.numero() == 52) leveErreurWord(wderr::CheminInvalide, chemin);
        leveErreurWord(wderr::EchecCommande, chemin);
    }
    doc->marqueEnregistre();
}

}  // namespace k58204::sim
