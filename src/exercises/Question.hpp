#pragma once
// What every exercise class offers Module: its working documents, its default
// folder, its verdict (code, "well done with a nuance" flag, supplementary
// strings), and the subs Prepare, TestePoint and Fermer. Each QuestionNNNN
// holds only what differs: its documents, its own Prepare when it has one,
// and its checks (Verifie).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "files/ComplementInfo.hpp"
#include "files/DocumentDeTravail.hpp"
#include "files/FichiersDeTravail.hpp"
#include "platform/SystemeFichiers.hpp"
#include "word/Erreur.hpp"
#include "word/Modele.hpp"

namespace k58204 {

class Question {
public:
    virtual ~Question() = default;
    Question(const Question&) = delete;
    Question& operator=(const Question&) = delete;

    // The supplementary strings of the last check (none before the first one).
    std::shared_ptr<k58204::ComplementInfo> ComplementInfo() const { return moComplementInfo; }
    // The working documents, created empty when absent (after Fermer, say).
    std::shared_ptr<k58204::FichiersDeTravail> FichiersDeTravail();
    const std::u16string& PathDossierParDefaut() const { return msPathDossierParDefaut; }
    bool BravoNuance() const { return mbBravoNuance; }
    // Which open document is the working document. Prepare names the working
    // file; whoever starts the exercise notes, before Prepare, the documents
    // already open (the learner's own).
    k58204::DocumentDeTravail& DocumentTravail() { return moDocumentTravail; }
    const std::u16string& CauseErreur() const { return msCauseErreur; }

    // Prepares Word for the exercise. The application is passed by reference:
    // Module takes it back afterwards.
    virtual void Prepare(word::Application& iApplication, const std::u16string& isPathDossier,
                         const std::optional<std::u16string>& isPathModele = std::nullopt);
    // Checks the learner's work: a fresh ComplementInfo, then the exercise's
    // tests; a code once written is never cleared. Errors are raised again
    // with the class name and "TestePoint".
    void TestePoint();
    // Releases the application and both collections. Closes no document.
    virtual void Fermer();

    const std::u16string& classe() const { return classe_; }

protected:
    Question(std::u16string classe, platform::SystemeFichiers& fichiers);

    // The initialisation's registration of one working document.
    void enregistre(std::u16string nomSource, std::u16string nomDest, bool modele);

    // Steps shared by every Prepare: store the folders, compute the default
    // folder, keep the application, name the working file.
    void PrepareDebut(const word::Application& iApplication, const std::u16string& isPathDossier,
                      const std::optional<std::u16string>& isPathModele);
    // The standard Prepare's end: open working folder + name (the file name as
    // Open's only argument), then activate Documents(name). Module activates
    // the working document by its file afterwards.
    void OuvreEtActive(const std::u16string& nom);
    // The standard Prepare, without its error handler (own forms build on it).
    void PrepareStandard(const word::Application& iApplication, const std::u16string& isPathDossier,
                         const std::optional<std::u16string>& isPathModele);

    virtual void InitPathDossierParDefaut();
    // The exercise's own tests, run by TestePoint after its common start.
    virtual void Verifie() = 0;

    // Raises e again through GereErreur with this class's name and the service.
    [[noreturn]] void signale(const std::u16string& service, const Erreur& e) const;

    word::Application moApplication;
    std::shared_ptr<k58204::FichiersDeTravail> moFichiersDeTravail;
    std::u16string msCauseErreur;
    bool mbBravoNuance = false;
    std::u16string msPathDossier;
    std::u16string msPathModele;
    std::u16string msPathDossierParDefaut;
    std::shared_ptr<k58204::ComplementInfo> moComplementInfo;
    k58204::DocumentDeTravail moDocumentTravail;
    platform::SystemeFichiers& fichiers_;

private:
    std::u16string classe_;
    std::u16string nomDocument_;
};

}  // namespace k58204
