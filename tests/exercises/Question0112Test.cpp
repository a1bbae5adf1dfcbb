// Question0112: the learner puts the name "Jean-Pierre" in the place marked "s01".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Selects the placeholder and types over it.
std::function<void(Auto)> tapeSurLaPlace(std::u16string texte) {
    return [texte](Auto app) {
        selectionneSignet(app, u"s01");
        tape(app, texte);
    };
}

// Deletes the placeholder (its bookmark goes with it), then types.
std::function<void(Auto)> effacePuisTape(std::u16string texte) {
    return [texte](Auto app) {
        selectionneSignet(app, u"s01");
        app[u"Selection"].fait(u"Delete");
        if (!texte.empty()) tape(app, texte);
    };
}

class Question0112 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0112, Verdict) { joue(112, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0112,
    ::testing::Values(Scenario{"NomSurLaPlace", tapeSurLaPlace(u"Jean-Pierre"), u"C", true},
                      Scenario{"RienFait", [](Auto) {}, u"A"},
                      Scenario{"NomSuiviDUnEspace", tapeSurLaPlace(u"Jean-Pierre "), u"A"},
                      Scenario{"PlaceEffaceePuisNom", effacePuisTape(u"Jean-Pierre"), u"B"},
                      Scenario{"PlaceEffaceeSansNom", effacePuisTape(u""), u"A"},
                      Scenario{"PlaceEffaceeNomEnMinuscules", effacePuisTape(u"jean-pierre"), u"A"}),
    nomScenario);

// Once given, the nuance stays for the life of the exercise.
TEST(Question0112, LaNuanceReste) {
    ExerciceSimule e(112);
    tapeSurLaPlace(u"Jean-Pierre")(e.appli());
    e.teste();
    EXPECT_EQ(e.code(), u"C");
    EXPECT_TRUE(e.bravo());
    tapeSurLaPlace(u"Paul")(e.appli());
    e.teste();
    EXPECT_EQ(e.code(), u"A");
    EXPECT_TRUE(e.bravo());
}

}  // namespace
}  // namespace k58204::test
