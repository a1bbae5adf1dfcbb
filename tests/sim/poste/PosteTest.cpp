// The simulated machine as the component sees it through the platform seams:
// Word's main window and its title, a busy or vanished Word, attaching to a
// running Word or starting one. (Dialog boxes, Escape and WM_CLOSE on Word are
// run through by the module's fault matrix and closing cycle.)
#include <gtest/gtest.h>

#include "sim/Poste.hpp"
#include "sim/core/ErreursWord.hpp"
#include "sim/poste/RacineTemporaire.hpp"
#include "sim/word/PosteWord.hpp"

namespace k58204::test {
namespace {

using platform::Hwnd;

class PosteTest : public ::testing::Test {
protected:
    PosteTest() : poste(racine.chemin()), pf(poste.plateforme()) {
        racine.ecrit("Cours/Voyage à CANGO.doc", documentWordML(u"Voyage"));
    }
    Hwnd trouve(const platform::Texte& titre) { return pf.fenetres.FindWindowA(u"OPUSAPP", titre); }
    // What the component's probe does: Application.Windows.Count.
    int32_t sonde(const ObjetPtr& app) {
        return numeroErreur([&] { app->get(u"Windows").objet()->get(u"Count"); });
    }

    RacineTemporaire racine;
    sim::Poste poste;
    platform::Plateforme pf;
};

TEST_F(PosteTest, TitreDeLaFenetrePrincipale) {
    ObjetPtr app = pf.serveur.CreateObject(platform::ClasseWord);
    Hwnd h = trouve(u"Microsoft Word");
    ASSERT_NE(h, 0);
    EXPECT_EQ(pf.fenetres.IsWindowVisible(h), 0);  // started by automation: hidden
    app->put(u"Visible", true);
    EXPECT_EQ(pf.fenetres.IsWindowVisible(h), 1);
    ObjetPtr docs = app->get(u"Documents").objet();
    const std::pair<std::function<void()>, std::u16string> etapes[] = {
        {[&] { docs->call(u"Open", {u"C:\\Cours\\Voyage à CANGO.doc"}); }, u"Voyage à CANGO.doc - Microsoft Word"},
        {[&] { poste.bureau().masqueExtensions(true); }, u"Voyage à CANGO - Microsoft Word"},
        {[&] { docs->call(u"Add"); }, u"Document1 - Microsoft Word"},
        {[&] { docs->call(u"Close"); }, u"Microsoft Word"},
    };
    for (const auto& [action, titre] : etapes) {
        action();
        std::u16string lu;
        pf.fenetres.GetWindowTextA(h, lu, platform::TailleTampon);
        EXPECT_EQ(lu, titre);
        EXPECT_EQ(trouve(titre), h);
    }
}

TEST_F(PosteTest, WordOccupeOuDisparu) {
    using W = sim::InstanceWord&;
    constexpr int32_t Echap = -1;  // Escape sent to Word, in place of a probe
    const int32_t rejete = sim::AppelRejete, parti = err::ServeurIndisponible;
    const std::tuple<const char*, std::function<void(W)>, std::vector<int32_t>> cas[] = {
        {"occupé 2 appels", [](W w) { w.occupe(2); }, {rejete, rejete, 0}},
        {"menu ouvert", [](W w) { w.occupeJusquEchap(); }, {rejete, rejete, Echap, 0}},
        {"disparu", [](W w) { w.disparait(); }, {parti, Echap, parti}},
    };
    for (const auto& [nom, panne, sondes] : cas) {
        SCOPED_TRACE(nom);
        ObjetPtr app = poste.demarreWord();
        sim::InstanceWord& word = poste.instance(app);
        panne(word);
        for (int32_t attendu : sondes) {
            if (attendu != Echap) {
                EXPECT_EQ(sonde(app), attendu);
                continue;
            }
            pf.fenetres.SetForegroundWindow(word.fenetrePrincipale());
            pf.clavier.EnvoieEchap();
        }
        if (word.partie()) {
            std::u16string classe;
            EXPECT_EQ(pf.fenetres.GetClassNameA(word.fenetrePrincipale(), classe, 255), 0);
            EXPECT_EQ(numeroErreur([&] { pf.serveur.GetObject(platform::ClasseWord); }), err::CreationImpossible);
        } else {
            app->call(u"Quit", {0});
        }
    }
    EXPECT_EQ(poste.nombreInstances(), 0);
}

TEST_F(PosteTest, AttacherOuDemarrer) {
    EXPECT_EQ(numeroErreur([&] { pf.serveur.GetObject(platform::ClasseWord); }), err::CreationImpossible);
    ObjetPtr premier = poste.demarreWord();
    EXPECT_EQ(premier->get(u"Documents").objet()->get(u"Count").CLng(), 1);  // the learner's Document1
    EXPECT_TRUE(estLeMeme(pf.serveur.GetObject(platform::ClasseWord), premier));
    ObjetPtr second = pf.serveur.CreateObject(u"Word.Application");
    EXPECT_FALSE(estLeMeme(second, premier));
    EXPECT_EQ(second->get(u"Documents").objet()->get(u"Count").CLng(), 0);
    EXPECT_TRUE(estLeMeme(pf.serveur.GetObject(platform::ClasseWord), premier));
    premier->call(u"Quit", {0});
    EXPECT_TRUE(estLeMeme(pf.serveur.GetObject(platform::ClasseWord), second));
    // Both had their own main window; only the second's is left.
    EXPECT_EQ(poste.bureau().enfants(0).size(), 1u);
}

}  // namespace
}  // namespace k58204::test
