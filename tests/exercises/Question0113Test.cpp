// Question0113: the learner makes the passage "s01" bold, in a font other than Arial and a size other than 12.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

struct Police {
    bool gras = true;
    std::u16string nom;   // empty: unchanged (Arial)
    float taille = 0;     // 0: unchanged (12)
    bool enPartie = false;
};

// Selects the passage (or its first five characters) and formats it as the
// Formatting toolbar does.
std::function<void(Auto)> formate(Police p) {
    return [p](Auto app) {
        selectionneSignet(app, u"s01");
        Auto police = app[u"Selection"][u"Font"];
        if (p.gras) police.ecrit(u"Bold", true);
        if (p.enPartie) {
            int32_t debut = debutSignet(app, u"s01");
            selectionne(app, debut, debut + 5);
            police = app[u"Selection"][u"Font"];
        }
        if (!p.nom.empty()) police.ecrit(u"Name", p.nom);
        if (p.taille != 0) police.ecrit(u"Size", p.taille);
    };
}

class Question0113 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0113, Verdict) { joue(113, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0113,
    ::testing::Values(
        Scenario{"GrasAutrePoliceAutreTaille", formate({true, u"Times New Roman", 14}), u""},
        Scenario{"RienFait", [](Auto) {}, u"C"},
        Scenario{"PoliceEtTailleSansGras", formate({false, u"Times New Roman", 14}), u"C"},
        Scenario{"GrasEnPartie",
                 [](Auto app) {
                     int32_t debut = debutSignet(app, u"s01");
                     selectionne(app, debut, debut + 5);
                     app[u"Selection"][u"Font"].ecrit(u"Bold", true);
                 },
                 u"C"},
        Scenario{"DeuxPolices", formate({true, u"Times New Roman", 0, true}), u"D"},
        Scenario{"DeuxTailles", formate({true, u"", 14, true}), u"D"},
        Scenario{"GrasSeulement", formate({true, u"", 0}), u"E"},
        Scenario{"GrasArial14", formate({true, u"", 14}), u"B"},
        Scenario{"GrasAutrePolice12", formate({true, u"Verdana", 0}), u"A"},
        // 12.5 points is not 12.
        Scenario{"GrasArial12Et5", formate({true, u"", 12.5f}), u"B"},
        Scenario{"GrasAutrePolice12Et5", formate({true, u"Verdana", 12.5f}), u""}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
