#pragma once
// Module: the one class a training host creates. It attaches to or starts
// Word, prepares each exercise (documents staged and opened, toolbars,
// folders and window set up), checks the learner's work, and restores the
// learner's Word settings when an exercise ends.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "exercises/Question.hpp"
#include "module/AbstractModule.hpp"
#include "platform/Plateforme.hpp"
#include "word/Modele.hpp"

namespace k58204 {

class Module final : public AbstractModule {
public:
    explicit Module(platform::Plateforme plateforme);
    ~Module() override;

    bool BravoNuance() override;
    std::shared_ptr<ComplementInfo> Complement() override;
    std::u16string CauseErreur() override;
    bool ErreurGenerale() override { return mbErreurGenerale; }
    void Fermer() override;
    void InitQuestion(int32_t ilQuestion, std::u16string isPathDossier, ObjetPtr& ioApplication,
                      int32_t& ioHandleLogiciel, std::optional<std::u16string> isPathModele = std::nullopt) override;
    void Quitter(ObjetPtr& ioApplication, int32_t& ioHandleLogiciel) override;
    void TestePoint() override;

    // Pacing of Word's availability probe at the start of an exercise: each
    // failed attempt waits a little longer, and the probe gives up once the
    // waits add up to the bound (or after 499 attempts).
    static constexpr std::chrono::milliseconds SondePremiereAttente{20};
    static constexpr std::chrono::milliseconds SondeAttenteMax{500};
    static constexpr std::chrono::milliseconds SondeAttenteTotale{5000};
    // The longest one host call (InitQuestion, TestePoint, Fermer, Quitter)
    // runs: the probe's bound plus a margin for the calls to Word, the
    // Escape keys and the files around it. Past it, the call fails with
    // err::DelaiDepasse at its next call to Word (EcheanceAppel); a call
    // already under way inside Word itself is not cut short.
    static constexpr std::chrono::milliseconds MargeAppel{10000};
    static constexpr std::chrono::milliseconds BorneAppel = SondeAttenteTotale + MargeAppel;

    // Most repetitions FermeFenetre makes on one window's children.
    static constexpr int MaxFermeturesEnfants = 64;
    // Most Word main windows looked at when finding the one of our Word.
    static constexpr int MaxFenetresWord = 64;
    // The pause after closing the assistant's balloon.
    static constexpr std::chrono::milliseconds PauseBulle{100};

private:
    // Word instance and window control.
    void GetApplication();
    bool AfficheWord();
    void OleAccessible(bool& flag);
    void EnvoieEchap(platform::Hwnd& handle);
    void FermeFenetre(platform::Hwnd& handle);
    void FermeDialogue(platform::Hwnd& handle);
    platform::Hwnd FenetrePrincipale();

    // User-interface preparation.
    void SaveParamUser();
    void RestaureParamUser();
    void InitCommandBar();
    void ChangeDir(const std::u16string& dossier);

    // Working files and the working-document check.
    void Nettoyage();
    void Renomme();
    bool VerifieEtatDocument();

    // End of an exercise.
    void FermeQuestion();
    // Ends the current exercise whose Word has gone: the learner's settings go
    // to the Word now held, the working files are deleted.
    void AbandonneQuestion();
    // False only when the application's process has gone (a busy Word answers later).
    static bool WordVivant(const ObjetPtr& application);
    // True when the current exercise runs in the Word held before this start
    // (wordPrecedent) and the settings saved before it are still to be put back.
    bool reglagesDeLApprenantGardes(const ObjetPtr& wordPrecedent) const;
    bool ADesDocuments();

    platform::Plateforme plateforme_;

    word::Application moApplication;
    std::unique_ptr<Question> moQuestion;
    std::u16string msCauseErreurGenerale;
    bool mbErreurGenerale = false;
    int32_t mlHandleLogiciel = 0;
    std::u16string msPathDossier;
    std::u16string msPathModele;
    int32_t mlQuestion = 0;
    bool mbQuitterWord = false;
    std::u16string msDossierCourant;
    std::u16string msDossierModeles;
    std::u16string msDossierDocuments;
    int32_t mlRangStandard = 0;
    int32_t mlRangFormatting = 0;
    bool mbInfobulles = false;
    int32_t mlNbParagraphes = 0;
    bool mbAfficheTout = false;
    bool mbAfficheCodesChamps = false;
    bool mbVerifOrthographe = false;
    bool mbVerifGrammaire = false;
    bool mbParamApplication = false;
    bool mbVoletTaches = false;
    // True while the saved settings are the learner's and not yet put back:
    // a start that ends a running exercise keeps them rather than saving the
    // exercise's own, and a second Fermer does not put them back again.
    bool mbParamUserSauves = false;
};

}  // namespace k58204
