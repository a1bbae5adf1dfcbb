// Question0101: the learner ticks answers in the protected form "Réponses.doc".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Ticks the given check boxes (form fields 1 to 4), as clicks in the form do.
std::function<void(Auto)> coche(std::vector<int32_t> cases) {
    return [cases](Auto app) {
        for (int32_t k : cases) document(app)(u"FormFields", {k})[u"CheckBox"].ecrit(u"Value", true);
    };
}

class Question0101 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0101, Verdict) { joue(101, GetParam()); }

// Nothing ticked is "A", not a wrong answer; a wrong answer is any other set.
INSTANTIATE_TEST_SUITE_P(Apprenant, Question0101,
                         ::testing::Values(Scenario{"CasesUnEtQuatre", coche({1, 4}), u""},
                                           Scenario{"AucuneCase", coche({}), u"A"},
                                           Scenario{"CasesDeuxEtTrois", coche({2, 3}), u"B"}),
                         nomScenario);

}  // namespace
}  // namespace k58204::test
