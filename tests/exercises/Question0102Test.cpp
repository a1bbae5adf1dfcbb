// Question0102: the learner puts the Standard and Formatting toolbars on rows of their own.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

Auto barre(const Auto& app, const std::u16string& nom) { return app[u"CommandBars"](u"Item", {nom}); }
int32_t rang(const Auto& app, const std::u16string& nom) { return barre(app, nom).lit(u"RowIndex").CLng(); }

class Question0102 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0102, Verdict) { joue(102, GetParam()); }

// Either a row or a dock of their own is enough; both together again is "A".
INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0102,
    ::testing::Values(
        Scenario{"MiseEnFormeSurLaLigneSuivante",
                 [](Auto app) { barre(app, u"Formatting").ecrit(u"RowIndex", rang(app, u"Standard") + 1); }, u""},
        Scenario{"StandardAGauche", [](Auto app) { barre(app, u"Standard").ecrit(u"Position", 0); }, u""},
        Scenario{"DeplaceesEnsembleSurUneLigne",
                 [](Auto app) {
                     barre(app, u"Standard").ecrit(u"Position", 3);
                     barre(app, u"Formatting").ecrit(u"Position", 3);
                     barre(app, u"Standard").ecrit(u"RowIndex", rang(app, u"Formatting"));
                 },
                 u"A"}),
    nomScenario);

// Prepare puts both bars at the top, on one row, whatever the learner had.
TEST(Question0102, PrepareRassembleLesBarresEnHaut) {
    ExerciceSimule e(102, {.prepare = false});
    Auto app = e.appli();
    barre(app, u"Standard").ecrit(u"Position", 0);
    barre(app, u"Formatting").ecrit(u"Position", 3);
    e.prepare();
    EXPECT_EQ(barre(app, u"Standard").lit(u"Position").CLng(), 1);
    EXPECT_EQ(barre(app, u"Formatting").lit(u"Position").CLng(), 1);
    EXPECT_EQ(rang(app, u"Standard"), rang(app, u"Formatting"));
}

}  // namespace
}  // namespace k58204::test
