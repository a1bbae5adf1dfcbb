// Question0105: the learner shows all formatting marks in the window of "Voyage à CANGO.doc".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// The ¶ button of the Standard toolbar, in the active window.
void afficheMarques(const Auto& app, bool affiche) { app[u"ActiveWindow"][u"View"].ecrit(u"ShowAll", affiche); }

class Question0105 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0105, Verdict) { joue(105, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0105,
    ::testing::Values(Scenario{"MarquesAffichees", [](Auto app) { afficheMarques(app, true); }, u""},
                      Scenario{"RienFait", [](Auto) {}, u"A"},
                      // The course document's window counts, not the active one.
                      Scenario{"AfficheesPuisNouveauDocument",
                               [](Auto app) {
                                   afficheMarques(app, true);
                                   app[u"Documents"].fait(u"Add");
                               },
                               u""},
                      Scenario{"AfficheesDansUnAutreDocument",
                               [](Auto app) {
                                   app[u"Documents"].fait(u"Add");
                                   afficheMarques(app, true);
                               },
                               u"A"}),
    nomScenario);

// The exercise starts with the marks hidden, even when the learner had them
// shown in that document's window.
TEST(Question0105, PrepareMasqueLesMarques) {
    ExerciceSimule e(105, {.prepare = false});
    Auto app = e.appli();
    app[u"Documents"].fait(u"Open", {std::u16string(DossierCours) + u"Voyage à CANGO.doc"});
    afficheMarques(app, true);
    e.prepare();
    EXPECT_FALSE(app[u"ActiveWindow"][u"View"].lit(u"ShowAll").CBool());
    ASSERT_TRUE(e.complement().has_value());
    EXPECT_TRUE(e.complement()->empty());
    e.teste();
    EXPECT_EQ(e.code(), u"A");
}

}  // namespace
}  // namespace k58204::test
