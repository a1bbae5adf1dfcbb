// Question0120: the learner shows the document in print preview.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

class Question0120 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0120, Verdict) { joue(120, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0120,
    ::testing::Values(Scenario{"ApercuParLApplication", [](Auto app) { app.ecrit(u"PrintPreview", true); }, u""},
                      // With no document open, print preview is not even asked about.
                      Scenario{"DocumentFerme",
                               [](Auto app) { document(app).fait(u"Close", {nomme(u"SaveChanges", 0)}); }, u"A"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
