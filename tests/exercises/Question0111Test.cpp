// Question0111: the learner gives the passage "s01" one colour other than blue.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

constexpr int32_t Rouge = 255;              // wdColorRed
constexpr int32_t Automatique = -16777216;  // wdColorAutomatic

// Colours the passage, or only its first `n` characters.
std::function<void(Auto)> colore(int32_t couleur, int32_t n = 0) {
    return [=](Auto app) {
        if (n > 0) selectionneDebut(app, u"s01", n);
        else selectionneSignet(app, u"s01");
        app[u"Selection"][u"Font"].ecrit(u"Color", couleur);
    };
}

class Question0111 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0111, Verdict) { joue(111, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Apprenant, Question0111,
                         ::testing::Values(Scenario{"Rouge", colore(Rouge), u""},
                                           Scenario{"Automatique", colore(Automatique), u""},
                                           Scenario{"RougeEnPartie", colore(Rouge, 5), u"B"}),
                         nomScenario);

}  // namespace
}  // namespace k58204::test
