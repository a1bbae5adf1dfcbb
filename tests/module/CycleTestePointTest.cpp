// TestePoint on a simulated machine: what the check leaves behind (dialogs,
// the insertion point, the display) and the errors it raises. The general
// codes themselves are rows of the fault matrix and lines of the lesson.
#include <gtest/gtest.h>

#include "module/support/LeconSimulee.hpp"
#include "sim/core/ErreursWord.hpp"

using namespace k58204;
using namespace k58204::test;

namespace {

TEST(TestePoint, SansDocumentCesExercicesPassentLeControle) {
    for (int32_t n : {102, 103, 122, 123, 124}) {
        LeconSimulee l;
        l.init(n);
        l.appli()[u"Documents"].fait(u"Close", {nomme(u"SaveChanges", 0)});
        l.teste();
        EXPECT_FALSE(l.module().ErreurGenerale()) << n;
    }
}

TEST(TestePoint, DialogueOuvertFermeSeulementCeluiQuIlPossede) {
    LeconSimulee l;
    l.init(110);
    sim::DialoguesOuverts d = l.instance().ouvreDialogue(u"Police", u"Couleurs");
    l.teste();
    EXPECT_TRUE(l.module().ErreurGenerale());
    EXPECT_EQ(l.verdict(), u"%AL");
    EXPECT_TRUE(l.poste().bureau().existe(d.dialogue));
    EXPECT_FALSE(l.poste().bureau().existe(d.sousDialogue));
    // Once the learner closes it, the exercise's own verdict comes back.
    l.poste().bureau().fermer(d.dialogue);
    l.teste();
    EXPECT_FALSE(l.module().ErreurGenerale());
    EXPECT_EQ(l.verdict(), u"A");
}

TEST(TestePoint, Exercice107EchecDesMotsRameneLePointDInsertion) {
    LeconSimulee l;
    l.init(107);
    Auto s01 = l.appli()[u"ActiveDocument"](u"Bookmarks", {u"s01"});
    int32_t debut = s01.lit(u"Start").CLng();
    // Most of the passage deleted: fewer than 96 words left.
    l.appli()[u"ActiveDocument"].fait(u"Range", {debut + 5, s01.lit(u"End").CLng() - 5}).objet()->call(u"Delete");
    l.teste();
    EXPECT_EQ(l.verdict(), u"D");
    Auto sel = l.appli()[u"Selection"];
    EXPECT_EQ(sel.lit(u"Start").CLng(), sel.lit(u"End").CLng());
}

TEST(TestePoint, ErreurDuControleDuDocumentDonneAN) {
    LeconSimulee l;
    ObjetPtr hote = l.poste().demarreWord();
    auto arme = std::make_shared<bool>(false);
    l.application = piege(hote, u"Bookmarks", sim::erreurWord(sim::wderr::MembreInexistant), arme);
    l.handle = l.poste().instance(hote).fenetrePrincipale();
    l.init(110);
    *arme = true;
    l.teste();
    EXPECT_TRUE(l.module().ErreurGenerale());
    EXPECT_EQ(l.verdict(), u"AN");
}

TEST(TestePoint, ErreurDuControleDeLExerciceParvientALHote) {
    LeconSimulee l;
    ObjetPtr hote = l.poste().demarreWord();
    auto arme = std::make_shared<bool>(false);
    l.application = piege(hote, u"Italic", sim::erreurWord(sim::wderr::EchecCommande), arme);
    l.handle = l.poste().instance(hote).fenetrePrincipale();
    l.init(110);
    *arme = true;
    try {
        l.teste();
        FAIL();
    } catch (const Erreur& e) {
        EXPECT_EQ(e.numero(), sim::wderr::EchecCommande);
        EXPECT_NE(e.source().find(u"CLASSE Question0110"), std::u16string::npos);
    }
}

// The check may change the display to read the document: it puts back what
// the learner had, in both directions.
TEST(TestePoint, AffichageDesMarquesEtDesCodesDeChampsRemisApresLeControle) {
    for (bool montre : {true, false}) {
        LeconSimulee l;
        l.init(105);
        Auto vue = l.appli()[u"ActiveWindow"][u"View"];
        vue.ecrit(u"ShowAll", montre);
        vue.ecrit(u"ShowFieldCodes", !montre);
        l.teste();
        EXPECT_EQ(l.verdict(), montre ? u"" : u"A");
        EXPECT_EQ(vue.lit(u"ShowAll").CBool(), montre);
        EXPECT_EQ(vue.lit(u"ShowFieldCodes").CBool(), !montre);
    }
}

}  // namespace
