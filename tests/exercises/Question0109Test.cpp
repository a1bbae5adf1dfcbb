// Question0109: the learner saves the document under its own name.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

void enregistreSous(const Auto& app, const std::u16string& chemin) {
    document(app).fait(u"SaveAs", {nomme(u"FileName", chemin)});
}

class Question0109 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0109, Verdict) { joue(109, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0109,
    ::testing::Values(
        Scenario{"Enregistre", [](Auto app) { document(app).fait(u"Save"); }, u""},
        Scenario{"RienFait", [](Auto) {}, u"A"},
        Scenario{"EnregistreSousLeMemeNom",
                 [](Auto app) { enregistreSous(app, std::u16string(DossierCours) + u"Voyage à CANGO.doc"); }, u""},
        Scenario{"EnregistreSousUnAutreNom",
                 [](Auto app) { enregistreSous(app, std::u16string(DossierCours) + u"Voyage.doc"); }, u"A"},
        Scenario{"EnregistrePuisModifie",
                 [](Auto app) {
                     document(app).fait(u"Save");
                     tape(app, u"Le ");
                 },
                 u"A"}),
    nomScenario);

// Prepare marks the document as changed: it counts as unsaved from the start.
TEST(Question0109, DocumentNonEnregistreApresPreparation) {
    ExerciceSimule e(109);
    EXPECT_FALSE(document(e.appli()).lit(u"Saved").CBool());
    EXPECT_FALSE(e.complement().has_value());
}

}  // namespace
}  // namespace k58204::test
