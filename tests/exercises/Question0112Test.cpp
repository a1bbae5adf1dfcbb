// Question0112: the learner puts the name "Jean-Pierre" in the place marked "s01".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Selects the placeholder and types over it; or deletes it first (its
// bookmark goes with it).
std::function<void(Auto)> tapeSurLaPlace(std::u16string texte, bool efface = false) {
    return [=](Auto app) {
        selectionneSignet(app, u"s01");
        if (efface) app[u"Selection"].fait(u"Delete");
        tape(app, texte);
    };
}

class Question0112 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0112, Verdict) { joue(112, GetParam()); }

// The name compared exactly: letter case and trailing spaces count.
INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0112,
    ::testing::Values(Scenario{"NomSurLaPlace", tapeSurLaPlace(u"Jean-Pierre"), u"C", true},
                      Scenario{"NomSuiviDUnEspace", tapeSurLaPlace(u"Jean-Pierre "), u"A"},
                      Scenario{"PlaceEffaceePuisNom", tapeSurLaPlace(u"Jean-Pierre", true), u"B"},
                      Scenario{"PlaceEffaceeNomEnMinuscules", tapeSurLaPlace(u"jean-pierre", true), u"A"}),
    nomScenario);

// Once given, the nuance stays for the life of the exercise, and a code
// stays until another one is written.
TEST(Question0112, LaNuanceReste) {
    ExerciceSimule e(112);
    tapeSurLaPlace(u"Jean-Pierre")(e.appli());
    e.teste();
    EXPECT_TRUE(e.bravo());
    tapeSurLaPlace(u"Paul")(e.appli());
    e.teste();
    EXPECT_EQ(e.code(), u"A");
    EXPECT_TRUE(e.bravo());
}

}  // namespace
}  // namespace k58204::test
