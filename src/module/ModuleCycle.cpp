// Module: the road of one exercise, as the host drives it: InitQuestion,
// TestePoint, Fermer (FermeQuestion) and Quitter.
#include <algorithm>

#include "exercises/Questions.hpp"
#include "files/EtatDocument.hpp"
#include "files/Preparation.hpp"
#include "word/Composant.hpp"
#include "word/GereErreur.hpp"
#include "module/Module.hpp"

namespace k58204 {

using namespace platform;

namespace {
constexpr int32_t EssaisSonde = 500;  // the probe runs at most 499 times
constexpr char16_t DossierModeles[] = u"\\Talvor Modèles\\";

// Acquiring Word freezes drawing of its main window while it is set up; the
// window may draw again when the host call ends, whether it succeeded or not.
class LiberationVerrou {
public:
    explicit LiberationVerrou(Fenetres& f) : f_(f) {}
    ~LiberationVerrou() { f_.LockWindowUpdate(0); }
    LiberationVerrou(const LiberationVerrou&) = delete;
    LiberationVerrou& operator=(const LiberationVerrou&) = delete;

private:
    Fenetres& f_;
};
}  // namespace

bool Module::ADesDocuments() { return moApplication.Documents().Count() > 0; }

bool Module::WordVivant(const ObjetPtr& application) {
    if (!application) return false;
    try {
        (void)word::Application(application).Windows().Count();
    } catch (const Erreur& e) {
        return e.numero() != err::ServeurIndisponible;
    }
    return true;
}

bool Module::reglagesDeLApprenantGardes(const ObjetPtr& wordPrecedent) const {
    return moQuestion && mbParamUserSauves && estLeMeme(wordPrecedent, moApplication.objet());
}

void Module::AbandonneQuestion() {
    if (mbParamUserSauves) sansErreur([&] { RestaureParamUser(); });
    mbParamUserSauves = false;
    sansErreur([&] { Nettoyage(); });
    sansErreur([&] { moQuestion->Fermer(); });
    moQuestion.reset();
}

void Module::Nettoyage() {
    k58204::Nettoyage(moQuestion ? moQuestion->FichiersDeTravail().get() : nullptr, moApplication,
                      {msPathDossier, msPathModele}, plateforme_.fichiers);
}

void Module::Renomme() {
    k58204::Renomme(moQuestion ? moQuestion->FichiersDeTravail().get() : nullptr, {msPathDossier, msPathModele},
                    plateforme_.fichiers);
}

bool Module::VerifieEtatDocument() {
    EtatDocument etat = k58204::VerifieEtatDocument(
        mlQuestion, moApplication, moQuestion ? &moQuestion->DocumentTravail() : nullptr, mlNbParagraphes);
    if (!etat.valide) msCauseErreurGenerale = etat.code;
    return etat.valide;
}

void Module::InitQuestion(int32_t ilQuestion, std::u16string isPathDossier, ObjetPtr& ioApplication,
                          int32_t& ioHandleLogiciel, std::optional<std::u16string> /*isPathModele: never used*/) {
    EcheanceAppel echeance(BorneAppel);
    Fenetres& f = plateforme_.fenetres;
    LiberationVerrou verrou(f);
    // File paths are the folder followed by a file name: a folder given
    // without its final backslash would stage and delete files beside it.
    if (!isPathDossier.empty() && isPathDossier.back() != u'\\' && isPathDossier.back() != u'/')
        isPathDossier += u'\\';
    const ObjetPtr wordPrecedent = moApplication.objet();

    // A handle that no longer names a window: forget that Word, unless the
    // application still runs (its window was merely not found by its title).
    if (ioHandleLogiciel != -1) {
        std::u16string classe;
        if (f.GetClassNameA(ioHandleLogiciel, classe, TailleTampon) == 0 && !WordVivant(ioApplication)) {
            ioApplication.reset();
            moApplication = word::Application();
            ioHandleLogiciel = -1;
            mlHandleLogiciel = 0;
        }
    }

    if (!ioApplication) {
        // First call, or Word forgotten: attach to or start Word and hand it back.
        GetApplication();
        mbQuitterWord = true;
        ioApplication = moApplication.objet();
        ioHandleLogiciel = mlHandleLogiciel;
        // An exercise of another Word (gone, or replaced) cannot be ended in
        // it: its files are removed and the learner's settings go to this
        // Word. One still running in this Word is ended below, as usual.
        if (moQuestion && !estLeMeme(wordPrecedent, moApplication.objet())) AbandonneQuestion();
        FermeDialogue(mlHandleLogiciel);
    } else {
        // The host passes its Word: until the probe, every error is ignored.
        if (!estLeMeme(ioApplication, moApplication.objet())) mbQuitterWord = false;
        moApplication = word::Application(ioApplication);
        mlHandleLogiciel = ioHandleLogiciel;
        sansErreur([&] { mlHandleLogiciel = FenetrePrincipale(); });
        sansErreur([&] { f.SetForegroundWindow(mlHandleLogiciel); });
        sansErreur([&] {
            if (f.IsWindowVisible(mlHandleLogiciel) == 0) {
                // A hidden Word is unusable: quit it and acquire Word anew.
                if (mlHandleLogiciel != 0) sansErreur([&] { word::Application(ioApplication).Quit(0); });
                ioApplication.reset();
                moApplication = word::Application();
                sansErreur([&] { GetApplication(); });
                mbQuitterWord = true;
                ioApplication = moApplication.objet();
            }
        });
        ioHandleLogiciel = mlHandleLogiciel;
        if (moQuestion && !estLeMeme(wordPrecedent, moApplication.objet())) AbandonneQuestion();
        sansErreur([&] { FermeDialogue(mlHandleLogiciel); });
    }

    // Word-availability probe: retried with a short, growing wait, up to 499
    // attempts or until the waits add up to the bound, so a Word busy for a
    // few seconds is waited out and a dead one reported within seconds.
    {
        std::optional<Erreur> derniere;
        auto attente = SondePremiereAttente;
        std::chrono::milliseconds attendu{0};
        for (int32_t nbEssais = 1; nbEssais < EssaisSonde; ++nbEssais) {
            try {
                bool flag = false;
                OleAccessible(flag);
                derniere.reset();
                break;
            } catch (const Erreur& e) {
                derniere = e;
            }
            if (attendu >= SondeAttenteTotale || EcheanceAppel::depassee()) break;
            plateforme_.clavier.Attends(attente);
            attendu += attente;
            attente = std::min(attente * 2, SondeAttenteMax);
        }
        if (derniere) GereErreur(u"Module", u"InitQuestion", *derniere);
    }

    // The learner's settings are read once Word answers (a dialog box left
    // open or a busy Word refuses calls before that), and before anything
    // of the exercise changes them. A start that ends a running exercise of
    // this Word keeps the settings saved at that exercise's start: the ones
    // in Word now are the exercise's own. Settings that cannot be read fail
    // the start before anything that would need restoring is changed.
    if (reglagesDeLApprenantGardes(wordPrecedent)) {
        sansErreur([&] { glUniteMesure = moApplication.Options().MeasurementUnit(); });
    } else {
        try {
            SaveParamUser();
        } catch (const Erreur& e) {
            GereErreur(u"Module", u"InitQuestion", e);
        }
    }

    // The previous exercise, if any, ends first (errors reach the host
    // unchanged). The settings it puts back are the learner's: they stay
    // saved for the end of the new exercise.
    const bool reglagesSauves = mbParamUserSauves;
    if (moQuestion) FermeQuestion();
    mbParamUserSauves = reglagesSauves;

    try {
        mlQuestion = ilQuestion;
        moQuestion = CreeQuestion(ilQuestion, plateforme_.fichiers);
        msPathDossier = isPathDossier;
        msPathModele = moApplication.Options().DefaultFilePath(word::wd::UserTemplatesPath) + DossierModeles;
        plateforme_.fichiers.MakeSureDirectoryPathExists(msPathModele);
    } catch (const Erreur& e) {
        GereErreur(u"Module", u"InitQuestion", e);
    }

    // Staging and preparation: errors reach the host as the called procedure raised them.
    Nettoyage();
    Renomme();
    if (mlQuestion == 124) ChangeDir(isPathDossier);
    if (!moQuestion) leveErreurExecution(err::ObjetNonDefini);
    // The documents open before the exercise opens any are the learner's.
    sansErreur([&] { moQuestion->DocumentTravail().NoteOuverts(moApplication); });
    word::Application application = moApplication;
    moQuestion->Prepare(application, isPathDossier, msPathModele);
    moApplication = application;
    ChangeDir(moQuestion->PathDossierParDefaut());
    InitCommandBar();
    moApplication.CommandBars().DisplayTooltips(true);

    try {
        if (mlQuestion != 123) {
            if (!ADesDocuments()) {
                moApplication.Documents().Add();
                moApplication.CommandBars().Item(u"Task Pane").Enabled(true);
                if (moApplication.CommandBars().Item(u"Task Pane").Enabled())
                    moApplication.CommandBars().Item(u"Task Pane").Visible(true);
            }
            moApplication.ActiveWindow().WindowState(word::wd::WindowStateMaximize);
        }
    } catch (const Erreur& e) {
        GereErreur(u"Module", u"InitQuestion", e);
    }

    if (mlQuestion != 123) {
        // Window set-up and proofing marks: every error is ignored.
        sansErreur([&] { moApplication.ShowWindowsInTaskbar(mbParamApplication); });
        sansErreur([&] { moApplication.ActiveWindow().DisplayVerticalScrollBar(true); });
        sansErreur([&] {
            if (moApplication.ActiveWindow().View().Type() != word::wd::PrintPreview) {
                sansErreur([&] { moApplication.DisplayStatusBar(true); });
                sansErreur([&] { moApplication.ActiveWindow().DisplayScreenTips(true); });
            }
        });
        sansErreur([&] { mbVerifOrthographe = moApplication.ActiveDocument().ShowSpellingErrors(); });
        sansErreur([&] { mbVerifGrammaire = moApplication.ActiveDocument().ShowGrammaticalErrors(); });
        sansErreur([&] { moApplication.ActiveDocument().ShowSpellingErrors(false); });
        sansErreur([&] { moApplication.ActiveDocument().ShowGrammaticalErrors(false); });
        sansErreur([&] {
            if (ADesDocuments()) sansErreur([&] { moApplication.ActiveWindow().StyleAreaWidth(0); });
        });
        sansErreur([&] { AfficheWord(); });
        if (mlQuestion != 102 && mlQuestion != 103 && mlQuestion != 124) {
            // The working document itself: a document of the learner's bearing
            // the same name (Word's Item by name may give it) is not activated.
            sansErreur([&] {
                if (std::optional<word::Document> d = moQuestion->DocumentTravail().Trouve(moApplication))
                    d->Activate();
            });
        }
        if (mlQuestion > 103 && mlQuestion < 120)
            sansErreur([&] { mlNbParagraphes = moApplication.ActiveDocument().Paragraphs().Count(); });
    } else {
        // Exercise 123 keeps the window as the learner has it; errors here are reported.
        try {
            if (ADesDocuments()) moApplication.ActiveWindow().StyleAreaWidth(0);
            AfficheWord();
        } catch (const Erreur& e) {
            GereErreur(u"Module", u"InitQuestion", e);
        }
    }
}

void Module::TestePoint() {
    EcheanceAppel echeance(BorneAppel);
    Fenetres& f = plateforme_.fenetres;
    LiberationVerrou verrou(f);  // a Word found again by the probe is locked while set up
    mlHandleLogiciel = f.FindWindowA(std::u16string(u"OpusApp"), std::nullopt);
    if (!AfficheWord()) {
        mbErreurGenerale = true;
        msCauseErreurGenerale = u"AM";
        return;
    }

    // A modal dialog box of Word left open: the first one above Word's window
    // whose owner is Word. The dialog box it owns in turn is closed.
    bool dialogue = false;
    sansErreur([&] {
        for (Hwnd w = f.GetWindow(mlHandleLogiciel, GW_HWNDPREV); w != 0; w = f.GetWindow(w, GW_HWNDPREV)) {
            std::u16string titre;
            int32_t longueur = f.GetWindowTextA(w, titre, TailleTampon);
            if (longueur > 0 && f.IsWindowVisible(w) != 0 && (f.GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) != 0 &&
                f.GetParent(w) == mlHandleLogiciel) {
                FermeDialogue(w);
                dialogue = true;
                return;
            }
        }
    });
    if (dialogue) {
        mbErreurGenerale = true;
        msCauseErreurGenerale = u"%AL";
        return;
    }

    try {
        bool flag = true;
        OleAccessible(flag);
    } catch (const Erreur&) {
        mbErreurGenerale = true;
        msCauseErreurGenerale = u"%AL";
        return;
    }

    try {
        mbErreurGenerale = false;
        if (!VerifieEtatDocument()) {
            mbErreurGenerale = true;
            return;
        }
    } catch (const Erreur&) {
        mbErreurGenerale = true;
        msCauseErreurGenerale = u"AN";
        return;
    }

    // The exercise's own check; the two view settings it may change are put back.
    if (ADesDocuments()) {
        word::View vue = moApplication.ActiveWindow().View();
        mbAfficheTout = vue.ShowAll();
        mbAfficheCodesChamps = vue.ShowFieldCodes();
    }
    if (!moQuestion) leveErreurExecution(err::ObjetNonDefini);
    moQuestion->TestePoint();
    mbErreurGenerale = false;
    if (ADesDocuments()) {
        word::View vue = moApplication.ActiveWindow().View();
        vue.ShowAll(mbAfficheTout);
        vue.ShowFieldCodes(mbAfficheCodesChamps);
    }
}

void Module::FermeQuestion() {
    Fenetres& f = plateforme_.fenetres;
    Hwnd bulle = f.FindWindowA(std::u16string(u"MSOBALLOON"), std::nullopt);
    if (bulle != 0) {
        FermeFenetre(bulle);
        // Lets Word process its messages once the balloon is gone.
        plateforme_.clavier.Attends(PauseBulle);
    }
    FermeDialogue(mlHandleLogiciel);

    // From here on every error is ignored.
    sansErreur([&] { mbParamApplication = moApplication.ShowWindowsInTaskbar(); });
    sansErreur([&] { mbVoletTaches = moApplication.CommandBars().Item(u"Task Pane").Visible(); });
    if (sansErreur([&] { (void)moApplication.Windows().Count(); })) {
        sansErreur([&] {
            if (ADesDocuments()) {
                sansErreur([&] { moApplication.ActiveDocument().ShowSpellingErrors(mbVerifOrthographe); });
                sansErreur([&] { moApplication.ActiveDocument().ShowGrammaticalErrors(mbVerifGrammaire); });
            }
        });
        sansErreur([&] {
            word::MailMerge fusion = moApplication.ActiveDocument().MailMerge();
            if (fusion.MainDocumentType() == word::wd::FormLetters) fusion.MainDocumentType(word::wd::NotAMergeDocument);
        });
        // Every document is closed, saved ones saved and then reopened. A
        // document with a password is closed without saving, so that it is
        // never reopened with a prompt nobody answers.
        int32_t n = 0;
        sansErreur([&] { n = moApplication.Documents().Count(); });
        std::vector<std::u16string> aRouvrir;
        for (int32_t i = 1; i <= n; ++i) {
            sansErreur([&] {
                word::Document d = moApplication.Documents().Item(1);
                if (!d.Path().empty() && !d.HasPassword()) {
                    sansErreur([&] { aRouvrir.push_back(d.FullName()); });
                    sansErreur([&] { d.Close(word::wd::SaveChanges); });
                } else {
                    sansErreur([&] { d.Close(word::wd::DoNotSaveChanges); });
                }
            });
        }
        for (const std::u16string& nom : aRouvrir) sansErreur([&] { moApplication.Documents().Open(nom); });
    }
    if (mbParamUserSauves) {
        sansErreur([&] { RestaureParamUser(); });
        mbParamUserSauves = false;
    }
    sansErreur([&] { Nettoyage(); });
    sansErreur([&] {
        if (!moQuestion) leveErreurExecution(err::ObjetNonDefini);
        moQuestion->Fermer();
    });
    moQuestion.reset();
}

void Module::Quitter(ObjetPtr& ioApplication, int32_t& ioHandleLogiciel) {
    EcheanceAppel echeance(BorneAppel);
    try {
        if (moQuestion) FermeQuestion();
        // Word is quit only when the component itself attached to or started it
        // and the host passes the same application back.
        if (!moApplication.estVide() && estLeMeme(moApplication.objet(), ioApplication) && mbQuitterWord) {
            moApplication.Quit(word::wd::DoNotSaveChanges);
            plateforme_.fenetres.ShowWindow(mlHandleLogiciel, SW_SHOWMINIMIZED);
            ioHandleLogiciel = 0;
            ioApplication.reset();
        }
        moApplication = word::Application();
    } catch (const Erreur& e) {
        GereErreur(u"Module", u"Quitter", e);
    }
}

}  // namespace k58204
