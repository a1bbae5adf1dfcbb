// A bookmark's Range, the Selection following edits made elsewhere, HomeKey
// by line. (Typing, cutting and pasting over bookmarks: tests/sim/doc and the
// lesson.)
#include "Outils.hpp"

namespace k58204::sim::test {
namespace {

TEST_F(TexteTest, RangeDUnSignet) {
    auto d = ouvre(u"abc def ghi");
    d->modele.ajouterSignet(u"s01", 4, 7);
    d->marqueEnregistre();
    // The bookmark's Range follows it; its Text deletes it.
    ObjetPtr r = membre(membre(creeBookmarks(d), u"Item", {u"S01"}), u"Range");
    creeRange(d, {0, 0})->call(u"InsertBefore", {u"12"});
    EXPECT_EQ(r->get(u"Start").CLng(), 6);
    r->put(u"Text", u"XY");
    EXPECT_FALSE(d->modele.signetExiste(u"s01"));
    EXPECT_EQ(u8(r->get(u"Text").CStr()), "XY") << "the Range covers the new text";
}

TEST_F(TexteTest, LaSelectionSuitLesEditionsFaitesAilleurs) {
    auto d = ouvre(u"abc def ghi");
    d->selection = {4, 7};
    creeRange(d, {0, 0})->call(u"InsertBefore", {u"12"});
    EXPECT_EQ(d->selection, (Etendue{6, 9})) << "text inserted before it";
    creeRange(d, {9, 13})->call(u"Delete");
    EXPECT_EQ(d->selection, (Etendue{6, 9})) << "text deleted after it";
    creeRange(d, {5, 8})->call(u"Delete");
    EXPECT_EQ(d->selection, (Etendue{5, 6})) << "part of it deleted";
}

TEST_F(TexteTest, HomeKeyEtEndKeyParLigne) {
    // 50 words of 4 characters: lines of at most 75 characters on A4 at 12 pt.
    std::u16string texte;
    for (int i = 0; i < 50; ++i) texte += u"mot ";
    auto d = ouvre(u"Titre\r" + texte);
    const Etendue ligne = d->modele.ligneA(150);
    ASSERT_GT(ligne.debut, 6) << "the paragraph wraps";
    ObjetPtr sel = creeSelection(d);
    d->selection = {150, 150};
    EXPECT_EQ(sel->call(u"HomeKey", {nomme(u"Unit", 5)}).CLng(), 150 - ligne.debut);
    d->selection = {150, 160};
    sel->call(u"HomeKey", {5, 1});
    EXPECT_EQ(d->selection, (Etendue{ligne.debut, 150})) << "extended to the start of the line";
    EXPECT_EQ(numeroErreur([&] { sel->call(u"HomeKey", {4}); }), 4120);
}

}  // namespace
}  // namespace k58204::sim::test
