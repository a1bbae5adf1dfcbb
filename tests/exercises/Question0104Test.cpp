// Question0104: the learner places the insertion point at the end of the passage "s01".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// The selection from `decalage` characters after the end of "s01", `longueur` long.
std::function<void(Auto)> apresS01(int32_t decalage, int32_t longueur = 0) {
    return [=](Auto app) {
        const int32_t debut = finSignet(app, u"s01") + decalage;
        selectionne(app, debut, debut + longueur);
    };
}

class Question0104 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0104, Verdict) { joue(104, GetParam()); }

// Only where the selection starts counts.
INSTANTIATE_TEST_SUITE_P(Apprenant, Question0104,
                         ::testing::Values(Scenario{"UnCaractereApres", apresS01(1), u"A"},
                                           Scenario{"SelectionQuiCommenceApresS01", apresS01(0, 12), u""}),
                         nomScenario);

}  // namespace
}  // namespace k58204::test
