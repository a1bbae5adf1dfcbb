// Formatting as the checks read it: uniform values, 9999999 when mixed (mixed
// italic, colour and font name: the lesson, exercises 110 to 113);
// the text's border, page setup.
#include "Outils.hpp"

namespace k58204::sim::test {
namespace {

TEST_F(TexteTest, CaracteresUniformesOuMixtes) {
    using F = FormatCaractere&;
    struct {
        const char* membre;
        bool police;  // read on Range.Font
        std::function<void(F)> formate;
        Variant uniforme, reste;  // over "un", over "deux"
    } cas[] = {
        {"Bold", false, [](F f) { f.gras = true; }, Variant(-1), Variant(0)},
        {"ColorIndex", true, [](F f) { f.couleur = 255; }, Variant(6), Variant(0)},
        {"Size", true, [](F f) { f.demiPoints = 25; }, Variant(12.5f), Variant(12.0f)},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.police ? "Font." : "") + c.membre);
        auto d = ouvre(u"un deux\rtrois");
        FormatCaractere f;
        c.formate(f);
        d->modele.appliquerCaracteres(0, 2, f);
        d->marqueEnregistre();
        auto lit = [&](Etendue e) {
            ObjetPtr r = creeRange(d, e);
            return representation((c.police ? membre(r, u"Font") : r)->get(depuisUtf8(c.membre)));
        };
        const Variant mixte = c.uniforme.type() == Variant::Type::Single ? Variant(9999999.0f) : Variant(wdUndefined);
        EXPECT_EQ(lit({0, 2}), representation(c.uniforme));
        EXPECT_EQ(lit({3, 7}), representation(c.reste));
        EXPECT_EQ(lit({0, 7}), representation(mixte));
        EXPECT_TRUE(d->saved()) << "reading changes nothing";
    }
}

TEST_F(TexteTest, PutDeCaracteresBascule) {
    auto d = ouvre(u"un deux");
    ObjetPtr r = creeRange(d, {0, 7});
    r->put(u"Bold", 9999998);  // wdToggle
    EXPECT_EQ(r->get(u"Bold").CLng(), -1);
    r->put(u"Bold", 9999998);
    EXPECT_EQ(r->get(u"Bold").CLng(), 0);
    ObjetPtr police = membre(r, u"Font");
    police->put(u"Size", 14.3f);
    EXPECT_EQ(police->get(u"Size"), Variant(14.5f)) << "to the half point";
    EXPECT_EQ(numeroErreur([&] { police->put(u"Size", 0.5f); }), 4608);
}

// Values put and read back on one paragraph: the lesson (exercises 114 to 117).
TEST_F(TexteTest, ParagraphesMixtesEtValeursRefusees) {
    auto d = ouvre(u"un\rdeux\rtrois");
    ObjetPtr premier = membre(creeParagraphs(d, {0, 3}), u"Item", {1});
    ObjetPtr tous = creeParagraphs(d, d->modele.contenu());
    for (const auto& [m, valeur] : {std::pair{u"FirstLineIndent", Variant(-18.0f)}, {u"Alignment", Variant(3)}}) {
        premier->put(m, valeur);
        EXPECT_EQ(tous->get(m).CLng(), wdUndefined) << u8(m);
        EXPECT_EQ(tous->get(m).type(), valeur.type()) << u8(m);
    }
    tous->put(u"FirstLineIndent", 0.0f);
    EXPECT_EQ(tous->get(u"FirstLineIndent"), Variant(0.0f));
    EXPECT_EQ(numeroErreur([&] { tous->put(u"SpaceBefore", -1.0f); }), 4608);
}

// Borders on a span across paragraphs or on an insertion point are the
// paragraphs' borders (a paragraph's text short of its mark, or with it:
// the lesson, exercise 118).
TEST_F(TexteTest, BorduresDesParagraphesTouches) {
    for (auto [e, bordes] : {std::pair{Etendue{6, 9}, 2}, {Etendue{2, 2}, 1}}) {
        auto d = ouvre(u"un deux\rtrois\rfin");
        membre(creeRange(d, e), u"Borders")->put(u"Enable", true);
        for (int32_t p = 0; p < 3; ++p) {
            ObjetPtr pf = membre(creeRange(d, d->modele.paragraphe(p)), u"ParagraphFormat");
            EXPECT_EQ(membre(pf, u"Borders")->get(u"Enable").CLng(), p < bordes ? -1 : 0) << e.debut << " / " << p;
        }
    }
}

// The text's border is one box: a side's width or style is the box's. (The
// text's border against the paragraphs': the lesson, exercise 118.)
TEST_F(TexteTest, BordureDuTexteUneSeuleBoite) {
    auto d = ouvre(u"un deux\rtrois");
    ObjetPtr boite = membre(membre(creeRange(d, {3, 5}), u"Font"), u"Borders");
    membre(boite, u"Item", {-1})->put(u"LineWidth", 6);
    EXPECT_EQ(membre(boite, u"Item", {-3})->get(u"LineWidth").CLng(), 6);
    EXPECT_EQ(boite->get(u"OutsideLineWidth").CLng(), 6);
    EXPECT_EQ(membre(creeRange(d, {0, 7}), u"Borders")->get(u"Enable").CLng(), wdUndefined);
    EXPECT_EQ(membre(creeRange(d, {0, 8}), u"Borders")->get(u"Enable").CLng(), 0) << "no paragraph border";
}

TEST_F(TexteTest, MiseEnPageParSectionEtDocument) {
    auto d = ouvre(u"un\rdeux");
    d->modele.insererSautDeSection(3);
    ObjetPtr sections = creeSections(d);
    ObjetPtr page1 = membre(membre(sections, u"", {1}), u"PageSetup");
    page1->put(u"TopMargin", 141.75f);
    ObjetPtr document = creePageSetup(d, -1);
    EXPECT_EQ(document->get(u"TopMargin"), Variant(9999999.0f));
    page1->put(u"Orientation", 1);
    EXPECT_EQ(document->get(u"Orientation").CLng(), wdUndefined);
    EXPECT_EQ(page1->get(u"PageHeight"), Variant(595.3f)) << "width and height swapped";
    document->put(u"Orientation", 1);
    EXPECT_EQ(membre(membre(sections, u"Last"), u"PageSetup")->get(u"PageWidth"), Variant(841.9f));
    EXPECT_EQ(page1->get(u"PageHeight"), Variant(595.3f)) << "already landscape: not swapped again";
    EXPECT_EQ(numeroErreur([&] { membre(sections, u"Item", {3}); }), 5941);
    EXPECT_EQ(numeroErreur([&] { document->put(u"Orientation", 2); }), 4608);
}

}  // namespace
}  // namespace k58204::sim::test
