// Question0122: the learner closes the working document.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

void ferme(const Auto& document) { document.fait(u"Close", {nomme(u"SaveChanges", 0)}); }
std::u16string cheminTravail() { return std::u16string(DossierCours) + u"Voyage à CANGO.doc"; }

class Question0122 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0122, Verdict) { joue(122, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0122,
    ::testing::Values(Scenario{"DocumentFerme", [](Auto app) { ferme(document(app)); }, u""},
                      Scenario{"RienFait", [](Auto) {}, u"A"},
                      Scenario{"FermePuisNouveauDocument",
                               [](Auto app) {
                                   ferme(document(app));
                                   app[u"Documents"].fait(u"Add");
                               },
                               u""},
                      Scenario{"UnAutreDocumentFerme",
                               [](Auto app) {
                                   app[u"Documents"].fait(u"Add");
                                   ferme(document(app));
                               },
                               u"A"},
                      Scenario{"FermePuisRouvert",
                               [](Auto app) {
                                   ferme(document(app));
                                   app[u"Documents"].fait(u"Open", {cheminTravail()});
                               },
                               u"A"},
                      Scenario{"EnregistreSousUnAutreNom",
                               [](Auto app) {
                                   document(app).fait(u"SaveAs", {std::u16string(DossierCours) + u"Copie.doc"});
                               },
                               u""}),
    nomScenario);

// The same document without its extension still counts as the working one.
TEST(Question0122, LeDocumentSansExtensionCompte) {
    ExerciceSimule e(122);
    ferme(document(e.appli()));
    const std::u16string sansExtension = std::u16string(DossierCours) + u"Voyage à CANGO";
    e.poste().fichiers().Name(cheminTravail(), sansExtension);
    e.appli()[u"Documents"].fait(u"Open", {sansExtension});
    ASSERT_EQ(document(e.appli()).lit(u"Name").CStr(), u"Voyage à CANGO");
    e.teste();
    EXPECT_EQ(e.code(), u"A");
}

}  // namespace
}  // namespace k58204::test
