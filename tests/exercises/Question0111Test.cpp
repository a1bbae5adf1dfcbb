// Question0111: the learner gives the passage "s01" one colour other than blue.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

constexpr int32_t Rouge = 255;             // wdColorRed
constexpr int32_t Automatique = -16777216; // wdColorAutomatic

std::function<void(Auto)> colore(int32_t couleur, bool enPartie = false) {
    return [=](Auto app) {
        selectionneSignet(app, u"s01");
        if (enPartie) {
            int32_t debut = debutSignet(app, u"s01");
            selectionne(app, debut, debut + 5);
        }
        app[u"Selection"][u"Font"].ecrit(u"Color", couleur);
    };
}

class Question0111 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0111, Verdict) { joue(111, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Apprenant, Question0111,
                         ::testing::Values(Scenario{"Rouge", colore(Rouge), u""},
                                           Scenario{"Automatique", colore(Automatique), u""},
                                           Scenario{"RienFait", [](Auto) {}, u"A"},
                                           Scenario{"RougeEnPartie", colore(Rouge, true), u"B"}),
                         nomScenario);

}  // namespace
}  // namespace k58204::test
