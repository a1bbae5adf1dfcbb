// TestePoint on a simulated machine: the general codes for an environment
// that cannot be checked, the working-document check, then the exercise's
// own verdict.
#include <gtest/gtest.h>

#include "module/support/LeconSimulee.hpp"
#include "sim/core/ErreursWord.hpp"
#include "word/ObjetTrace.hpp"

using namespace k58204;
using namespace k58204::test;

namespace {

constexpr char16_t Voyage[] = u"Voyage à CANGO.doc";

struct Cas {
    const char* nom;
    int32_t numero;
    std::function<void(LeconSimulee&)> apprenant;
    bool erreurGenerale;
    std::u16string code;
};

void PrintTo(const Cas& c, std::ostream* os) { *os << c.nom; }

class CodesDeTestePoint : public ::testing::TestWithParam<Cas> {};

TEST_P(CodesDeTestePoint, Verdict) {
    const Cas& c = GetParam();
    LeconSimulee l;
    l.init(c.numero);
    c.apprenant(l);
    l.teste();
    EXPECT_EQ(l.module().ErreurGenerale(), c.erreurGenerale);
    EXPECT_EQ(l.verdict(), c.code);
}

Auto voyage(LeconSimulee& l) { return l.appli()(u"Documents", {Voyage}); }
void paragrapheEnFin(LeconSimulee& l) {
    l.appli()[u"Selection"].fait(u"EndKey", {6});
    l.appli()[u"Selection"].fait(u"TypeParagraph");
}
void grasItalique(LeconSimulee& l) {
    Auto r = voyage(l)(u"Bookmarks", {u"s01"})[u"Range"];
    r.ecrit(u"Bold", true);
    r.ecrit(u"Italic", true);
}

// One row per way the environment or the working document can be unfit, then
// the exercise's own verdicts. A name saved in capitals is still the working
// document; exercise 120 records no paragraph count.
const Cas casTestePoint[] = {
    {"WordFermeParLApprenant", 110, [](LeconSimulee& l) { l.instance().fermeParApprenant(); }, true, u"AM"},
    {"WordNeRepondPas", 110, [](LeconSimulee& l) { l.instance().occupe(1000000); }, true, u"%AL"},
    {"DocumentFerme", 106, [](LeconSimulee& l) { voyage(l).fait(u"Close", {0}); }, true, u"C"},
    {"AutreDocumentActif", 106, [](LeconSimulee& l) { l.appli()[u"Documents"].fait(u"Add"); }, true, u"A"},
    {"NomEnAutreCasse", 110, [](LeconSimulee& l) { voyage(l).fait(u"SaveAs", {u"C:\\Cours\\K58204\\VOYAGE À CANGO.DOC"}); }, false, u"A"},
    {"ParagrapheAjoute", 106, paragrapheEnFin, true, u"B"},
    {"ParagrapheAjouteEn120", 120, paragrapheEnFin, false, u"A"},
    {"SignetE01Supprime", 110, [](LeconSimulee& l) { voyage(l)(u"Bookmarks", {u"e01"}).fait(u"Delete"); }, true, u"D"},
    {"TexteAvantS01Allonge", 104, [](LeconSimulee& l) { voyage(l)[u"Content"].fait(u"InsertBefore", {u"X"}); }, true, u"D"},
    {"ProtectionRetiree", 101, [](LeconSimulee& l) { l.appli()[u"ActiveDocument"].fait(u"Unprotect"); }, true, u"D"},
    {"S03SupprimeEn119", 119, [](LeconSimulee& l) { voyage(l)(u"Bookmarks", {u"s03"}).fait(u"Delete"); }, true, u"D"},
    {"Exercice110Juste", 110, grasItalique, false, u""},
    {"Exercice110RienFait", 110, [](LeconSimulee&) {}, false, u"A"},
};

INSTANTIATE_TEST_SUITE_P(Module, CodesDeTestePoint, ::testing::ValuesIn(casTestePoint),
                         [](const auto& info) { return std::string(info.param.nom); });

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
