// Question0121: the document starts in print preview; the learner closes it,
// turns the page to landscape and sets a top margin of 5 cm (2 inches when
// Word measured in inches when the exercise began).
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"
#include "word/Composant.hpp"

namespace k58204::test {
namespace {

constexpr int32_t Pouces = 0, Centimetres = 1, Points = 3;

// The unit recorded with the learner's settings when the exercise began and,
// when given, Word's own unit changed meanwhile (not what the check reads);
// then the preview closed, landscape, and the top margin.
std::function<void(Auto)> metEnPage(int32_t uniteEnregistree, float margeHaut, int32_t uniteActuelle = -1) {
    return [=](Auto app) {
        glUniteMesure = uniteEnregistree;
        if (uniteActuelle >= 0) app[u"Options"].ecrit(u"MeasurementUnit", uniteActuelle);
        document(app).fait(u"ClosePrintPreview");
        document(app)[u"PageSetup"].ecrit(u"Orientation", 1);  // wdOrientLandscape
        document(app)[u"PageSetup"].ecrit(u"TopMargin", margeHaut);
    };
}

class Question0121 : public ::testing::TestWithParam<Scenario> {
protected:
    void TearDown() override { glUniteMesure = uniteAvant_; }

private:
    int32_t uniteAvant_ = glUniteMesure;
};

TEST_P(Question0121, Verdict) { joue(121, GetParam()); }

// 5 cm when the recorded unit is centimetres, 2 inches for any other.
INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0121,
    ::testing::Values(Scenario{"CinqCentimetresMotWordPasseEnPouces", metEnPage(Centimetres, 141.75f, Pouces), u""},
                      Scenario{"DeuxPouces", metEnPage(Pouces, 144), u""},
                      Scenario{"CinqCentimetresEnPouces", metEnPage(Pouces, 141.75f), u"C"},
                      Scenario{"DeuxPoucesEnPoints", metEnPage(Points, 144), u""}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
