// Sections, page setup in whole twips, lines without layout.
#include <gtest/gtest.h>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/Outils.hpp"

namespace k58204::sim {
namespace {

struct CasTwips {
    double points;
    int32_t twips;
    float relu;
};

class Twips : public ::testing::TestWithParam<CasTwips> {};

TEST_P(Twips, MargesArrondiesAuTwip) {
    ModeleDocument d;
    d.modifierMiseEnPage(0, [&](MiseEnPage& m) { m.margeHaut = twipsDePoints(GetParam().points); });
    EXPECT_EQ(d.miseEnPage(0).margeHaut, GetParam().twips);
    EXPECT_EQ(d.miseEnPageDocument().margeHaut, GetParam().relu);
}

INSTANTIATE_TEST_SUITE_P(Cas, Twips,
                         ::testing::Values(CasTwips{5 * 28.35, 2835, 141.75f}, CasTwips{144, 2880, 144.0f},
                                           CasTwips{142.31, 2846, 142.3f}, CasTwips{0.024, 0, 0.0f},
                                           CasTwips{0.026, 1, 0.05f}, CasTwips{-10.5, -210, -10.5f}));

TEST(MiseEnPage, OrientationEchangeLargeurEtHauteur) {
    MiseEnPage m;
    m.definirOrientation(1);
    EXPECT_EQ(m.orientation, 1);
    EXPECT_EQ(m.largeur, 16838);
    EXPECT_EQ(m.hauteur, 11906);
    m.definirOrientation(1);  // unchanged: no second swap
    EXPECT_EQ(m.largeur, 16838);
    m.definirOrientation(7);
    EXPECT_EQ(m.orientation, 1);
}

TEST(Sections, MiseEnPageParSectionEtVueDuDocument) {
    ModeleDocument d = test::document(u"un\rdeux");
    d.insererSautDeSection(3);  // "un\r" | "\r" | "deux\r"
    ASSERT_EQ(d.nombreSections(), 2);
    EXPECT_EQ(d.section(0), (Etendue{0, 4}));
    EXPECT_EQ(d.section(1), (Etendue{4, 9}));
    EXPECT_EQ(d.sectionA(5), 1);
    EXPECT_EQ(d.miseEnPageDocument().orientation, 0);

    d.modifierMiseEnPage(1, [](MiseEnPage& m) { m.definirOrientation(1); });
    MiseEnPageMixte m = d.miseEnPageDocument();
    EXPECT_EQ(m.orientation, std::nullopt);
    EXPECT_EQ(m.largeur, std::nullopt);
    EXPECT_EQ(m.margeHaut, 70.85f);
    EXPECT_EQ(d.miseEnPage(0).orientation, 0);

    d.modifierMiseEnPage(-1, [](MiseEnPage& p) { p.definirOrientation(1); });
    EXPECT_EQ(d.miseEnPageDocument().orientation, 1);

    d.supprimer(3, 4);  // the section break goes: one section, the last one's setup
    EXPECT_EQ(d.nombreSections(), 1);
    d.verifierInvariants();
}

TEST(Lignes, UnParagrapheSeCoupeAuxEspaces) {
    ModeleDocument d;
    // Page width minus margins: 11906 - 2 * 1417 twips = 453.6 pt; at 12 pt
    // a character is 6 pt: 75 characters a line.
    std::u16string mot = u"abcdefghi ";  // 10 characters
    std::u16string texte;
    for (int i = 0; i < 20; ++i) texte += mot;
    d.inserer(0, texte);
    EXPECT_EQ(d.ligneA(0), (Etendue{0, 70}));
    EXPECT_EQ(d.ligneA(75), (Etendue{70, 140}));
    EXPECT_EQ(d.ligneA(199), (Etendue{140, 201}));
    ModeleDocument court = test::document(u"abc");
    EXPECT_EQ(court.ligneA(2), (Etendue{0, 4}));
}

}  // namespace
}  // namespace k58204::sim
