// Question0113: the learner makes the passage "s01" bold, in a font other than Arial and a size other than 12.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Bold on the passage (or on its first five characters only), then a font
// and a size on the passage (or on its first five characters only), as the
// Formatting toolbar sets them. An empty name or a size 0 is left as it is
// (Arial 12).
struct Police {
    bool gras;
    std::u16string nom;
    float taille;
    bool grasEnPartie = false, policeEnPartie = false;
};
std::function<void(Auto)> formate(Police p) {
    return [p](Auto app) {
        const auto selection = [&](bool enPartie) {
            if (enPartie) selectionneDebut(app, u"s01", 5);
            else selectionneSignet(app, u"s01");
            return app[u"Selection"][u"Font"];
        };
        if (p.gras) selection(p.grasEnPartie).ecrit(u"Bold", true);
        if (!p.nom.empty()) selection(p.policeEnPartie).ecrit(u"Name", p.nom);
        if (p.taille != 0) selection(p.policeEnPartie).ecrit(u"Size", p.taille);
    };
}

class Question0113 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0113, Verdict) { joue(113, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0113,
    ::testing::Values(
        Scenario{"GrasEnPartie", formate({true, u"Times New Roman", 14, true}), u"C"},
        Scenario{"DeuxTailles", formate({true, u"", 14, false, true}), u"D"},
        // 12.5 points is not 12: another font at 12.5 passes.
        Scenario{"GrasAutrePolice12Et5", formate({true, u"Verdana", 12.5f}), u""}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
