// Question0116: the learner gives the paragraph "s01" 12 points of space
// before and after it.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

void espace(const Auto& app, float avant, float apres) {
    selectionneSignet(app, u"s01");
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"SpaceBefore", avant);
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"SpaceAfter", apres);
}
std::function<void(Auto)> espace(float avant, float apres) {
    return [avant, apres](Auto app) { espace(app, avant, apres); };
}

class Question0116 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0116, Verdict) { joue(116, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0116,
    ::testing::Values(Scenario{"DouzePointsAvantEtApres", espace(12, 12), u""},
                      Scenario{"RienFait", [](Auto) {}, u"A"},
                      Scenario{"RienAvant", espace(0, 12), u"B"},
                      Scenario{"RienApres", espace(12, 0), u"C"},
                      Scenario{"SixPointsAvant", espace(6, 12), u"D"},
                      Scenario{"SixPointsApres", espace(12, 6), u"D"},
                      // "s01" split in two paragraphs spaced differently: both
                      // spacings are undefined, neither "0" nor "12".
                      Scenario{"ParagrapheCoupeEspacesDifferents",
                               [](Auto app) {
                                   espace(app, 12, 12);
                                   const int32_t debut = debutSignet(app, u"s01");
                                   selectionne(app, debut + 10, debut + 10);
                                   app[u"Selection"].fait(u"TypeParagraph");
                                   selectionne(app, debut + 12, debut + 12);
                                   app[u"Selection"][u"ParagraphFormat"].ecrit(u"SpaceBefore", 6.0f);
                                   app[u"Selection"][u"ParagraphFormat"].ecrit(u"SpaceAfter", 6.0f);
                               },
                               u"D"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
