// Question0117: the learner sets the paragraphs "s01" and "s02" to a line
// spacing of one and a half lines.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// WdLineSpacing.
constexpr int32_t Simple = 0, Exactement = 4, Multiple = 5;

std::function<void(Auto)> interligne(int32_t s01, int32_t s02) {
    return [s01, s02](Auto app) {
        for (auto [nom, regle] : {std::pair{u"s01", s01}, std::pair{u"s02", s02}}) {
            selectionneSignet(app, nom);
            app[u"Selection"][u"ParagraphFormat"].ecrit(u"LineSpacingRule", regle);
        }
    };
}

class Question0117 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0117, Verdict) { joue(117, GetParam()); }

// The tests run in order: an exact spacing on "s01" would be "D", but "s02" single is caught first.
INSTANTIATE_TEST_SUITE_P(Apprenant, Question0117,
                         ::testing::Values(Scenario{"S01ExactementS02Simple", interligne(Exactement, Simple), u"B"},
                                           Scenario{"S01SimpleS02Multiple", interligne(Simple, Multiple), u"C"}),
                         nomScenario);

}  // namespace
}  // namespace k58204::test
