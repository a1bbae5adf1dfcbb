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
        // Saved under another name, it is the learner's document: the working one is closed.
        Scenario{"EnregistreSousUnAutreNom",
                 [](Auto app) { document(app).fait(u"SaveAs", {std::u16string(DossierCours) + u"Copie.doc"}); }, u""},
        // Saved into another folder under its name, it is still the working document.
        Scenario{"EnregistreAilleursSousSonNom",
                 [](ExerciceSimule& e) {
                     e.poste().fichiers().MkDir(u"C:\\Autre");
                     document(e.appli()).fait(u"SaveAs", {std::u16string(u"C:\\Autre\\Voyage à CANGO.doc")});
                 },
                 u"A"},
        // Closed, then a document of the same name opened from another folder.
        Scenario{"FermePuisHomonymeOuvert",
                 [](ExerciceSimule& e) {
                     ferme(e.appli());
                     e.copieCours(u"05820422.doc", u"C:\\Voyage à CANGO.doc");
                     e.appli()[u"Documents"].fait(u"Open", {std::u16string(u"C:\\Voyage à CANGO.doc")});
                 },
                 u""},
        // The file renamed and reopened is another file: not the working document.
        Scenario{"RouvertSansExtension",
                 [](ExerciceSimule& e) {
                     ferme(e.appli());
                     e.poste().fichiers().Name(Travail, std::u16string(DossierCours) + u"Voyage à CANGO");
                     e.appli()[u"Documents"].fait(u"Open", {std::u16string(DossierCours) + u"Voyage à CANGO"});
                 },
                 u""}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
