// Question0107: the learner breaks the paragraph between the passages "s01" and "s02".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// The insertion point at a position, then Enter.
void coupeA(const Auto& app, int32_t position) {
    selectionne(app, position, position);
    app[u"Selection"].fait(u"TypeParagraph");
}

class Question0107 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0107, Verdict) { joue(107, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0107,
    ::testing::Values(
        // After the space that follows the last sentence: the space ends the first paragraph.
        Scenario{"CoupeApresLEspace", [](Auto app) { coupeA(app, debutSignet(app, u"s02")); }, u""},
        // Right after the period: the new paragraph starts with the space.
        Scenario{"CoupeAvantLEspace", [](Auto app) { coupeA(app, finSignet(app, u"s01")); }, u"C"},
        // Typed right after the last period: a space, a break, spaces and a
        // second break. (Typed at the start of "s02" instead, the text would
        // join that passage, as Word extends a bookmark at its start.)
        Scenario{"ParagrapheVideAvecDesEspaces",
                 [](Auto app) {
                     const int32_t fin = finSignet(app, u"s01");
                     selectionne(app, fin, fin);
                     tape(app, u" ");
                     app[u"Selection"].fait(u"TypeParagraph");
                     tape(app, u"  ");
                     app[u"Selection"].fait(u"TypeParagraph");
                 },
                 u"B"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
