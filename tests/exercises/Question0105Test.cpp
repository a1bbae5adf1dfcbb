// Question0105: the learner shows all formatting marks in the window of "Voyage à CANGO.doc".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// The ¶ button of the Standard toolbar, in the active window.
void afficheMarques(const Auto& app) { app[u"ActiveWindow"][u"View"].ecrit(u"ShowAll", true); }
void nouveau(const Auto& app) { app[u"Documents"].fait(u"Add"); }

class Question0105 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0105, Verdict) { joue(105, GetParam()); }

// The course document's window counts, not the active one.
INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0105,
    ::testing::Values(
        Scenario{"AfficheesPuisNouveauDocument", [](Auto app) { afficheMarques(app); nouveau(app); }, u""},
        Scenario{"AfficheesDansUnAutreDocument", [](Auto app) { nouveau(app); afficheMarques(app); }, u"A"}),
    nomScenario);

// The exercise starts with the marks hidden, even when the learner had them
// shown in that document's window.
TEST(Question0105, PrepareMasqueLesMarques) {
    ExerciceSimule e(105, {.prepare = false});
    e.appli()[u"Documents"].fait(u"Open", {std::u16string(DossierCours) + u"Voyage à CANGO.doc"});
    afficheMarques(e.appli());
    e.prepare();
    EXPECT_FALSE(e.appli()[u"ActiveWindow"][u"View"].lit(u"ShowAll").CBool());
}

}  // namespace
}  // namespace k58204::test
