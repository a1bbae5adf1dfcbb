#include "files/Preparation.hpp"

#include <optional>

#include "files/DocumentDeTravail.hpp"
#include "word/GereErreur.hpp"

namespace k58204 {

namespace {

const FichiersDeTravail& requis(const FichiersDeTravail* fichiers) {
    if (!fichiers) leveErreurExecution(err::ObjetNonDefini);
    return *fichiers;
}

// Closes, without saving, the open document that is the file `chemin`; at
// most one document is closed. A document of the same name from another
// folder is the learner's own and is left as it is.
void fermeDocument(const word::Application& application, const std::u16string& chemin) {
    if (std::optional<word::Document> d = DocumentDuFichier(application, chemin)) d->Close(false);
}

// Unloads the add-ins and detaches the documents whose template is nomDest
// (exact case); the scans run downwards so a deletion never skips an element.
void detacheModele(const word::Application& application, const std::u16string& nomDest) {
    word::AddIns addIns = application.AddIns();
    for (int32_t i = addIns.Count(); i >= 1; --i) {
        word::AddIn a = addIns.Item(i);
        if (a.Name() == nomDest) a.Delete();
    }
    word::Documents documents = application.Documents();
    for (int32_t i = documents.Count(); i >= 1; --i) {
        word::Document d = documents.Item(i);
        if (d.AttachedTemplate() == nomDest) d.AttachedTemplate(u"");
    }
}

// A leftover that does not exist, or that is locked, is simply left alone.
void supprime(platform::SystemeFichiers& fs, const std::u16string& chemin) {
    sansErreur([&] { fs.SetAttr(chemin, platform::attr::Normal); });
    sansErreur([&] { fs.Kill(chemin); });
}

}  // namespace

void Nettoyage(const FichiersDeTravail* fichiers, const word::Application& application,
               const DossiersTravail& dossiers, platform::SystemeFichiers& fs) {
    try {
        const FichiersDeTravail& f = requis(fichiers);
        const int32_t n = f.count();
        // A failing Word call (Word gone or not answering) does not keep the
        // files from being deleted: a file Word still holds open stays (the
        // deletion is refused), one it no longer holds goes. The first such
        // error is reported once every record has been dealt with.
        std::optional<Erreur> erreurWord;
        for (int32_t i = 1; i <= n; ++i) {
            Fichier fichier = f.Item(i);
            const std::u16string chemin = (fichier.Modele ? dossiers.modeles : dossiers.travail) + fichier.NomDest;
            try {
                fermeDocument(application, chemin);
                if (fichier.Modele) detacheModele(application, fichier.NomDest);
            } catch (const Erreur& e) {
                if (!erreurWord) erreurWord = e;
            }
            supprime(fs, chemin);
        }
        if (erreurWord) throw *erreurWord;
    } catch (const Erreur& e) {
        GereErreur(u"Module", u"Nettoyage", e);
    }
}

void Renomme(const FichiersDeTravail* fichiers, const DossiersTravail& dossiers, platform::SystemeFichiers& fs) {
    try {
        const FichiersDeTravail& f = requis(fichiers);
        const int32_t n = f.count();
        for (int32_t i = 1; i <= n; ++i) {
            Fichier fichier = f.Item(i);
            if (fichier.NomSource.empty()) continue;
            fs.SetAttr(dossiers.travail + fichier.NomSource, platform::attr::Normal);
            const std::u16string& destination = fichier.Modele ? dossiers.modeles : dossiers.travail;
            fs.Name(dossiers.travail + fichier.NomSource, destination + fichier.NomDest);
        }
    } catch (const Erreur& e) {
        GereErreur(u"Module", u"Renomme", e);
    }
}

}  // namespace k58204
