#include "files/Preparation.hpp"

#include "word/GereErreur.hpp"
#include "word/Texte.hpp"

namespace k58204 {

namespace {

const FichiersDeTravail& requis(const FichiersDeTravail* fichiers) {
    if (!fichiers) leveErreurExecution(err::ObjetNonDefini);
    return *fichiers;
}

// Closes the open document named nomDest (without regard to case), scanning
// from the highest index; at most one document is closed.
void fermeDocument(const word::Application& application, const std::u16string& nomDest) {
    word::Documents documents = application.Documents();
    const std::u16string cible = LCase(nomDest);
    for (int32_t i = documents.Count(); i >= 1; --i) {
        word::Document d = documents.Item(i);
        if (LCase(d.Name()) == cible) {
            d.Close(false);
            return;
        }
    }
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
        for (int32_t i = 1; i <= n; ++i) {
            Fichier fichier = f.Item(i);
            fermeDocument(application, fichier.NomDest);
            if (fichier.Modele) {
                detacheModele(application, fichier.NomDest);
                supprime(fs, dossiers.modeles + fichier.NomDest);
            } else {
                supprime(fs, dossiers.travail + fichier.NomDest);
            }
        }
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
