// Module: finding or starting Word, its main window, checking that it
// answers, and closing what the learner left open over it.
#include "word/GereErreur.hpp"
#include "module/Module.hpp"
#include "word/Texte.hpp"

namespace k58204 {

using namespace platform;

namespace {
constexpr char16_t ClasseOpus[] = u"OPUSAPP";
constexpr char16_t TitreWord[] = u"Microsoft Word";
}  // namespace

// Word's main window. Its title follows the active window: "Name - Microsoft
// Word" as a rule, but "Name:2 - ..." with a second window, "Name (Lecture
// seule) - ..." for a read-only document, a caption a macro set, or the name
// without its extension when Windows hides extensions. The title by the rule
// is tried first, then the active window's caption, then a title that starts
// with the document's name, then any Word main window (as the check finds it):
// a Word that runs is never taken for a closed one.
Hwnd Module::FenetrePrincipale() {
    Fenetres& f = plateforme_.fenetres;
    const std::u16string classe(ClasseOpus);
    const std::u16string suffixe = std::u16string(u" - ") + TitreWord;
    if (moApplication.Documents().Count() == 0) {
        if (Hwnd h = f.FindWindowA(classe, std::u16string(TitreWord))) return h;
        return f.FindWindowA(classe, std::nullopt);
    }
    const std::u16string nom = moApplication.ActiveDocument().Name();
    if (Hwnd h = f.FindWindowA(classe, nom + suffixe)) return h;
    std::optional<std::u16string> legende;
    sansErreur([&] { legende = moApplication.ActiveWindow().Caption(); });
    if (legende) {
        if (Hwnd h = f.FindWindowA(classe, *legende + suffixe)) return h;
    }
    // The document's name without extension, then what Word may add after it.
    const size_t point = nom.rfind(u'.');
    const std::u16string racine = LCase(point == std::u16string::npos ? nom : nom.substr(0, point));
    Hwnd premiere = 0;
    Hwnd h = f.FindWindowExA(0, 0, classe, std::nullopt);
    for (int n = 0; h != 0 && n < MaxFenetresWord; ++n, h = f.FindWindowExA(0, h, classe, std::nullopt)) {
        if (premiere == 0) premiere = h;
        std::u16string titre;
        f.GetWindowTextA(h, titre, TailleTampon);
        const std::u16string t = LCase(titre);
        if (t.size() <= racine.size() || t.compare(0, racine.size(), racine) != 0) continue;
        const char16_t suivant = t[racine.size()];
        if (suivant == u'.' || suivant == u':' || suivant == u' ') return h;
    }
    return premiere;
}

void Module::GetApplication() {
    Fenetres& f = plateforme_.fenetres;
    // Make the instance visible, find its main window, read the application
    // setting with a document open, and freeze drawing while Word is set up.
    auto prepareInstance = [&] {
        moApplication.Visible(true);
        mlHandleLogiciel = FenetrePrincipale();
        // Only the document created here is closed: documents the learner
        // already had open in an attached Word stay as they are.
        word::Document cree = moApplication.Documents().Add();
        mbParamApplication = moApplication.ShowWindowsInTaskbar();
        cree.Close(word::wd::DoNotSaveChanges);
        f.LockWindowUpdate(mlHandleLogiciel);
    };
    // Attach to the running Word unless its known window is hidden: a hidden
    // instance is never reused. Any failure leads to starting a new one.
    try {
        EcheanceAppel::verifie();
        if (f.IsWindowVisible(mlHandleLogiciel) != 0 || mlHandleLogiciel == 0) {
            moApplication = word::Application(plateforme_.serveur.GetObject(ClasseWord));
            prepareInstance();
            return;
        }
    } catch (const Erreur&) {
    }
    try {
        EcheanceAppel::verifie();
        moApplication = word::Application(plateforme_.serveur.CreateObject(ClasseWord));
        prepareInstance();
    } catch (const Erreur& e) {
        moApplication = word::Application();
        GereErreur(u"Module", u"GetApplication", e);
    }
}

bool Module::AfficheWord() {
    Fenetres& f = plateforme_.fenetres;
    if (f.FindWindowA(std::u16string(ClasseOpus), std::nullopt) == 0) return false;
    sansErreur([&] { moApplication.WindowState(word::wd::WindowStateMaximize); });
    if (f.IsIconic(mlHandleLogiciel) == 1) f.ShowWindow(mlHandleLogiciel, SW_MAXIMIZE);
    // Exercise 121 keeps Word's window where it is.
    if (mlQuestion != 121) f.SetForegroundWindow(mlHandleLogiciel);
    return true;
}

void Module::OleAccessible(bool& flag) {
    auto sonde = [&] { (void)moApplication.Windows().Count(); };
    auto reattache = [&] {
        mlHandleLogiciel = plateforme_.fenetres.FindWindowA(std::u16string(ClasseOpus), std::nullopt);
        GetApplication();
        AfficheWord();
    };
    std::optional<Erreur> courante;
    try {
        if (!flag) {
            try {
                sonde();
                return;
            } catch (const Erreur& e) {
                // Recovery: Escape dismisses whatever keeps Word from answering;
                // a Word that has gone is attached to (or started) again.
                EnvoieEchap(mlHandleLogiciel);
                if (e.numero() == err::ServeurIndisponible) reattache();
            }
        }
        sonde();
        return;
    } catch (const Erreur& e) {
        courante = e;
    }
    if (courante->numero() == err::ServeurIndisponible) {
        try {
            reattache();
        } catch (const Erreur& e) {
            courante = e;
        }
    }
    flag = false;
    GereErreur(u"Module", u"OleAccessible", *courante);
}

void Module::EnvoieEchap(Hwnd& handle) {
    plateforme_.fenetres.SetForegroundWindow(handle);
    plateforme_.clavier.EnvoieEchap();
}

void Module::FermeFenetre(Hwnd& handle) {
    Fenetres& f = plateforme_.fenetres;
    sansErreur([&] {
        // The first child is looked for again after each close; a child that
        // refuses to close would be found for ever, so the repetitions are bounded.
        Hwnd enfant = f.FindWindowExA(handle, 0, std::nullopt, std::nullopt);
        for (int n = 0; enfant != 0 && n < MaxFermeturesEnfants; ++n) {
            FermeFenetre(enfant);
            enfant = f.FindWindowExA(handle, 0, std::nullopt, std::nullopt);
        }
        f.SendMessageA(handle, WM_CLOSE, 0, 0);
    });
}

void Module::FermeDialogue(Hwnd& handle) {
    Fenetres& f = plateforme_.fenetres;
    sansErreur([&] {
        Hwnd w = f.GetWindow(handle, GW_HWNDPREV);
        while (w != 0) {
            std::u16string titre(TailleTampon, u'a');
            int32_t longueur = f.GetWindowTextA(w, titre, TailleTampon);
            if (longueur > 0 && f.IsWindowVisible(w) != 0 && (f.GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) != 0 &&
                f.GetParent(w) == handle) {
                FermeDialogue(w);  // the dialog box it owns in turn, if any
                f.SendMessageA(w, WM_CLOSE, 0, 0);
                return;
            }
            w = f.GetWindow(w, GW_HWNDPREV);
        }
    });
}

}  // namespace k58204
