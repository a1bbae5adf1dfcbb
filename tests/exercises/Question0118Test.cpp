// Question0118: the learner borders the paragraph "s01" with 3/4-point lines
// on all four sides and shades it, without highlighting its text.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

constexpr int32_t DemiPoint = 4, TroisQuartsDePoint = 6;
constexpr int32_t Haut = -1, Gauche = -2, Bas = -3, Droite = -4;
constexpr int32_t Gris25 = 16, Jaune = 7;

// The borders and shading dialog: a box, then each side's width.
void encadre(const Auto& app, int32_t largeur, int32_t largeurBas) {
    selectionneSignet(app, u"s01");
    Auto bordures = app[u"Selection"][u"ParagraphFormat"][u"Borders"];
    bordures.ecrit(u"Enable", true);
    for (int32_t cote : {Haut, Gauche, Droite}) bordures(u"Item", {cote}).ecrit(u"LineWidth", largeur);
    bordures(u"Item", {Bas}).ecrit(u"LineWidth", largeurBas);
}
void ombre(const Auto& app) {
    selectionneSignet(app, u"s01");
    app[u"Selection"][u"ParagraphFormat"][u"Shading"].ecrit(u"BackgroundPatternColorIndex", Gris25);
}
void surligne(const Auto& app) {
    selectionneSignet(app, u"s01");
    app[u"Selection"][u"Range"].ecrit(u"HighlightColorIndex", Jaune);
}

struct Travail {
    int32_t largeur = TroisQuartsDePoint;
    int32_t largeurBas = TroisQuartsDePoint;
    bool bordure = true, ombrage = true, surlignage = false;
};
std::function<void(Auto)> fait(Travail t) {
    return [t](Auto app) {
        if (t.bordure) encadre(app, t.largeur, t.largeurBas);
        if (t.ombrage) ombre(app);
        if (t.surlignage) surligne(app);
    };
}

class Question0118 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0118, Verdict) { joue(118, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0118,
    ::testing::Values(
        Scenario{"BordureTroisQuartsEtOmbrage", fait({}), u""},
        Scenario{"RienFait", fait({.bordure = false, .ombrage = false}), u"A"},
        Scenario{"OmbrageEtSurlignageSansBordure", fait({.bordure = false, .surlignage = true}), u"A"},
        Scenario{"BordureDemiPoint", fait({.largeur = DemiPoint, .largeurBas = DemiPoint}), u"B"},
        Scenario{"TroisCotesSeulementATroisQuarts", fait({.largeurBas = DemiPoint}), u"B"},
        Scenario{"BordureOmbrageEtSurlignage", fait({.surlignage = true}), u"E"},
        Scenario{"BordureSansOmbrage", fait({.ombrage = false}), u"C"},
        Scenario{"BordureSurligneeSansOmbrage", fait({.ombrage = false, .surlignage = true}), u"E"}),
    nomScenario);

// Passing or not, the check leaves an insertion point at the start of the
// line where the passage begins.
TEST(Question0118, LaSelectionDevientUnPointDInsertion) {
    for (bool reussi : {true, false}) {
        ExerciceSimule e(118);
        if (reussi) fait({})(e.appli());
        selectionne(e.appli(), 0, 5);
        e.teste();
        EXPECT_EQ(e.code(), reussi ? u"" : u"A");
        const Auto selection = e.appli()[u"Selection"];
        EXPECT_EQ(selection.lit(u"Start").CLng(), debutSignet(e.appli(), u"s01"));
        EXPECT_EQ(selection.lit(u"End").CLng(), debutSignet(e.appli(), u"s01"));
    }
}

}  // namespace
}  // namespace k58204::test
