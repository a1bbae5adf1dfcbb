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
    EXPECT_TRUE(echoue([&] { serveur.CreateObject(u"Autre.Classe"); }));
}

}  // namespace
}  // namespace k58204::sim
