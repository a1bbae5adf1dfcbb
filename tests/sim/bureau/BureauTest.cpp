// The simulated desktop through the user32, keyboard and server seams.
#include <gtest/gtest.h>

#include "sim/bureau/Bureau.hpp"
#include "sim/bureau/ClavierBureau.hpp"
#include "sim/bureau/FenetresBureau.hpp"
#include "sim/bureau/ServeurBureau.hpp"
#include "support/NumeroErreur.hpp"

namespace k58204::sim {
namespace {

using platform::WM_CLOSE;
using platform::WS_EX_DLGMODALFRAME;

class BureauTest : public ::testing::Test {
protected:
    BureauTest() : user32(bureau), clavier(bureau) {
        autre = bureau.cree({u"Notepad", u"Sans titre - Bloc-notes", 0, 0, true, 0});
        word = bureau.cree({u"OpusApp", u"Microsoft Word", 0, 0, true, 0});
        bureau.metAuPremierPlan(word);
    }
    // A modal dialog box owned by `proprietaire`, with one button.
    Hwnd dialogue(Hwnd proprietaire) {
        Hwnd d = bureau.cree({u"bosa_sdm", u"Police", proprietaire, 0, true, WS_EX_DLGMODALFRAME | 0x100});
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
    Hwnd d = dialogue(word);
    const std::tuple<platform::Texte, platform::Texte, Hwnd> cas[] = {
        {u"opusapp", u"microsoft word", word},
        {u"OPUSAPP", std::nullopt, cache},                   // the topmost of the class
        {u"OPUSAPP", u"Document1 - Microsoft Word", cache},  // hidden windows are found
        {u"OPUSAPP", u"Microsoft Wor", 0},
        {u"Button", std::nullopt, 0},  // children are not top-level windows
    };
    for (const auto& [classe, titre, attendu] : cas) EXPECT_EQ(user32.FindWindowA(classe, titre), attendu);
    Hwnd bouton = user32.FindWindowExA(d, 0, std::nullopt, std::nullopt);
    EXPECT_EQ(user32.GetParent(bouton), d);
    EXPECT_EQ(user32.FindWindowExA(d, bouton, std::nullopt, std::nullopt), 0);
    std::u16string texte;
    EXPECT_EQ(user32.GetWindowTextA(word, texte, 5), 4);  // the buffer holds the terminating zero
    EXPECT_EQ(texte, u"Micr");
    EXPECT_EQ(user32.GetClassNameA(0x7FFFFFF0, texte, 255), 0);
}

TEST_F(BureauTest, EchapVaAuDialogueDuDessusOuALaFenetreDePremierPlan) {
    int echapsWord = 0;
    bureau.surEchap(word, [&] { ++echapsWord; });
    Hwnd police = dialogue(word);
    Hwnd couleurs = dialogue(police);
    bureau.ignoreEchap(couleurs);  // a stuck dialog box stays
    clavier.EnvoieEchap();
    EXPECT_TRUE(bureau.existe(couleurs));
    bureau.detruit(couleurs);
    user32.SetForegroundWindow(autre);  // Escape with another window in front does not reach Word
    clavier.EnvoieEchap();
    EXPECT_TRUE(bureau.existe(police));
    user32.SetForegroundWindow(word);
    clavier.EnvoieEchap();
    EXPECT_FALSE(bureau.existe(police));
    EXPECT_EQ(echapsWord, 0);
    clavier.EnvoieEchap();
    EXPECT_EQ(echapsWord, 1);
    EXPECT_EQ(bureau.nombreEchap(), 4);
}

TEST_F(BureauTest, WmCloseDetruitAvecEnfantsEtFenetresPossedees) {
    Hwnd police = dialogue(word);
    Hwnd couleurs = dialogue(police);
    Hwnd bouton = user32.FindWindowExA(police, 0, std::nullopt, std::nullopt);
    bureau.refuseFermeture(couleurs);
    user32.SendMessageA(couleurs, WM_CLOSE, 0, 0);
    EXPECT_TRUE(bureau.existe(couleurs));
    user32.SendMessageA(police, WM_CLOSE, 0, 0);
    for (Hwnd h : {police, couleurs, bouton}) EXPECT_FALSE(bureau.existe(h));
    int fermetures = 0;
    bureau.surFermeture(word, [&] { ++fermetures; });
    user32.SendMessageA(word, WM_CLOSE, 0, 0);
    EXPECT_EQ(fermetures, 1);
    EXPECT_GT(dialogue(word), couleurs);  // handles are never reused
    EXPECT_EQ(bureau.dialogueModal(word), bureau.enfants(0).front());  // a new dialog box comes on top
}

TEST_F(BureauTest, ShowWindowEtEtatMinimise) {
    const std::tuple<int32_t, int32_t, int32_t> cas[] = {  // command, IsIconic, IsWindowVisible
        {platform::SW_SHOWMINIMIZED, 1, 1}, {platform::SW_MAXIMIZE, 0, 1}, {0, 0, 0}, {6, 1, 1}, {9, 0, 1}};
    for (const auto& [commande, iconique, visible] : cas) {
        user32.ShowWindow(word, commande);
        EXPECT_EQ(user32.IsIconic(word), iconique) << commande;
        EXPECT_EQ(user32.IsWindowVisible(word), visible) << commande;
    }
    EXPECT_TRUE(bureau.maximise(word));  // restored as it was before minimising
    EXPECT_EQ(user32.ShowWindow(0x7FFFFFF0, 3), 0);
}

TEST_F(BureauTest, VerrouUniqueEtAttentes) {
    EXPECT_EQ(user32.LockWindowUpdate(word), 1);
    EXPECT_EQ(user32.LockWindowUpdate(autre), 0);
    EXPECT_EQ(user32.LockWindowUpdate(0), 1);
    user32.LockWindowUpdate(autre);
    bureau.detruit(autre);
    EXPECT_EQ(bureau.fenetreVerrouillee(), 0);
    clavier.Attends(std::chrono::milliseconds(250));
    clavier.Attends(std::chrono::milliseconds(1000));
    EXPECT_EQ(bureau.attenteTotale(), std::chrono::milliseconds(1250));  // counted, not slept
}

// A running server whose object is itself.
struct ServeurFactice : ObjetActif, Objet, std::enable_shared_from_this<ServeurFactice> {
    bool enMarche = true;
    bool actif() const override { return enMarche; }
    ObjetPtr objetActif() override { return shared_from_this(); }
    Variant invoke(std::u16string_view, Appel, const Arguments&) override { return Variant(); }
};

TEST_F(BureauTest, TableDesObjetsActifs) {
    ServeurBureau serveur(bureau);
    auto echoue = [](const std::function<void()>& f) { return test::numeroErreur(f) == err::CreationImpossible; };
    EXPECT_TRUE(echoue([&] { serveur.GetObject(u"Word.application.11"); }));
    auto premier = std::make_shared<ServeurFactice>(), second = std::make_shared<ServeurFactice>();
    bureau.enregistreActif(u"Word.Application.11", premier);
    bureau.enregistreActif(u"word.application", second);
    EXPECT_EQ(serveur.GetObject(u"WORD.APPLICATION.11"), premier);
    premier->enMarche = false;  // a server no longer running is passed over
    EXPECT_EQ(serveur.GetObject(u"Word.Application"), second);
    bureau.revoqueActif(second.get());
    EXPECT_TRUE(echoue([&] { serveur.GetObject(u"Word.application.11"); }));
    bureau.enregistreFabrique(u"Word.Application", [&] { return premier; });
    EXPECT_EQ(serveur.CreateObject(u"word.application.11"), premier);
    EXPECT_TRUE(echoue([&] { serveur.CreateObject(u"Autre.Classe"); }));
}

}  // namespace
}  // namespace k58204::sim
