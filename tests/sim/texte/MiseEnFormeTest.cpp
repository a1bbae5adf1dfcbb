// Formatting as the checks read it: uniform values, 9999999 / "" when mixed;
// the text's or the paragraphs' borders, page setup.
#include <algorithm>
#include <tuple>

#include "Outils.hpp"
#include "sim/doc/WordML.hpp"

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
        {"Italic", true, [](F f) { f.italique = true; }, Variant(-1), Variant(0)},
        {"ColorIndex", true, [](F f) { f.couleur = 255; }, Variant(6), Variant(0)},
        {"Name", true, [](F f) { f.police = u"Arial"; }, Variant(u"Arial"), Variant(u"Times New Roman")},
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
        const Variant mixte = c.uniforme.type() == Variant::Type::String ? Variant(u"")
                              : c.uniforme.type() == Variant::Type::Single ? Variant(9999999.0f)
                                                                           : Variant(wdUndefined);
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

TEST_F(TexteTest, ParagraphesUniformesMixtesEtPut) {
    auto d = ouvre(u"un\rdeux\rtrois");
    ObjetPtr premier = membre(creeParagraphs(d, {0, 3}), u"Item", {1});
    ObjetPtr tous = creeParagraphs(d, d->modele.contenu());
    const std::pair<const char16_t*, Variant> cas[] = {
        {u"LeftIndent", Variant(36.0f)}, {u"FirstLineIndent", Variant(-18.0f)}, {u"SpaceBefore", Variant(12.0f)},
        {u"SpaceAfter", Variant(6.0f)},  {u"Alignment", Variant(3)},            {u"LineSpacingRule", Variant(1)}};
    for (const auto& [m, valeur] : cas) {
        premier->put(m, valeur);
        EXPECT_EQ(premier->get(m), valeur) << u8(m);
        EXPECT_EQ(creeParagraphs(d, {4, 10})->get(m).CLng(), 0) << u8(m) << ": the default";
        EXPECT_EQ(tous->get(m).CLng(), wdUndefined) << u8(m);
        EXPECT_EQ(tous->get(m).type(), valeur.type()) << u8(m);
    }
    tous->put(u"LeftIndent", 0.0f);
    EXPECT_EQ(tous->get(u"LeftIndent"), Variant(0.0f));
    EXPECT_EQ(numeroErreur([&] { tous->put(u"SpaceBefore", -1.0f); }), 4608);
}

// Range.Borders and Selection.Borders are the text's own border inside one
// paragraph short of its mark, the paragraphs' borders otherwise.
TEST_F(TexteTest, BorduresDuTexteOuDesParagraphesSelonLEtendue) {
    const std::u16string texte = u"un deux\rtrois";  // marks at 7 and 13
    const std::tuple<Etendue, bool, const char*> cas[] = {  // span, the text's border, why
        {{0, 7}, true, "a paragraph's text without its mark"},
        {{0, 8}, false, "with its mark"},
        {{6, 9}, false, "across two paragraphs"},
        {{2, 2}, false, "an insertion point"},
    };
    for (const auto& [e, surTexte, pourquoi] : cas) {
        SCOPED_TRACE(pourquoi);
        auto d = ouvre(texte);
        contexte.largeurBordure = 6;
        membre(creeRange(d, e), u"Borders")->put(u"Enable", true);
        const int32_t premier = d->modele.paragrapheA(e.debut);
        const int32_t dernier = d->modele.paragrapheA(std::max(e.debut, e.fin - 1));
        for (int32_t p = 0; p < d->modele.nombreParagraphes(); ++p) {
            const bool borde = !surTexte && p >= premier && p <= dernier;
            ObjetPtr pf = membre(creeRange(d, d->modele.paragraphe(p)), u"ParagraphFormat");
            EXPECT_EQ(membre(pf, u"Borders")->get(u"Enable").CLng(), borde ? -1 : 0) << p;
        }
        ObjetPtr police = membre(creeRange(d, e), u"Font");
        if (e.fin > e.debut) {
            EXPECT_EQ(membre(police, u"Borders")->get(u"Enable").CLng(), surTexte ? -1 : 0);
        }
        if (surTexte) {
            EXPECT_EQ(membre(membre(creeRange(d, e), u"Borders"), u"Item", {-4})->get(u"LineWidth").CLng(), 6);
            EXPECT_EQ(lireWordML(ecrireWordML(d->modele)).formatCaracteres(e.debut, e.fin).bordure,
                      d->modele.formatCaracteres(e.debut, e.fin).bordure) << "kept in the file";
        }
    }
    // The text's border is one box: a side's width or style is the box's.
    auto d = ouvre(texte);
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
    EXPECT_EQ(d->modele.miseEnPage(0).margeHaut, 2835) << "whole twips";
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
