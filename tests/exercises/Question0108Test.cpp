// Question0108: the learner deletes the passages "s02" and "s03" from a sentence.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Selects [debut, fin) and presses Delete.
void efface(const Auto& app, int32_t debut, int32_t fin) {
    selectionne(app, debut, fin);
    app[u"Selection"].fait(u"Delete");
}
void supprime(const Auto& app, const std::u16string& nom) { efface(app, debutSignet(app, nom), finSignet(app, nom)); }

void supprimeLesDeux(const Auto& app) {
    supprime(app, u"s02");
    supprime(app, u"s03");
}

// Retypes every apostrophe of the sentence as the typographic one (U+2019),
// as Word's AutoFormat does while typing.
void retapeApostrophes(const Auto& app) {
    for (int32_t p = debutSignet(app, u"s01"); p < finSignet(app, u"s01"); ++p) {
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
        Scenario{"ApostrophesTypographiques", [](Auto app) { supprimeLesDeux(app); retapeApostrophes(app); }, u""},
        // "s02" deleted with the space before it: the pieces run together.
        Scenario{"EspaceManquant",
                 [](Auto app) {
                     efface(app, finSignet(app, u"s04"), finSignet(app, u"s02"));
                     supprime(app, u"s03");
                 },
                 u"B"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
