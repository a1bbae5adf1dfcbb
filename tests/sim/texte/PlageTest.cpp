// Range: its text and collections, Start/End, insertions, Delete.
#include "Outils.hpp"

namespace k58204::sim::test {
namespace {

// "Bonjour, le monde.\r" is 0..19 (mark at 18), "Second paragraphe.\r" 19..38.
constexpr char16_t Texte[] = u"Bonjour, le monde.\rSecond paragraphe.";
const std::u16string P1 = u"Bonjour, le monde.\r", P2 = u"Second paragraphe.\r";

TEST_F(TexteTest, TexteEtCollectionsDUnRange) {
    struct {
        int32_t debut, fin;
        std::u16string texte;
        int32_t paragraphes, mots, caracteres;
        std::u16string premierParagraphe;
    } cas[] = {
        {0, 7, u"Bonjour", 1, 1, 7, P1},
        {9, 19, u"le monde.\r", 1, 4, 10, P1},  // ends on the mark
        {5, 25, u"ur, le monde.\rSecond", 2, 7, 20, P1},
        {19, 19, u"", 1, 1, 1, P2},
    };
    auto d = ouvre(Texte);
    for (const auto& c : cas) {
        SCOPED_TRACE(std::to_string(c.debut) + "," + std::to_string(c.fin));
        ObjetPtr r = creeRange(d, {c.debut, c.fin});
        EXPECT_EQ(u8(r->get(u"").CStr()), u8(c.texte)) << "Text is the default member";
        EXPECT_EQ(membre(r, u"Paragraphs")->get(u"Count").CLng(), c.paragraphes);
        EXPECT_EQ(membre(r, u"Words")->get(u"Count").CLng(), c.mots);
        EXPECT_EQ(membre(r, u"Characters")->get(u"Count").CLng(), c.caracteres);
        // Words(i) answers for every word Words.Count counts, and no further.
        EXPECT_NO_THROW(membre(r, u"Words", {c.mots}));
        EXPECT_EQ(numeroErreur([&] { membre(r, u"Words", {c.mots + 1}); }), 5941);
        // Paragraphs(1) is a whole paragraph.
        EXPECT_EQ(u8(membre(membre(r, u"Paragraphs", {1}), u"Range")->get(u"Text").CStr()), u8(c.premierParagraphe));
    }
}

TEST_F(TexteTest, StartEtEndSeSuivent) {
    auto d = ouvre(Texte);
    ObjetPtr r = creeRange(d, {5, 10});
    auto etendue = [&] { return Etendue{r->get(u"Start").CLng(), r->get(u"End").CLng()}; };
    r->put(u"Start", 12);
    EXPECT_EQ(etendue(), (Etendue{12, 12})) << "Start past End moves End";
    r->put(u"End", 3);
    EXPECT_EQ(etendue(), (Etendue{3, 3})) << "End before Start moves Start";
    r->put(u"End", 500);
    EXPECT_EQ(etendue(), (Etendue{3, 38})) << "kept inside the story";
}

TEST_F(TexteTest, InsertionsEtRepli) {
    auto d = ouvre(u"abc");
    ObjetPtr contenu = creeRange(d, d->modele.contenu());
    contenu->call(u"InsertAfter", {u"X"});
    contenu->call(u"InsertBefore", {u">"});
    EXPECT_EQ(u8(contenu->get(u"Text").CStr()), ">abcX\r") << "before the final mark, both in the Range";
    contenu->call(u"Collapse", {0});
    EXPECT_EQ(contenu->get(u"Start").CLng(), 5) << "collapsed before the final mark";
}

TEST_F(TexteTest, DeleteParUnites) {
    struct {
        int32_t debut, fin;
        Arguments args;
        int32_t rendu;
        std::u16string texte;  // from "un deux trois"
    } cas[] = {
        {0, 0, {2, 2}, 2, u"trois\r"},
        {8, 8, {1, -3}, 3, u"un detrois\r"},
        {8, 8, {1, INT32_MIN}, 8, u"trois\r"},  // the lowest Count: to the start
        {13, 13, {}, 0, u"un deux trois\r"},  // not the final mark
    };
    for (auto& c : cas) {
        auto d = ouvre(u"un deux trois");
        EXPECT_EQ(creeRange(d, {c.debut, c.fin})->call(u"Delete", c.args).CLng(), c.rendu) << c.debut;
        EXPECT_EQ(u8(d->modele.texte()), u8(c.texte)) << c.debut;
    }
}

}  // namespace
}  // namespace k58204::sim::test
