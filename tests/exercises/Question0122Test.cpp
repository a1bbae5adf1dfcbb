// Question0122: the learner closes the working document.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

void ferme(const Auto& app) { document(app).fait(u"Close", {nomme(u"SaveChanges", 0)}); }
const std::u16string Travail = std::u16string(DossierCours) + u"Voyage à CANGO.doc";

class Question0122 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0122, Verdict) { joue(122, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0122,
    ::testing::Values(
        Scenario{"FermePuisNouveauDocument", [](Auto app) { ferme(app); app[u"Documents"].fait(u"Add"); }, u""},
        // Only the name counts: saved under another one, it is no longer open.
        Scenario{"EnregistreSousUnAutreNom",
                 [](Auto app) { document(app).fait(u"SaveAs", {std::u16string(DossierCours) + u"Copie.doc"}); }, u""},
        // The same document renamed without its extension, reopened.
        Scenario{"RouvertSansExtension",
                 [](ExerciceSimule& e) {
                     ferme(e.appli());
                     e.poste().fichiers().Name(Travail, std::u16string(DossierCours) + u"Voyage à CANGO");
                     e.appli()[u"Documents"].fait(u"Open", {std::u16string(DossierCours) + u"Voyage à CANGO"});
                     EXPECT_EQ(document(e.appli()).lit(u"Name").CStr(), u"Voyage à CANGO");
                 },
                 u"A"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
