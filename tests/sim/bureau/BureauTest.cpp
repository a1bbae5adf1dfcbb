// The simulated desktop through the user32, keyboard and server seams.
#include <gtest/gtest.h>

#include "sim/bureau/Bureau.hpp"
#include "sim/bureau/ClavierBureau.hpp"
#include "sim/bureau/FenetresBureau.hpp"
#include "sim/bureau/ServeurBureau.hpp"
#include "word/Erreur.hpp"

namespace k58204::sim {
namespace {

using platform::GW_HWNDPREV;
using platform::WM_CLOSE;
using platform::WS_EX_DLGMODALFRAME;

class BureauTest : public ::testing::Test {
protected:
    BureauTest() : user32(bureau), clavier(bureau) {
        autre = bureau.cree({u"Notepad", u"Sans titre - Bloc-notes", 0, 0, true, 0});
        word = bureau.cree({u"OpusApp", u"Microsoft Word", 0, 0, true, 0});
        bureau.metAuPremierPlan(word);
    }
    Hwnd dialogue(Hwnd proprietaire, std::u16string titre) {
        Hwnd d = bureau.cree({u"bosa_sdm", std::move(titre), proprietaire, 0, true, WS_EX_DLGMODALFRAME | 0x100});
        bureau.cree({u"Button", u"OK", 0, d, true, 0});
        return d;
    }
    Bureau bureau;
    FenetresBureau user32;
    ClavierBureau clavier;
    Hwnd autre = 0, word = 0;
};

TEST_F(BureauTest, TrouveParClasseEtTitreSansEgardALaCasse) {
    Hwnd cache = bureau.cree({u"OpusApp", u"Document1 - Microsoft Word", 0, 0, false, 0});
    struct Cas {
        platform::Texte classe, titre;
        Hwnd attendu;
    };
    const Cas cas[] = {
        {u"OPUSAPP", u"Microsoft Word", word},
        {u"opusapp", u"microsoft word", word},
        {u"OPUSAPP", std::nullopt, cache},                      // the topmost of the class
        {u"OPUSAPP", u"Document1 - Microsoft Word", cache},     // hidden windows are found
        {std::nullopt, u"Sans titre - Bloc-notes", autre},
        {u"OPUSAPP", u"Microsoft Wor", 0},
        {u"MSOBALLOON", std::nullopt, 0},
    };
    for (const Cas& c : cas) EXPECT_EQ(user32.FindWindowA(c.classe, c.titre), c.attendu);
    EXPECT_EQ(user32.IsWindowVisible(cache), 0);

    Hwnd d = dialogue(word, u"Police");
    Hwnd premier = user32.FindWindowExA(d, 0, std::nullopt, std::nullopt);
    EXPECT_NE(premier, 0);
    EXPECT_EQ(user32.GetParent(premier), d);
    EXPECT_EQ(user32.FindWindowExA(d, premier, std::nullopt, std::nullopt), 0);
    EXPECT_EQ(user32.FindWindowA(u"Button", std::nullopt), 0);  // children are not top-level windows

    std::u16string texte;
    EXPECT_EQ(user32.GetWindowTextA(word, texte, 255), 14);
    EXPECT_EQ(texte, u"Microsoft Word");
    EXPECT_EQ(user32.GetWindowTextA(word, texte, 5), 4);
    EXPECT_EQ(texte, u"Micr");
    EXPECT_EQ(user32.GetClassNameA(word, texte, 255), 7);
    EXPECT_EQ(user32.GetClassNameA(0x7FFFFFF0, texte, 255), 0);
}

TEST_F(BureauTest, OrdreZDesFenetresPossedees) {
    Hwnd police = dialogue(word, u"Police");
    Hwnd couleurs = dialogue(police, u"Couleurs");
    // Each new window is on top; owned ones above their owner.
    EXPECT_EQ(user32.GetWindow(word, GW_HWNDPREV), police);
    EXPECT_EQ(user32.GetWindow(police, GW_HWNDPREV), couleurs);
    EXPECT_EQ(user32.GetWindow(couleurs, GW_HWNDPREV), 0);
    EXPECT_EQ(user32.GetParent(couleurs), police);
    EXPECT_EQ(user32.GetWindowLongA(police, platform::GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, WS_EX_DLGMODALFRAME);
    // Another window to the front, then Word again: its dialog boxes come along above it.
    user32.SetForegroundWindow(autre);
    EXPECT_EQ(user32.GetWindow(autre, GW_HWNDPREV), 0);
    user32.SetForegroundWindow(word);
    EXPECT_EQ(bureau.enfants(0), (std::vector<Hwnd>{couleurs, police, word, autre}));
    EXPECT_EQ(bureau.dialogueModal(word), couleurs);
}

TEST_F(BureauTest, EchapFermeLeDialogueDuDessusPuisVaALaFenetre) {
    Hwnd police = dialogue(word, u"Police");
    Hwnd couleurs = dialogue(police, u"Couleurs");
    int echapsFenetre = 0;
    bureau.surEchap(word, [&] { ++echapsFenetre; });
    user32.SetForegroundWindow(word);
    clavier.EnvoieEchap();
    EXPECT_FALSE(bureau.existe(couleurs));
    EXPECT_TRUE(bureau.existe(police));
    clavier.EnvoieEchap();
    EXPECT_FALSE(bureau.existe(police));
    EXPECT_EQ(echapsFenetre, 0);
    clavier.EnvoieEchap();
    EXPECT_EQ(echapsFenetre, 1);
    // A stuck dialog box stays; Escape with another window in front does not reach Word.
    Hwnd bloque = dialogue(word, u"Bloqué");
    bureau.ignoreEchap(bloque);
    clavier.EnvoieEchap();
    EXPECT_TRUE(bureau.existe(bloque));
    bureau.detruit(bloque);
    Hwnd police2 = dialogue(word, u"Police");
    user32.SetForegroundWindow(autre);
    clavier.EnvoieEchap();
    EXPECT_TRUE(bureau.existe(police2));
    EXPECT_EQ(bureau.nombreEchap(), 5);
}

TEST_F(BureauTest, WmCloseDetruitAvecEnfantsEtFenetresPossedees) {
    Hwnd police = dialogue(word, u"Police");
    Hwnd couleurs = dialogue(police, u"Couleurs");
    Hwnd bouton = user32.FindWindowExA(police, 0, std::nullopt, std::nullopt);
    bureau.refuseFermeture(couleurs);
    user32.SendMessageA(couleurs, WM_CLOSE, 0, 0);
    EXPECT_TRUE(bureau.existe(couleurs));
    user32.SendMessageA(police, WM_CLOSE, 0, 0);
    for (Hwnd h : {police, couleurs, bouton}) EXPECT_FALSE(bureau.existe(h));
    int fermetures = 0;
    bureau.surFermeture(word, [&] { ++fermetures; });
    user32.SendMessageA(word, WM_CLOSE, 0, 0);
    user32.SendMessageA(word, 0x0010 + 1, 0, 0);  // not WM_CLOSE: ignored
    EXPECT_EQ(fermetures, 1);
    EXPECT_TRUE(bureau.existe(word));
    // Handles are never reused.
    Hwnd nouvelle = bureau.cree({u"bosa_sdm", u"Police", word, 0, true, WS_EX_DLGMODALFRAME});
    EXPECT_GT(nouvelle, couleurs);
}

TEST_F(BureauTest, ShowWindowEtEtatMinimise) {
    struct Cas {
        int32_t commande;
        int32_t iconique, visible;
    };
    const Cas cas[] = {{platform::SW_SHOWMINIMIZED, 1, 1}, {platform::SW_MAXIMIZE, 0, 1}, {0, 0, 0},
                       {6, 1, 1},                          {9, 0, 1}};
    for (const Cas& c : cas) {
        user32.ShowWindow(word, c.commande);
        EXPECT_EQ(user32.IsIconic(word), c.iconique) << c.commande;
        EXPECT_EQ(user32.IsWindowVisible(word), c.visible) << c.commande;
    }
    EXPECT_TRUE(bureau.maximise(word));  // restored as it was before minimising
    EXPECT_EQ(user32.ShowWindow(0x7FFFFFF0, 3), 0);
}

TEST_F(BureauTest, VerrouUniqueEtAttentes) {
    EXPECT_EQ(user32.LockWindowUpdate(word), 1);
    EXPECT_EQ(user32.LockWindowUpdate(autre), 0);
    EXPECT_EQ(bureau.fenetreVerrouillee(), word);
    EXPECT_EQ(user32.LockWindowUpdate(0), 1);
    EXPECT_EQ(bureau.fenetreVerrouillee(), 0);
    user32.LockWindowUpdate(autre);
    bureau.detruit(autre);
    EXPECT_EQ(bureau.fenetreVerrouillee(), 0);
    clavier.Attends(std::chrono::milliseconds(250));
    clavier.Attends(std::chrono::milliseconds(1000));
    EXPECT_EQ(bureau.attenteTotale(), std::chrono::milliseconds(1250));
}

struct ObjetFactice : Objet {
    Variant invoke(std::u16string_view, Appel, const Arguments&) override { return Variant(); }
};

struct ServeurFactice : ObjetActif {
    bool enMarche = true;
    ObjetPtr objet = std::make_shared<ObjetFactice>();
    bool actif() const override { return enMarche; }
    ObjetPtr objetActif() override { return objet; }
};

TEST_F(BureauTest, TableDesObjetsActifs) {
    ServeurBureau serveur(bureau);
    auto numero = [](auto&& f) {
        try {
            f();
        } catch (const Erreur& e) {
            return e.numero();
        }
        return 0;
    };
    EXPECT_EQ(numero([&] { serveur.GetObject(u"Word.application.11"); }), err::CreationImpossible);
    EXPECT_EQ(numero([&] { serveur.CreateObject(u"Word.application.11"); }), err::CreationImpossible);
    auto premier = std::make_shared<ServeurFactice>();
    auto second = std::make_shared<ServeurFactice>();
    bureau.enregistreActif(u"Word.Application.11", premier);
    bureau.enregistreActif(u"word.application", second);
    EXPECT_EQ(serveur.GetObject(u"WORD.APPLICATION.11"), premier->objet);
    premier->enMarche = false;
    EXPECT_EQ(serveur.GetObject(u"Word.Application"), second->objet);
    bureau.revoqueActif(second.get());
    EXPECT_EQ(numero([&] { serveur.GetObject(u"Word.application.11"); }), err::CreationImpossible);
    int crees = 0;
    bureau.enregistreFabrique(u"Word.Application", [&] {
        ++crees;
        return std::make_shared<ObjetFactice>();
    });
    EXPECT_NE(serveur.CreateObject(u"word.application.11"), nullptr);
    EXPECT_EQ(crees, 1);
    EXPECT_EQ(numero([&] { serveur.CreateObject(u"Autre.Classe"); }), err::CreationImpossible);
}

}  // namespace
}  // namespace k58204::sim
