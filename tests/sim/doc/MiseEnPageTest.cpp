// Sections and page setup in whole twips.
#include <gtest/gtest.h>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/Outils.hpp"

namespace k58204::sim {
namespace {

TEST(MiseEnPage, MargesArrondiesAuTwip) {
    struct { double points; int32_t twips; float relu; } cas[] = {
        {5 * 28.35, 2835, 141.75f}, {142.31, 2846, 142.3f}, {0.024, 0, 0.0f}, {0.026, 1, 0.05f}, {-10.5, -210, -10.5f}};
    for (const auto& c : cas) {
        ModeleDocument d;
        d.modifierMiseEnPage(0, [&](MiseEnPage& m) { m.margeHaut = twipsDePoints(c.points); });
        EXPECT_EQ(d.miseEnPage(0).margeHaut, c.twips) << c.points;
        EXPECT_EQ(d.miseEnPageDocument().margeHaut, c.relu) << c.points;
    }
}

TEST(Sections, MiseEnPageParSectionEtJonction) {
    ModeleDocument d = test::document(u"un\rdeux");
    d.insererSautDeSection(3);  // "un\r" | "\r" | "deux\r"
    ASSERT_EQ(d.nombreSections(), 2);
    EXPECT_EQ(d.section(0), (Etendue{0, 4}));
    EXPECT_EQ(d.section(1), (Etendue{4, 9}));
    EXPECT_EQ(d.sectionA(5), 1);
    d.modifierMiseEnPage(1, [](MiseEnPage& m) { m.margeHaut = 2835; });
    EXPECT_EQ(d.miseEnPageDocument().margeHaut, std::nullopt);
    EXPECT_EQ(d.miseEnPageDocument().margeBas, 70.85f);
    d.supprimer(3, 4);  // the break goes: one section, with the last one's setup
    EXPECT_EQ(d.nombreSections(), 1);
    EXPECT_EQ(d.miseEnPage(0).margeHaut, 2835);
    d.verifierInvariants();
}

}  // namespace
}  // namespace k58204::sim
