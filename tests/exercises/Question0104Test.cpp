// Question0104: the learner places the insertion point at the end of the passage "s01".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// The insertion point put just after "s01", then moved by `decalage` characters.
std::function<void(Auto)> pointApresS01(int32_t decalage) {
    return [decalage](Auto app) {
        selectionneSignet(app, u"s01");
        app[u"Selection"].fait(u"Collapse", {nomme(u"Direction", 0)});  // wdCollapseEnd
        if (decalage < 0) app[u"Selection"].fait(u"MoveLeft", {1, -decalage});
        if (decalage > 0) app[u"Selection"].fait(u"MoveRight", {1, decalage});
    };
}

class Question0104 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0104, Verdict) { joue(104, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0104,
    ::testing::Values(Scenario{"JusteApresS01", pointApresS01(0), u""},
                      Scenario{"UnCaractereAvant", pointApresS01(-1), u"A"},
                      Scenario{"UnCaractereApres", pointApresS01(1), u"A"},
                      Scenario{"RienFait", [](Auto) {}, u"A"},
                      // Only where the selection starts counts.
                      Scenario{"SelectionQuiCommenceApresS01",
                               [](Auto app) {
                                   int32_t fin = finSignet(app, u"s01");
                                   selectionne(app, fin, fin + 12);
                               },
                               u""}),
    nomScenario);

TEST(Question0104, ComplementCreeDesLaPreparation) {
    ExerciceSimule e(104);
    ASSERT_TRUE(e.complement().has_value());
    EXPECT_TRUE(e.complement()->empty());
}

// A selection starting beyond 32767 does not fit the 16-bit position: the
// check fails with an overflow and writes no code.
TEST(Question0104, PositionAuDelaDe32767) {
    ExerciceSimule e(104);
    Auto app = e.appli();
    app[u"Selection"].fait(u"EndKey", {6});  // wdStory
    tape(app, std::u16string(33000, u'a'));
    auto erreur = erreurDe([&] { e.teste(); });
    ASSERT_TRUE(erreur.has_value());
    EXPECT_EQ(erreur->numero, 6);
    EXPECT_NE(erreur->source.find(u"CLASSE Question0104"), std::u16string::npos);
    EXPECT_NE(erreur->source.find(u"SERVICE TestePoint"), std::u16string::npos);
    EXPECT_EQ(e.code(), u"");
}

}  // namespace
}  // namespace k58204::test
