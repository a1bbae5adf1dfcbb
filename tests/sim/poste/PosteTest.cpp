// The simulated machine as the component sees it through the platform seams:
// Word's main window and its title, attaching to a running Word or starting
// one. (A busy or vanished Word, dialog boxes, Escape and WM_CLOSE on Word are
// run through by the lesson, the module's fault matrix and closing cycle.)
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

    RacineTemporaire racine;
    sim::Poste poste;
    platform::Plateforme pf;
};

// Word's window is found by its title (the document's name, extension shown:
// the lesson, at every exercise); hidden extensions drop it from the title.
TEST_F(PosteTest, TitreDeLaFenetrePrincipale) {
    ObjetPtr app = pf.serveur.CreateObject(platform::ClasseWord);
    Hwnd h = trouve(u"Microsoft Word");
    ASSERT_NE(h, 0);
    EXPECT_EQ(pf.fenetres.IsWindowVisible(h), 0);  // started by automation: hidden
    ObjetPtr docs = app->get(u"Documents").objet();
    docs->call(u"Open", {u"C:\\Cours\\Voyage à CANGO.doc"});
    poste.bureau().masqueExtensions(true);
    EXPECT_EQ(trouve(u"Voyage à CANGO - Microsoft Word"), h);
    docs->call(u"Add");
    EXPECT_EQ(trouve(u"Document1 - Microsoft Word"), h);
    docs->call(u"Close");
    EXPECT_EQ(trouve(u"Microsoft Word"), h);
}

}  // namespace
}  // namespace k58204::test
