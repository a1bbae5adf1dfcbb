// Selection: typing, deleting, cut/copy/paste and their effect on bookmarks;
// a bookmark's Range, HomeKey by line.
#include <optional>

#include "Outils.hpp"

namespace k58204::sim::test {
namespace {

void tape(Objet& s) { s.call(u"TypeText", {u"XY"}); }
// Cut or Copy, then paste at the start of the document.
std::function<void(Objet&)> colleAuDebut(std::u16string_view prise) {
    return [prise](Objet& s) {
        s.call(prise);
        s.call(u"HomeKey", {6});
        s.call(u"Paste");
    };
}

TEST_F(TexteTest, SignetAjusteParLaSelection) {
    struct {
        const char* nom;
        Etendue selection;
        std::function<void(Objet&)> action;
        std::u16string texte;
        std::optional<Etendue> signet;  // nullopt: the bookmark is gone
    } cas[] = {
        // "abc def ghi" with "s01" on "def" (4, 7).
        {"FrappeAuDebut", {4, 4}, tape, u"abc XYdef ghi", Etendue{4, 9}},
        {"FrappeSurSonTexte", {4, 7}, tape, u"abc XY ghi", Etendue{4, 6}},
        {"RetourArriereDedans", {6, 6}, [](Objet& s) { s.call(u"TypeBackspace"); }, u"abc df ghi", Etendue{4, 6}},
        {"CouperColler", {4, 8}, colleAuDebut(u"Cut"), u"def abc ghi", Etendue{0, 3}},
        {"CopierColler", {4, 7}, colleAuDebut(u"Copy"), u"defabc def ghi", Etendue{7, 10}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        auto d = ouvre(u"abc def ghi");
        d->modele.ajouterSignet(u"s01", 4, 7);
        d->selection = c.selection;
        c.action(*creeSelection(d));
        EXPECT_EQ(u8(d->modele.texte()), u8(c.texte + u"\r"));
        auto s = d->modele.signet(u"s01");
        EXPECT_EQ(s ? std::optional(s->etendue) : std::nullopt, c.signet);
        EXPECT_FALSE(d->saved());
    }
}

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
