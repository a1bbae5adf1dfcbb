// Question0109: the learner saves the document under its own name.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

std::function<void(Auto)> enregistreSous(std::u16string nom) {
    return [nom](Auto app) { document(app).fait(u"SaveAs", {nomme(u"FileName", DossierCours + nom)}); };
}

class Question0109 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0109, Verdict) { joue(109, GetParam()); }

// Saved, and under the document's own name.
INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0109,
    ::testing::Values(Scenario{"EnregistreSousLeMemeNom", enregistreSous(u"Voyage à CANGO.doc"), u""},
                      Scenario{"EnregistreSousUnAutreNom", enregistreSous(u"Voyage.doc"), u"A"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
