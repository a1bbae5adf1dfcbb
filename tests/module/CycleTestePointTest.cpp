// TestePoint on a simulated machine: what the check leaves behind (dialogs,
// the insertion point, the display) and the errors it raises. The general
// codes themselves are rows of the fault matrix and lines of the lesson.
#include <gtest/gtest.h>

#include "module/support/LeconSimulee.hpp"
#include "sim/core/ErreursWord.hpp"
#include "word/ObjetTrace.hpp"

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

TEST(TestePoint, AffichageDesMarquesEtDesCodesDeChampsRemisApresLeControle) {
    LeconSimulee l;
    ObjetPtr hote = l.poste().demarreWord();
    auto journal = std::make_shared<Journal>();
    l.application = trace(hote, journal);
    l.handle = l.poste().instance(hote).fenetrePrincipale();
    l.init(105);
    Auto vue = l.appli()[u"ActiveWindow"][u"View"];
    vue.ecrit(u"ShowAll", true);
    vue.ecrit(u"ShowFieldCodes", false);
    journal->vide();
    l.teste();
    EXPECT_EQ(l.verdict(), u"");
    // The last two calls write back what was read before the check.
    const auto& appels = journal->appels();
    ASSERT_GE(appels.size(), 2u);
    const AppelTrace& avantDernier = appels[appels.size() - 2];
    const AppelTrace& dernier = appels.back();
    EXPECT_EQ(avantDernier.membre, u"ShowAll");
    EXPECT_EQ(avantDernier.appel, Appel::Put);
    EXPECT_TRUE(avantDernier.arguments.back().valeur.CBool());
    EXPECT_EQ(dernier.membre, u"ShowFieldCodes");
    EXPECT_FALSE(dernier.arguments.back().valeur.CBool());
}

}  // namespace
