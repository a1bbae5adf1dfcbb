// Question0116: the learner gives the paragraph "s01" 12 points of space
// before and after it.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

void espace(const Auto& app, float avant, float apres) {
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"SpaceBefore", avant);
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"SpaceAfter", apres);
}
// Spaces "s01"; then, when `coupe`, splits it and spaces its second part 6 and 6.
std::function<void(Auto)> espace(float avant, float apres, bool coupe = false) {
    return [=](Auto app) {
        selectionneSignet(app, u"s01");
        espace(app, avant, apres);
        if (!coupe) return;
        const int32_t debut = debutSignet(app, u"s01");
        selectionne(app, debut + 10, debut + 10);
        app[u"Selection"].fait(u"TypeParagraph");
        espace(app, 6, 6);
    };
}

class Question0116 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0116, Verdict) { joue(116, GetParam()); }

// A split paragraph spaced differently: both spacings are undefined, neither
// "0" nor "12".
INSTANTIATE_TEST_SUITE_P(Apprenant, Question0116,
                         ::testing::Values(Scenario{"SixPointsApres", espace(12, 6), u"D"},
                                           Scenario{"ParagrapheCoupeEspacesDifferents", espace(12, 12, true), u"D"}),
                         nomScenario);

}  // namespace
}  // namespace k58204::test
