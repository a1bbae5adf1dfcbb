#include "exercises/Question.hpp"

#include "word/GereErreur.hpp"

namespace k58204 {

Question::Question(std::u16string classe, platform::SystemeFichiers& fichiers)
    : fichiers_(fichiers), classe_(std::move(classe)) {}

std::shared_ptr<k58204::FichiersDeTravail> Question::FichiersDeTravail() {
    if (!moFichiersDeTravail) moFichiersDeTravail = std::make_shared<k58204::FichiersDeTravail>();
    return moFichiersDeTravail;
}

void Question::enregistre(std::u16string nomSource, std::u16string nomDest, bool modele) {
    if (nomDocument_.empty()) nomDocument_ = nomDest;
    FichiersDeTravail()->add(std::move(nomSource), std::move(nomDest), modele);
}

void Question::InitPathDossierParDefaut() { msPathDossierParDefaut = msPathDossier; }

void Question::PrepareDebut(const word::Application& iApplication, const std::u16string& isPathDossier,
                            const std::optional<std::u16string>& isPathModele) {
    msPathDossier = isPathDossier;
    if (isPathModele) msPathModele = *isPathModele;
    InitPathDossierParDefaut();
    moApplication = iApplication;
    moDocumentTravail.Fichier(nomDocument_.empty() ? std::u16string() : msPathDossier + nomDocument_);
}

void Question::OuvreEtActive(const std::u16string& nom) {
    moApplication.Documents().Open(msPathDossier + nom);
    moApplication.Documents().Item(nom).Activate();
}

void Question::PrepareStandard(const word::Application& iApplication, const std::u16string& isPathDossier,
                               const std::optional<std::u16string>& isPathModele) {
    PrepareDebut(iApplication, isPathDossier, isPathModele);
    OuvreEtActive(nomDocument_);
}

void Question::Prepare(word::Application& iApplication, const std::u16string& isPathDossier,
                       const std::optional<std::u16string>& isPathModele) {
    try {
        PrepareStandard(iApplication, isPathDossier, isPathModele);
    } catch (const Erreur& e) {
        signale(u"Prepare", e);
    }
}

void Question::TestePoint() {
    try {
        moComplementInfo = std::make_shared<k58204::ComplementInfo>();
        Verifie();
    } catch (const Erreur& e) {
        signale(u"TestePoint", e);
    }
}

void Question::Fermer() {
    moApplication = word::Application();
    moFichiersDeTravail.reset();
    moComplementInfo.reset();
}

void Question::signale(const std::u16string& service, const Erreur& e) const { GereErreur(classe_, service, e); }

}  // namespace k58204
