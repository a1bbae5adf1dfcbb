// Question0108: the learner deletes the passages "s02" and "s03" from a sentence.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Selects the passage and presses Delete.
void supprime(const Auto& app, const std::u16string& nom) {
    selectionneSignet(app, nom);
    app[u"Selection"].fait(u"Delete");
}

void supprimeLesDeux(const Auto& app) {
    supprime(app, u"s02");
    supprime(app, u"s03");
}

// Retypes every apostrophe of the sentence as the typographic one (U+2019),
// as Word's AutoFormat does while typing.
void apostrophesTypographiques(const Auto& app) {
    const int32_t debut = debutSignet(app, u"s01"), fin = finSignet(app, u"s01");
    for (int32_t p = debut; p < fin; ++p) {
        if (document(app)[u"Characters"](u"Item", {p + 1}).lit(u"Text").CStr() != u"'") continue;
        selectionne(app, p, p + 1);
        tape(app, u"\u2019");
    }
}

class Question0108 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0108, Verdict) { joue(108, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0108,
    ::testing::Values(
        Scenario{"DeuxPassagesSupprimes", supprimeLesDeux, u""},
        Scenario{"ApostrophesTypographiques",
                 [](Auto app) {
                     supprimeLesDeux(app);
                     apostrophesTypographiques(app);
                 },
                 u""},
        Scenario{"RienSupprime", [](Auto) {}, u"B"},
        Scenario{"SeulementS02", [](Auto app) { supprime(app, u"s02"); }, u"B"},
        Scenario{"SeulementS03", [](Auto app) { supprime(app, u"s03"); }, u"B"},
        // From the start of "s02" to the end of "s05": a piece goes too.
        Scenario{"TropSupprime",
                 [](Auto app) {
                     selectionne(app, debutSignet(app, u"s02"), finSignet(app, u"s05"));
                     app[u"Selection"].fait(u"Delete");
                     supprime(app, u"s03");
                 },
                 u"A"},
        Scenario{"LettreEnleveeDansUnePiece",
                 [](Auto app) {
                     supprimeLesDeux(app);
                     int32_t fin = finSignet(app, u"s05");
                     selectionne(app, fin - 1, fin - 1);
                     app[u"Selection"].fait(u"TypeBackspace");
                 },
                 u"C"},
        Scenario{"EspaceDouble",
                 [](Auto app) {
                     supprimeLesDeux(app);
                     int32_t fin = finSignet(app, u"s04");
                     selectionne(app, fin, fin);
                     tape(app, u" ");
                 },
                 u"B"},
        // "s02" deleted with the space before it: the pieces run together.
        Scenario{"EspaceManquant",
                 [](Auto app) {
                     selectionne(app, finSignet(app, u"s04"), finSignet(app, u"s02"));
                     app[u"Selection"].fait(u"Delete");
                     supprime(app, u"s03");
                 },
                 u"B"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
