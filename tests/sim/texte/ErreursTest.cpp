// Word's errors for each failing call.
#include "Outils.hpp"

namespace k58204::sim::test {
namespace {

ObjetPtr signet(const DocumentPtr& d, std::u16string nom) { return membre(creeBookmarks(d), u"Item", {nom}); }

TEST_F(TexteTest, ErreursDeWord) {
    using D = const DocumentPtr&;
    struct {
        const char* nom;
        std::function<void(D)> appel;
        int32_t numero;
        bool protege = false;  // protected for form filling
    } cas[] = {
        {"SignetAbsent", [](D d) { signet(d, u"s02"); }, 5941},
        {"CaractereZero", [](D d) { membre(creeCharacters(d, {0, 3}), u"Item", {0}); }, 5941},
        {"CaractereAuDela", [](D d) { membre(creeCharacters(d, {0, 3}), u"Item", {4}); }, 5941},
        {"ParagrapheAuDela", [](D d) { membre(creeParagraphs(d, {0, 3}), u"Item", {2}); }, 5941},
        {"GoToSignetAbsent", [](D d) { creeSelection(d)->call(u"GoTo", {-1, Variant(), Variant(), u"s09"}); }, 5101},
        {"SignetSupprime", [](D d) { auto s = signet(d, u"s01"); s->call(u"Delete"); s->get(u"Start"); }, 5825},
        {"TexteDuSignetSupprime",
         [](D d) { auto s = signet(d, u"s01"); creeRange(d, {3, 8})->call(u"Delete"); s->call(u"Select"); }, 5825},
        {"DocumentFerme", [](D d) { auto r = creeRange(d, {0, 1}); d->ouvert = false; r->get(u"Text"); }, 5825},
        {"NomDeSignetInvalide", [](D d) { creeBookmarks(d)->call(u"Add", {u"1x"}); }, 5828},
        {"CopieVide", [](D d) { creeSelection(d)->call(u"Copy"); }, 4605},
        {"CollerSansPressePapiers", [](D d) { creeRange(d, {0, 0})->call(u"Paste"); }, 4605},
        {"ProtegeFrappe", [](D d) { creeSelection(d)->call(u"TypeText", {u"x"}); }, 4605, true},
        {"ProtegeGras", [](D d) { creeRange(d, {0, 1})->put(u"Bold", true); }, 4605, true},
        {"BordureAbsente", [](D d) { membre(membre(creeRange(d, {0, 1}), u"Borders"), u"Item", {-5}); }, 5941},
        {"LargeurDeBordure",
         [](D d) { membre(membre(creeRange(d, {0, 8}), u"Borders"), u"Item", {-1})->put(u"LineWidth", 5); }, 4608},
        {"RangeParLigne", [](D d) { creeRange(d, {0, 0})->call(u"Move", {5}); }, 4120},
        {"FlecheParParagraphe", [](D d) { creeSelection(d)->call(u"MoveRight", {4}); }, 4120},
        {"ProtegeMiseEnPage", [](D d) { creePageSetup(d, -1)->put(u"TopMargin", 10.0f); }, 4605, true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        auto d = ouvre(u"abc def\rghi");
        d->modele.ajouterSignet(u"s01", 4, 7);
        d->modele.insererCaseACocher(8, CaseACocher{});
        if (c.protege) d->modele.proprietes().protection = 2;
        const auto e = k58204::test::erreurDe([&] { c.appel(d); });
        ASSERT_TRUE(e) << "no error";
        EXPECT_EQ(e->numero(), c.numero);
        EXPECT_EQ(u8(e->source()), "Microsoft Word");
    }
}

}  // namespace
}  // namespace k58204::sim::test
