// Question0110: the learner makes the passage "s01" bold and italic.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Sets font properties on the passage, then on its first five characters.
std::function<void(Auto)> metEnForme(std::vector<std::u16string> partout, std::vector<std::u16string> enPartie = {}) {
    return [=](Auto app) {
        selectionneSignet(app, u"s01");
        for (const auto& p : partout) app[u"Selection"][u"Font"].ecrit(p, true);
        selectionneDebut(app, u"s01", 5);
        for (const auto& p : enPartie) app[u"Selection"][u"Font"].ecrit(p, true);
    };
}

class Question0110 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0110, Verdict) { joue(110, GetParam()); }

// A mixed passage is "D" whatever the other property is.
INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0110,
    ::testing::Values(Scenario{"GrasEtItalique", metEnForme({u"Bold", u"Italic"}), u""},
                      Scenario{"GrasSeulement", metEnForme({u"Bold"}), u"B"},
                      Scenario{"ItaliqueSeulement", metEnForme({u"Italic"}), u"C"},
                      Scenario{"GrasPartoutItaliqueEnPartie", metEnForme({u"Bold"}, {u"Italic"}), u"D"},
                      Scenario{"GrasEnPartie", metEnForme({}, {u"Bold"}), u"D"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
