// The simulated machine as the component sees it through the platform seams:
// Word's main window and its title, dialog boxes and Escape, faults, WM_CLOSE,
// attaching to a running Word or starting one.
#include <gtest/gtest.h>

#include "sim/Poste.hpp"
#include "sim/core/ErreursWord.hpp"
#include "sim/poste/RacineTemporaire.hpp"
#include "sim/word/PosteWord.hpp"

namespace k58204::test {
namespace {

using platform::GW_HWNDPREV;
using platform::Hwnd;
using platform::WM_CLOSE;

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
        {[&] { docs->call(u"Item", {1}).objet()->call(u"Activate"); }, u"Voyage à CANGO - Microsoft Word"},
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

TEST_F(PosteTest, DialoguesModauxEtEchap) {
    ObjetPtr app = poste.demarreWord();
    sim::InstanceWord& word = poste.instance(app);
    Hwnd h = word.fenetrePrincipale();
    sim::DialoguesOuverts d = word.ouvreDialogue(u"Police", u"Couleurs");
    EXPECT_EQ(sonde(app), sim::AppelRejete);
    // The walk the component makes: the windows above Word, a visible dialog
    // box that Word owns.
    Hwnd w = pf.fenetres.GetWindow(h, GW_HWNDPREV);
    EXPECT_EQ(w, d.dialogue);
    EXPECT_EQ(pf.fenetres.GetParent(w), h);
    EXPECT_EQ(pf.fenetres.GetWindowLongA(w, platform::GWL_EXSTYLE) & platform::WS_EX_DLGMODALFRAME, 1);
    EXPECT_EQ(pf.fenetres.GetWindow(d.dialogue, GW_HWNDPREV), d.sousDialogue);
    // Escape, as the component sends it: Word brought to the front first.
    pf.fenetres.SetForegroundWindow(h);
    pf.clavier.EnvoieEchap();
    EXPECT_EQ(sonde(app), sim::AppelRejete);
    pf.clavier.EnvoieEchap();
    EXPECT_EQ(sonde(app), 0);
    // The balloon is not modal.
    Hwnd bulle = word.ouvreBulle();
    EXPECT_EQ(sonde(app), 0);
    EXPECT_EQ(pf.fenetres.FindWindowA(u"msoballoon", std::nullopt), bulle);
    pf.fenetres.SendMessageA(bulle, WM_CLOSE, 0, 0);
    EXPECT_EQ(pf.fenetres.FindWindowA(u"MSOBALLOON", std::nullopt), 0);
}

TEST_F(PosteTest, WordOccupeOuDisparu) {
    using W = sim::InstanceWord&;
    constexpr int32_t Echap = -1;  // Escape sent to Word, in place of a probe
    const int32_t rejete = sim::AppelRejete, parti = err::ServeurIndisponible;
    const std::tuple<const char*, std::function<void(W)>, std::vector<int32_t>> cas[] = {
        {"occupé 2 appels", [](W w) { w.occupe(2); }, {rejete, rejete, 0}},
        {"menu ouvert", [](W w) { w.occupeJusquEchap(); }, {rejete, rejete, Echap, 0}},
        {"disparu", [](W w) { w.disparait(); }, {parti, Echap, parti}},
        {"fermé par l'apprenant", [](W w) { w.fermeParApprenant(); }, {parti, Echap, parti}},
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

TEST_F(PosteTest, WindowStateEstLEtatDeLaFenetrePrincipale) {
    ObjetPtr app = poste.demarreWord();
    sim::InstanceWord& word = poste.instance(app);
    Hwnd h = word.fenetrePrincipale();
    word.minimiseFenetre();
    EXPECT_EQ(app->get(u"WindowState").CLng(), 2);
    pf.fenetres.ShowWindow(h, platform::SW_MAXIMIZE);
    EXPECT_EQ(app->get(u"WindowState").CLng(), 1);
    app->get(u"ActiveWindow").objet()->put(u"WindowState", 2);
    EXPECT_EQ(pf.fenetres.IsIconic(h), 1);
    word.cacheFenetre();
    EXPECT_FALSE(app->get(u"Visible").CBool());
}

TEST_F(PosteTest, WmCloseSurLaFenetrePrincipale) {
    ObjetPtr app = poste.demarreWord();
    sim::InstanceWord& word = poste.instance(app);
    Hwnd h = word.fenetrePrincipale();
    word.refuseFermeture();
    pf.fenetres.SendMessageA(h, WM_CLOSE, 0, 0);
    EXPECT_EQ(poste.nombreInstances(), 1);
    EXPECT_EQ(sonde(app), 0);
    word.refuseFermeture(false);
    // A changed document and a cancelled prompt: Word stays.
    app->get(u"ActiveDocument").objet()->put(u"Saved", false);
    word.reponseInvite(sim::ReponseInvite::Annuler);
    pf.fenetres.SendMessageA(h, WM_CLOSE, 0, 0);
    EXPECT_EQ(poste.nombreInstances(), 1);
    word.reponseInvite(sim::ReponseInvite::NePasEnregistrer);
    pf.fenetres.SendMessageA(h, WM_CLOSE, 0, 0);
    EXPECT_EQ(poste.nombreInstances(), 0);
    EXPECT_EQ(trouve(std::nullopt), 0);
    EXPECT_EQ(sonde(app), err::ServeurIndisponible);
}

TEST_F(PosteTest, AttacherOuDemarrer) {
    EXPECT_EQ(numeroErreur([&] { pf.serveur.GetObject(platform::ClasseWord); }), err::CreationImpossible);
    ObjetPtr premier = poste.demarreWord();
    EXPECT_EQ(premier->get(u"Documents").objet()->get(u"Count").CLng(), 1);  // the learner's Document1
    EXPECT_TRUE(estLeMeme(pf.serveur.GetObject(platform::ClasseWord), premier));
    EXPECT_EQ(poste.instanceCourante(), &poste.instance(premier));
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
