// Word control and user-interface preparation on the simulated desktop:
// which Word is used, its main window, dialogs left open, the toolbars.
#include <gtest/gtest.h>

#include <functional>

#include "module/support/LeconSimulee.hpp"
#include "sim/core/ErreursWord.hpp"

using namespace k58204;
using namespace k58204::test;

namespace {

void prendWord(LeconSimulee& l, bool avecDocument = true) {
    l.application = l.poste().demarreWord(avecDocument);
    l.handle = -1;  // the host knows no window
}

TEST(ControleWord, FenetrePrincipaleTrouveeParSonTitreAvecOuSansDocument) {
    for (bool avecDocument : {false, true}) {
        LeconSimulee l;
        prendWord(l, avecDocument);
        l.init(102);  // opens no document of its own
        EXPECT_EQ(l.handle, l.instance().fenetrePrincipale()) << avecDocument;
    }
}

TEST(ControleWord, WordDisparuPendantLaSondeEstRetrouve) {
    LeconSimulee l;
    ObjetPtr hote = l.poste().demarreWord();
    auto arme = std::make_shared<bool>(true);
    Erreur disparu(err::ServeurIndisponible, SourceComposant, u"Le serveur distant n'existe pas ou n'est pas disponible");
    l.application = piege(hote, u"Windows", disparu, arme, /*unCoup=*/true);
    l.handle = l.poste().instance(hote).fenetrePrincipale();
    EXPECT_NO_THROW(l.init(110));
    EXPECT_FALSE(*arme);
    EXPECT_EQ(l.poste().nombreInstances(), 1);
}

TEST(ControleWord, DialogueLaisseOuvertEtSonSousDialogueFermesAuDebut) {
    LeconSimulee l;
    prendWord(l);
    l.handle = l.instance().fenetrePrincipale();
    sim::DialoguesOuverts d = l.instance().ouvreDialogue(u"Police", u"Couleurs");
    // A window that is not Word's is left alone.
    platform::Hwnd autre = l.poste().bureau().cree({u"Notepad", u"Sans titre - Bloc-notes", 0, 0, true, platform::WS_EX_DLGMODALFRAME});
    l.init(110);
    EXPECT_FALSE(l.poste().bureau().existe(d.dialogue));
    EXPECT_FALSE(l.poste().bureau().existe(d.sousDialogue));
    EXPECT_TRUE(l.poste().bureau().existe(autre));
}

TEST(ControleWord, FenetreReduiteRestaureeEtMiseDevantSaufPour121) {
    for (int32_t n : {110, 121}) {
        LeconSimulee l;
        l.init(n);
        platform::Hwnd autre = l.poste().bureau().cree({u"Notepad", u"Sans titre - Bloc-notes", 0, 0, true, 0});
        l.poste().bureau().metAuPremierPlan(autre);
        l.instance().minimiseFenetre();
        l.teste();
        EXPECT_FALSE(l.poste().bureau().minimise(l.handle)) << n;
        EXPECT_EQ(l.poste().bureau().premierPlan() == l.handle, n != 121) << n;
    }
}

TEST(ControleWord, BarreDessinAncreeEnBasSeulementSiVisible) {
    for (bool visible : {true, false}) {
        LeconSimulee l;
        prendWord(l);
        Auto dessin = l.appli()(u"CommandBars", {u"Drawing"});
        dessin.ecrit(u"Enabled", true);
        dessin.ecrit(u"Visible", visible);
        dessin.ecrit(u"Position", 4);  // floating
        l.init(110);
        EXPECT_EQ(dessin.lit(u"Visible").CBool(), visible);
        EXPECT_EQ(dessin.lit(u"Position").CLng(), visible ? 3 : 4);
    }
}

TEST(ControleWord, BarreApercuAncreeEnHautPourLExercice121Seulement) {
    for (int32_t n : {110, 121}) {
        LeconSimulee l;
        l.init(n);
        Auto apercu = l.appli()(u"CommandBars", {u"Print Preview"});
        if (n == 121) {
            EXPECT_TRUE(apercu.lit(u"Visible").CBool());
            EXPECT_EQ(apercu.lit(u"Position").CLng(), 1);
        } else {
            EXPECT_FALSE(apercu.lit(u"Visible").CBool());
        }
    }
}

TEST(ControleWord, VoletOfficeAncreADroiteEtLaisseCommeLApprenantLaLaisse) {
    LeconSimulee l;
    l.init(110);
    Auto volet = l.appli()(u"CommandBars", {u"Task Pane"});
    volet.ecrit(u"Visible", false);  // the learner closes it during the exercise
    l.init(111);
    EXPECT_EQ(volet.lit(u"Position").CLng(), 2);
    EXPECT_FALSE(volet.lit(u"Visible").CBool());
}

}  // namespace
