// Range: positions, its collections, text and insertions.
#include "Outils.hpp"

namespace k58204::sim::test {
namespace {

// "Bonjour, le monde.\r" is 0..19 (mark at 18), "Second paragraphe.\r" 19..38.
constexpr char16_t Texte[] = u"Bonjour, le monde.\rSecond paragraphe.";

struct CasRange {
    const char* nom;
    int32_t debut, fin;
    std::u16string texte;
    int32_t paragraphes, mots, caracteres;
    std::u16string premierParagraphe;
};

class RangeTest : public TexteTest, public ::testing::WithParamInterface<CasRange> {};

TEST_P(RangeTest, TexteEtCollections) {
    const CasRange& c = GetParam();
    auto d = ouvre(Texte);
    ObjetPtr r = creeRange(d, {c.debut, c.fin});
    EXPECT_EQ(u8(r->get(u"Text").CStr()), u8(c.texte));
    EXPECT_EQ(u8(r->get(u"").CStr()), u8(c.texte)) << "Text is the default member";
    EXPECT_EQ(membre(r, u"Paragraphs")->get(u"Count").CLng(), c.paragraphes);
    EXPECT_EQ(membre(r, u"Words")->get(u"Count").CLng(), c.mots);
    EXPECT_EQ(membre(r, u"Characters")->get(u"Count").CLng(), c.caracteres);
    // Words.Item answers for every word Words.Count counts, and no further.
    EXPECT_NO_THROW(membre(r, u"Words", {c.mots}));
    EXPECT_EQ(erreurDe([&] { membre(r, u"Words", {c.mots + 1}); }), 5941);
    // Paragraphs(1) answers the Item of the collection, a whole paragraph.
    ObjetPtr p = membre(r, u"Paragraphs", {1});
    EXPECT_EQ(u8(membre(p, u"Range")->get(u"Text").CStr()), u8(c.premierParagraphe));
}

const std::u16string P1 = u"Bonjour, le monde.\r";
const std::u16string P2 = u"Second paragraphe.\r";

INSTANTIATE_TEST_SUITE_P(
    Cas, RangeTest,
    ::testing::Values(CasRange{"DansUnParagraphe", 0, 7, u"Bonjour", 1, 1, 7, P1},
                      CasRange{"ParagrapheEntier", 0, 19, P1, 1, 6, 19, P1},
                      CasRange{"FinitSurLaMarque", 9, 19, u"le monde.\r", 1, 4, 10, P1},
                      CasRange{"SurDeux", 5, 25, u"ur, le monde.\rSecond", 2, 7, 20, P1},
                      CasRange{"UnCaractereDuSecond", 0, 20, P1 + u"S", 2, 7, 20, P1},
                      CasRange{"Replie", 19, 19, u"", 1, 1, 1, P2},
                      CasRange{"Tout", 0, 38, P1 + P2, 2, 10, 38, P1}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(TexteTest, CharactersItemEstUnCaractereAuRangUn) {
    auto d = ouvre(Texte);
    ObjetPtr cars = creeCharacters(d, d->modele.contenu());
    struct {
        int32_t index;
        std::u16string texte;
        int32_t debut;
    } cas[] = {{1, u"B", 0}, {19, u"\r", 18}, {20, u"S", 19}, {38, u"\r", 37}};
    for (const auto& c : cas) {
        ObjetPtr r = membre(cars, u"Item", {c.index});
        EXPECT_EQ(u8(r->get(u"Text").CStr()), u8(c.texte)) << c.index;
        EXPECT_EQ(r->get(u"Start").CLng(), c.debut);
        EXPECT_EQ(r->get(u"End").CLng(), c.debut + 1);
    }
    EXPECT_EQ(u8(membre(cars, u"", {2})->get(u"Text").CStr()), "o") << "Characters(2)";
    // The document's collection follows the text as it changes.
    membre(cars, u"Item", {1})->put(u"Text", u"b");
    creeRange(d, {0, 0})->call(u"InsertBefore", {u"xy"});
    EXPECT_EQ(cars->get(u"Count").CLng(), 40);
}

TEST_F(TexteTest, StartEtEndSeSuivent) {
    auto d = ouvre(Texte);
    ObjetPtr r = creeRange(d, {5, 10});
    r->put(u"Start", 12);
    EXPECT_EQ(r->get(u"End").CLng(), 12) << "Start past End moves End";
    r->put(u"End", 3);
    EXPECT_EQ(r->get(u"Start").CLng(), 3) << "End before Start moves Start";
    r->call(u"SetRange", {0, 7});
    EXPECT_EQ(u8(r->get(u"Text").CStr()), "Bonjour");
    r->put(u"End", 500);
    EXPECT_EQ(r->get(u"End").CLng(), 38) << "kept inside the story";
}

TEST_F(TexteTest, InsertionsEtRepli) {
    auto d = ouvre(u"abc");
    ObjetPtr contenu = creeRange(d, d->modele.contenu());
    contenu->call(u"InsertAfter", {u"X"});
    EXPECT_EQ(u8(d->modele.texte()), "abcX\r") << "before the final mark";
    EXPECT_EQ(contenu->get(u"End").CLng(), 5);
    contenu->call(u"InsertBefore", {u">"});
    EXPECT_EQ(u8(contenu->get(u"Text").CStr()), ">abcX\r");
    contenu->call(u"Collapse", {0});
    EXPECT_EQ(contenu->get(u"Start").CLng(), 5) << "collapsed before the final mark";

    ObjetPtr p = creeRange(d, {0, 6});
    p->call(u"InsertParagraphAfter");
    EXPECT_EQ(u8(d->modele.texte()), ">abcX\r\r");
    ObjetPtr premier = creeRange(d, {0, 6});
    premier->call(u"Collapse", {nomme(u"Direction", 0)});
    EXPECT_EQ(premier->get(u"Start").CLng(), 6) << "the start of the next paragraph";
    premier->call(u"Collapse");
    EXPECT_EQ(premier->get(u"End").CLng(), 6);
    EXPECT_EQ(membre(premier, u"Document").get(), contexte.document.get());
    EXPECT_FALSE(d->saved());
}

TEST_F(TexteTest, DeleteParUnites) {
    struct {
        const char* nom;
        int32_t debut, fin;
        Arguments args;
        int32_t rendu;
        std::u16string texte;
    } cas[] = {
        {"Etendue", 0, 2, {}, 1, u" deux trois\r"},
        {"CaractereSuivant", 0, 0, {}, 1, u"un deux trois\r"},  // from "uun deux trois"
        {"DeuxMots", 0, 0, {2, 2}, 2, u"trois\r"},
        {"EnArriere", 8, 8, {1, -3}, 3, u"un detrois\r"},
        {"MarqueFinale", 13, 13, {}, 0, u"un deux trois\r"},
    };
    for (auto& c : cas) {
        auto d = ouvre(std::string(c.nom) == "CaractereSuivant" ? u"uun deux trois" : u"un deux trois");
        ObjetPtr r = creeRange(d, {c.debut, c.fin});
        EXPECT_EQ(r->call(u"Delete", c.args).CLng(), c.rendu) << c.nom;
        EXPECT_EQ(u8(d->modele.texte()), u8(c.texte)) << c.nom;
    }
}

}  // namespace
}  // namespace k58204::sim::test
