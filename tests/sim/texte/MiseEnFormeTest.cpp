// Formatting as the checks read it: uniform values, 9999999 / "" when mixed;
// borders, shading, page setup, check boxes.
#include "Outils.hpp"

namespace k58204::sim::test {
namespace {

// "un deux\r" (0..8) and "trois\r" (8..14); "un" (0..2) formatted apart.
struct CasCaractere {
    const char* nom;
    std::function<void(ModeleDocument&)> formate;
    std::function<Variant(const ObjetPtr& range)> lit;
    Variant uniforme;  // over "un"
    Variant reste;     // over "deux"
};

class MixteCaractereTest : public TexteTest, public ::testing::WithParamInterface<CasCaractere> {};

TEST_P(MixteCaractereTest, UniformeOuMixte) {
    const CasCaractere& c = GetParam();
    auto d = ouvre(u"un deux\rtrois");
    c.formate(d->modele);
    d->marqueEnregistre();
    EXPECT_EQ(representation(c.lit(creeRange(d, {0, 2}))), representation(c.uniforme));
    EXPECT_EQ(representation(c.lit(creeRange(d, {3, 7}))), representation(c.reste));
    const Variant mixte = c.uniforme.type() == Variant::Type::String ? Variant(u"")
                          : c.uniforme.type() == Variant::Type::Single ? Variant(9999999.0f)
                                                                       : Variant(wdUndefined);
    EXPECT_EQ(representation(c.lit(creeRange(d, {0, 7}))), representation(mixte));
    EXPECT_TRUE(d->saved()) << "reading changes nothing";
}

FormatCaractere avec(std::function<void(FormatCaractere&)> f) {
    FormatCaractere m;
    f(m);
    return m;
}

auto formateUn(FormatCaractere m) {
    return [m](ModeleDocument& d) { d.appliquerCaracteres(0, 2, m); };
}
auto lecture(std::u16string m) {
    return [m](const ObjetPtr& r) { return r->get(m); };
}
auto lecturePolice(std::u16string m) {
    return [m](const ObjetPtr& r) { return membre(r, u"Font")->get(m); };
}

INSTANTIATE_TEST_SUITE_P(
    Cas, MixteCaractereTest,
    ::testing::Values(
        CasCaractere{"Bold", formateUn(avec([](auto& m) { m.gras = true; })), lecture(u"Bold"), Variant(-1), Variant(0)},
        CasCaractere{"Italic", formateUn(avec([](auto& m) { m.italique = true; })), lecture(u"Italic"), Variant(-1),
                     Variant(0)},
        CasCaractere{"FontBold", formateUn(avec([](auto& m) { m.gras = true; })), lecturePolice(u"Bold"), Variant(-1),
                     Variant(0)},
        CasCaractere{"Surlignage", formateUn(avec([](auto& m) { m.surlignage = 7; })), lecture(u"HighlightColorIndex"),
                     Variant(7), Variant(0)},
        CasCaractere{"Couleur", formateUn(avec([](auto& m) { m.couleur = 16711680; })), lecturePolice(u"Color"),
                     Variant(16711680), Variant(CouleurAuto)},
        CasCaractere{"IndexCouleur", formateUn(avec([](auto& m) { m.couleur = 255; })), lecturePolice(u"ColorIndex"),
                     Variant(6), Variant(0)},
        CasCaractere{"Police", formateUn(avec([](auto& m) { m.police = u"Arial"; })), lecturePolice(u"Name"),
                     Variant(u"Arial"), Variant(u"Times New Roman")},
        CasCaractere{"Taille", formateUn(avec([](auto& m) { m.demiPoints = 25; })), lecturePolice(u"Size"),
                     Variant(12.5f), Variant(12.0f)}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(TexteTest, PutDeMiseEnFormeDesCaracteres) {
    auto d = ouvre(u"un deux");
    ObjetPtr r = creeRange(d, {0, 7});
    r->put(u"Bold", true);
    EXPECT_EQ(r->get(u"Bold").CLng(), -1);
    r->put(u"Bold", 9999998);
    EXPECT_EQ(r->get(u"Bold").CLng(), 0) << "wdToggle";
    ObjetPtr police = membre(r, u"Font");
    police->put(u"Size", 14.3f);
    EXPECT_EQ(police->get(u"Size"), Variant(14.5f)) << "to the half point";
    police->put(u"Name", u"Arial");
    EXPECT_EQ(u8(police->get(u"Name").CStr()), "Arial");
    EXPECT_EQ(erreurDe([&] { police->put(u"Size", 0.5f); }), 4608);
    EXPECT_FALSE(d->saved());
}

TEST_F(TexteTest, ProprietesDeParagraphesMixtesEtPut) {
    auto d = ouvre(u"un\rdeux\rtrois");
    ObjetPtr premier = membre(creeParagraphs(d, {0, 3}), u"Item", {1});
    struct {
        const char* membre;
        Variant valeur;
        Variant parDefaut;
    } cas[] = {{"LeftIndent", Variant(36.0f), Variant(0.0f)},
               {"FirstLineIndent", Variant(-18.0f), Variant(0.0f)},
               {"SpaceBefore", Variant(12.0f), Variant(0.0f)},
               {"SpaceAfter", Variant(6.0f), Variant(0.0f)},
               {"Alignment", Variant(3), Variant(0)},
               {"LineSpacingRule", Variant(1), Variant(0)}};
    for (const auto& c : cas) {
        const std::u16string m = depuisUtf8(c.membre);
        premier->put(m, c.valeur);
        EXPECT_EQ(premier->get(m), c.valeur) << c.membre;
        EXPECT_EQ(creeParagraphs(d, {4, 10})->get(m), c.parDefaut) << c.membre;
        const Variant tous = creeParagraphs(d, d->modele.contenu())->get(m);
        EXPECT_EQ(tous.CLng(), wdUndefined) << c.membre;
        EXPECT_EQ(tous.type(), c.valeur.type()) << c.membre;
    }
    EXPECT_EQ(membre(creeRange(d, {1, 2}), u"ParagraphFormat")->get(u"LineSpacing"), Variant(18.0f));
    ObjetPtr paras = creeParagraphs(d, d->modele.contenu());
    paras->put(u"LeftIndent", 0.0f);
    EXPECT_EQ(paras->get(u"LeftIndent"), Variant(0.0f));
    EXPECT_EQ(erreurDe([&] { paras->put(u"SpaceBefore", -1.0f); }), 4608);
    EXPECT_EQ(paras->get(u"Count").CLng(), 3);
    EXPECT_EQ(u8(membre(membre(paras, u"Last"), u"Range")->get(u"Text").CStr()), "trois\r");
}

TEST_F(TexteTest, BorduresEtOmbrage) {
    auto d = ouvre(u"un\rdeux");
    contexte.largeurBordure = 6;
    ObjetPtr sel = creeSelection(d);
    d->selection = {0, 1};
    ObjetPtr bordures = membre(membre(sel, u"ParagraphFormat"), u"Borders");
    EXPECT_EQ(bordures->get(u"Enable").CLng(), 0);
    EXPECT_EQ(membre(sel, u"Borders", {-2})->get(u"LineWidth").CLng(), wdUndefined) << "no border";
    bordures->put(u"Enable", true);
    EXPECT_EQ(bordures->get(u"Enable").CLng(), -1);
    for (int32_t cote : {-1, -2, -3, -4})
        EXPECT_EQ(membre(membre(sel, u"Borders"), u"Item", {cote})->get(u"LineWidth").CLng(), 6) << cote;
    ObjetPtr tout = membre(creeRange(d, d->modele.contenu()), u"Borders");
    EXPECT_EQ(tout->get(u"Enable").CLng(), wdUndefined) << "one paragraph of two";
    membre(bordures, u"", {-3})->put(u"LineWidth", 4);
    EXPECT_EQ(membre(bordures, u"Item", {-3})->get(u"LineWidth").CLng(), 4);
    EXPECT_EQ(bordures->get(u"OutsideLineWidth").CLng(), wdUndefined) << "several widths";
    contexte.largeurBordure = 8;
    membre(creeRange(d, {4, 5}), u"Borders", {-1})->put(u"LineStyle", 1);
    EXPECT_EQ(membre(tout, u"Item", {-1})->get(u"LineWidth").CLng(), wdUndefined);
    EXPECT_EQ(membre(tout, u"Item", {-1})->get(u"LineStyle").CLng(), 1);
    EXPECT_EQ(erreurDe([&] { membre(bordures, u"Item", {-5}); }), 5941);
    EXPECT_EQ(erreurDe([&] { membre(bordures, u"Item", {-1})->put(u"LineWidth", 5); }), 4608);
    bordures->put(u"Enable", false);
    EXPECT_EQ(bordures->get(u"Enable").CLng(), 0);

    ObjetPtr ombrage = membre(membre(sel, u"ParagraphFormat"), u"Shading");
    EXPECT_EQ(ombrage->get(u"BackgroundPatternColorIndex").CLng(), 0);
    ombrage->put(u"BackgroundPatternColorIndex", 16);
    EXPECT_EQ(ombrage->get(u"BackgroundPatternColorIndex").CLng(), 16);
    EXPECT_EQ(ombrage->get(u"BackgroundPatternColor").CLng(), 0xC0C0C0);
    EXPECT_EQ(membre(creeRange(d, d->modele.contenu()), u"Shading")->get(u"BackgroundPatternColorIndex").CLng(),
              wdUndefined);
}

TEST_F(TexteTest, MiseEnPageParSectionEtDocument) {
    auto d = ouvre(u"un\rdeux");
    d->modele.insererSautDeSection(3);
    ASSERT_EQ(d->modele.nombreSections(), 2);
    ObjetPtr sections = creeSections(d);
    EXPECT_EQ(sections->get(u"Count").CLng(), 2);
    ObjetPtr page1 = membre(membre(sections, u"", {1}), u"PageSetup");
    page1->put(u"TopMargin", 141.75f);
    EXPECT_EQ(page1->get(u"TopMargin"), Variant(141.75f));
    EXPECT_EQ(d->modele.miseEnPage(0).margeHaut, 2835) << "whole twips";
    ObjetPtr document = creePageSetup(d, -1);
    EXPECT_EQ(document->get(u"TopMargin"), Variant(9999999.0f));
    EXPECT_EQ(document->get(u"Orientation").CLng(), 0);
    page1->put(u"Orientation", 1);
    EXPECT_EQ(document->get(u"Orientation").CLng(), wdUndefined);
    EXPECT_EQ(page1->get(u"PageHeight"), Variant(595.3f)) << "width and height swapped";
    document->put(u"Orientation", 1);
    EXPECT_EQ(document->get(u"Orientation").CLng(), 1);
    EXPECT_EQ(membre(membre(sections, u"Last"), u"PageSetup")->get(u"PageWidth"), Variant(841.9f));
    EXPECT_EQ(erreurDe([&] { membre(sections, u"Item", {3}); }), 5941);
    EXPECT_EQ(erreurDe([&] { document->put(u"Orientation", 2); }), 4608);
}

TEST_F(TexteTest, CasesACocher) {
    auto d = ouvre(u"a b");
    for (int32_t pos : {2, 0}) {
        CaseACocher c;
        c.nom = pos == 0 ? u"CaseACocher1" : u"CaseACocher2";
        d->modele.insererCaseACocher(pos, c);
    }
    ObjetPtr champs = creeFormFields(d);
    EXPECT_EQ(champs->get(u"Count").CLng(), 2);
    ObjetPtr deuxieme = membre(champs, u"", {2});
    EXPECT_EQ(u8(deuxieme->get(u"Name").CStr()), "CaseACocher2");
    EXPECT_EQ(deuxieme->get(u"Type").CLng(), 71);
    membre(deuxieme, u"CheckBox")->put(u"Value", true);
    EXPECT_EQ(membre(membre(champs, u"Item", {u"caseacocher2"}), u"CheckBox")->get(u"Value"), Variant(true));
}

}  // namespace
}  // namespace k58204::sim::test
