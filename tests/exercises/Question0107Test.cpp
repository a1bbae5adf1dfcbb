// Question0107: the learner breaks the paragraph between the passages "s01" and "s02".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"
#include "word/Texte.hpp"

namespace k58204::test {
namespace {

// The insertion point at a position, then Enter.
void coupeA(const Auto& app, int32_t position) {
    selectionne(app, position, position);
    app[u"Selection"].fait(u"TypeParagraph");
}

// Position of the first ". " inside "s01" (0-based, in the document).
int32_t premierPointDeS01(const Auto& app) {
    std::u16string texte = signet(app, u"s01")[u"Range"].lit(u"Text").CStr();
    return debutSignet(app, u"s01") + static_cast<int32_t>(texte.find(u". "));
}

class Question0107 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0107, Verdict) { joue(107, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0107,
    ::testing::Values(
        // After the space that follows the last sentence: the space ends the first paragraph.
        Scenario{"CoupeApresLEspace", [](Auto app) { coupeA(app, debutSignet(app, u"s02")); }, u""},
        Scenario{"SansCoupure", [](Auto) {}, u"D"},
        // Right after the period: the new paragraph starts with the space.
        Scenario{"CoupeAvantLEspace", [](Auto app) { coupeA(app, finSignet(app, u"s01")); }, u"C"},
        Scenario{"ParagrapheVide",
                 [](Auto app) {
                     coupeA(app, debutSignet(app, u"s02"));
                     app[u"Selection"].fait(u"TypeParagraph");
                 },
                 u"B"},
        // Typed right after the last period: a space, a break, spaces and a
        // second break. (Typed at the start of "s02" instead, the text would
        // join that passage, as Word extends a bookmark at its start.)
        Scenario{"ParagrapheVideAvecDesEspaces",
                 [](Auto app) {
                     int32_t fin = finSignet(app, u"s01");
                     selectionne(app, fin, fin);
                     tape(app, u" ");
                     app[u"Selection"].fait(u"TypeParagraph");
                     tape(app, u"  ");
                     app[u"Selection"].fait(u"TypeParagraph");
                 },
                 u"B"},
        Scenario{"CoupeDansS01", [](Auto app) { coupeA(app, premierPointDeS01(app) + 2); }, u"A"},
        // A sentence of "s01" whose period is no longer followed by a space.
        Scenario{"EspaceEnleveApresUnPoint",
                 [](Auto app) {
                     coupeA(app, debutSignet(app, u"s02"));
                     int32_t p = premierPointDeS01(app);
                     selectionne(app, p + 1, p + 2);
                     app[u"Selection"].fait(u"Delete");
                 },
                 u"E"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
