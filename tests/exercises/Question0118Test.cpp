// Question0118: the learner borders the paragraph "s01" with 3/4-point lines
// on all four sides and shades it, without highlighting its text.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

constexpr int32_t TroisQuartsDePoint = 6;
constexpr int32_t Haut = -1, Gauche = -2, Bas = -3, Droite = -4;

// The borders and shading dialog on "s01": a 3/4-point box, a grey shading,
// a yellow highlight.
struct Travail {
    bool bordure = true, ombrage = true, surlignage = false;
};
std::function<void(Auto)> fait(Travail t) {
    return [t](Auto app) {
        selectionneSignet(app, u"s01");
        Auto format = app[u"Selection"][u"ParagraphFormat"];
        if (t.bordure) {
            Auto bordures = format[u"Borders"];
            bordures.ecrit(u"Enable", true);
            for (int32_t cote : {Haut, Gauche, Droite, Bas})
                bordures(u"Item", {cote}).ecrit(u"LineWidth", TroisQuartsDePoint);
        }
        if (t.ombrage) format[u"Shading"].ecrit(u"BackgroundPatternColorIndex", 16);   // wdGray25
        if (t.surlignage) app[u"Selection"][u"Range"].ecrit(u"HighlightColorIndex", 7);  // wdYellow
    };
}

class Question0118 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0118, Verdict) { joue(118, GetParam()); }

// A missing border is caught before a highlight, a highlight before a missing shading.
INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0118,
    ::testing::Values(Scenario{"OmbrageEtSurlignageSansBordure", fait({.bordure = false, .surlignage = true}), u"A"},
                      Scenario{"BordureSurligneeSansOmbrage", fait({.ombrage = false, .surlignage = true}), u"E"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
