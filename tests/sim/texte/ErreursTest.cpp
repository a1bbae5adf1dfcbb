// Word's errors for each failing call, and bookmark collections.
#include <tuple>

#include "Outils.hpp"

namespace k58204::sim::test {
namespace {

struct CasErreur {
    const char* nom;
    std::function<void(const DocumentPtr&)> appel;
    int32_t numero;
    bool protege = false;
};

class ErreurTest : public TexteTest, public ::testing::WithParamInterface<CasErreur> {};

// "abc def\rghi" with bookmarks "s01" (4, 7) and "e01" (0, 11), one check box at 8.
TEST_P(ErreurTest, NumeroDeWord) {
    auto d = ouvre(u"abc def\rghi");
    d->modele.ajouterSignet(u"s01", 4, 7);
    d->modele.ajouterSignet(u"e01", 0, 11);
    d->modele.insererCaseACocher(8, CaseACocher{});
    if (GetParam().protege) d->modele.proprietes().protection = 2;
    try {
        GetParam().appel(d);
        ADD_FAILURE() << "no error";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.numero(), GetParam().numero);
        EXPECT_EQ(u8(e.source()), "Microsoft Word");
    }
}

ObjetPtr signet(const DocumentPtr& d, std::u16string nom) { return membre(creeBookmarks(d), u"Item", {nom}); }

INSTANTIATE_TEST_SUITE_P(
    Cas, ErreurTest,
    ::testing::Values(
        CasErreur{"SignetAbsent", [](auto& d) { signet(d, u"s02"); }, 5941},
        CasErreur{"SignetRangHorsLimites", [](auto& d) { membre(creeBookmarks(d), u"", {3}); }, 5941},
        CasErreur{"CaractereZero", [](auto& d) { membre(creeCharacters(d, {0, 3}), u"Item", {0}); }, 5941},
        CasErreur{"CaractereAuDela", [](auto& d) { membre(creeCharacters(d, {0, 3}), u"Item", {4}); }, 5941},
        CasErreur{"ParagrapheAuDela", [](auto& d) { membre(creeParagraphs(d, {0, 3}), u"Item", {2}); }, 5941},
        CasErreur{"MotAuDela", [](auto& d) { membre(creeWords(d, {0, 3}), u"Item", {2}); }, 5941},
        CasErreur{"ChampAuDela", [](auto& d) { membre(creeFormFields(d), u"Item", {2}); }, 5941},
        CasErreur{"ChampSansCeNom", [](auto& d) { membre(creeFormFields(d), u"Item", {u"x"}); }, 5941},
        CasErreur{"GoToSignetAbsent",
                  [](auto& d) { creeSelection(d)->call(u"GoTo", {nomme(u"What", -1), nomme(u"Name", u"s09")}); }, 5101},
        CasErreur{"SignetSupprime", [](auto& d) { auto s = signet(d, u"s01"); s->call(u"Delete"); s->get(u"Start"); }, 5825},
        CasErreur{"SignetDontLeTexteEstSupprime",
                  [](auto& d) { auto s = signet(d, u"s01"); creeRange(d, {3, 8})->call(u"Delete"); s->call(u"Select"); }, 5825},
        CasErreur{"DocumentFerme", [](auto& d) { auto r = creeRange(d, {0, 1}); d->ouvert = false; r->get(u"Text"); }, 5825},
        CasErreur{"NomDeSignetInvalide", [](auto& d) { creeBookmarks(d)->call(u"Add", {u"1x"}); }, 5828},
        CasErreur{"CopieVide", [](auto& d) { creeSelection(d)->call(u"Copy"); }, 4605},
        CasErreur{"CollerSansPressePapiers", [](auto& d) { creeRange(d, {0, 0})->call(u"Paste"); }, 4605},
        // A document protected for form filling.
        CasErreur{"ProtegeFrappe", [](auto& d) { creeSelection(d)->call(u"TypeText", {u"x"}); }, 4605, true},
        CasErreur{"ProtegeTexte", [](auto& d) { creeRange(d, {0, 1})->put(u"Text", u"x"); }, 4605, true},
        CasErreur{"ProtegeGras", [](auto& d) { creeRange(d, {0, 1})->put(u"Bold", true); }, 4605, true},
        CasErreur{"ProtegeRetrait", [](auto& d) { creeParagraphs(d, {0, 1})->put(u"LeftIndent", 10.0f); }, 4605, true},
        CasErreur{"ProtegeBordures", [](auto& d) { membre(creeRange(d, {0, 1}), u"Borders")->put(u"Enable", true); }, 4605,
                  true},
        CasErreur{"ProtegeMiseEnPage", [](auto& d) { creePageSetup(d, -1)->put(u"TopMargin", 10.0f); }, 4605, true},
        CasErreur{"ProtegeCouper", [](auto& d) { creeRange(d, {0, 1})->call(u"Cut"); }, 4605, true}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(TexteTest, DocumentProtegeLaisseCocherLesCases) {
    auto d = ouvre(u"a");
    d->modele.insererCaseACocher(0, CaseACocher{});
    d->modele.proprietes().protection = 2;
    d->marqueEnregistre();
    ObjetPtr caseACocher = membre(membre(creeFormFields(d), u"", {1}), u"CheckBox");
    caseACocher->put(u"Value", true);
    EXPECT_TRUE(caseACocher->get(u"Value").CBool());
    EXPECT_FALSE(d->saved());
    EXPECT_EQ(u8(d->modele.texte()), u8(std::u16string{CaractereChamp} + u"a\r"));
}

TEST_F(TexteTest, SignetsParNomEtParRangAlphabetique) {
    auto d = ouvre(u"abc def ghi");
    ObjetPtr signets = creeBookmarks(d);
    for (auto [nom, debut, fin] : {std::tuple{u"s02", 8, 11}, std::tuple{u"E01", 0, 11}, std::tuple{u"s01", 4, 7}})
        signets->call(u"Add", {nom, creeRange(d, {debut, fin})});
    EXPECT_EQ(signets->get(u"Count").CLng(), 3);
    const char* ordre[] = {"E01", "s01", "s02"};
    for (int32_t i = 1; i <= 3; ++i) EXPECT_EQ(u8(membre(signets, u"", {i})->get(u"Name").CStr()), ordre[i - 1]);
    EXPECT_EQ(signets->call(u"Exists", {u"S02"}), Variant(true));
    EXPECT_EQ(signets->call(u"Exists", {u"s03"}), Variant(false));
    ObjetPtr s = membre(signets, u"", {u"e01"});
    EXPECT_EQ(s->get(u"End").CLng(), 11);
    EXPECT_EQ(membre(membre(s, u"Range"), u"Characters")->get(u"Count").CLng(), 11);
    d->selection = {1, 1};
    membre(signets, u"", {u"s01"})->call(u"Select");
    EXPECT_EQ(d->selection, (Etendue{4, 7}));
}

}  // namespace
}  // namespace k58204::sim::test
