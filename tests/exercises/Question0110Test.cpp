// Question0110: the learner makes the passage "s01" bold and italic.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Selects the passage, or only its first five characters, and sets a font property.
void metEnForme(const Auto& app, std::u16string_view propriete, bool enPartie = false) {
    selectionneSignet(app, u"s01");
    if (enPartie) {
        int32_t debut = debutSignet(app, u"s01");
        selectionne(app, debut, debut + 5);
    }
    app[u"Selection"][u"Font"].ecrit(propriete, true);
}

class Question0110 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0110, Verdict) { joue(110, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0110,
    ::testing::Values(Scenario{"GrasEtItalique",
                               [](Auto app) {
                                   metEnForme(app, u"Bold");
                                   metEnForme(app, u"Italic");
                               },
                               u""},
                      Scenario{"RienFait", [](Auto) {}, u"A"},
                      Scenario{"GrasSeulement", [](Auto app) { metEnForme(app, u"Bold"); }, u"B"},
                      Scenario{"ItaliqueSeulement", [](Auto app) { metEnForme(app, u"Italic"); }, u"C"},
                      // Bold throughout but italic in part: a mixed passage, not "bold only".
                      Scenario{"GrasPartoutItaliqueEnPartie",
                               [](Auto app) {
                                   metEnForme(app, u"Bold");
                                   metEnForme(app, u"Italic", true);
                               },
                               u"D"},
                      Scenario{"GrasEnPartie", [](Auto app) { metEnForme(app, u"Bold", true); }, u"D"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
