// Question0115: the learner justifies the paragraphs "s01" and "s02" and only
// them; a faulty paragraph's alignment comes back as a remark.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

constexpr int32_t Gauche = 0, Centre = 1, Droite = 2, Justifie = 3;

void aligne(const Auto& app, const std::u16string& nom, int32_t alignement) {
    selectionneSignet(app, nom);
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"Alignment", alignement);
}
std::function<void(Auto)> aligne(int32_t s01, int32_t s02) {
    return [=](Auto app) { aligne(app, u"s01", s01); aligne(app, u"s02", s02); };
}

class Question0115 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0115, Verdict) { joue(115, GetParam()); }

// " Centré" takes no "à"; both faulty is "C", without a remark.
INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0115,
    ::testing::Values(Scenario{"DeuxParagraphesJustifies", aligne(Justifie, Justifie), u""},
                      Scenario{"DeuxParagraphesCentres", aligne(Centre, Centre), u"C"},
                      Scenario{"S01AGauche", aligne(Gauche, Justifie), u"A", false, {u" à Gauche"}},
                      Scenario{"S01Centre", aligne(Centre, Justifie), u"A", false, {u" Centré"}},
                      Scenario{"S02ADroite", aligne(Justifie, Droite), u"B", false, {u" à Droite"}},
                      Scenario{"ToutLePassageJustifie", [](Auto app) { aligne(app, u"e01", Justifie); }, u"D"}),
    nomScenario);

// Each check starts a new collection: a remark does not survive a later
// check, while the code does.
TEST(Question0115, LaRemarqueNeSurvitPasALaVerificationSuivante) {
    ExerciceSimule e(115);
    aligne(Centre, Justifie)(e.appli());
    e.teste();
    EXPECT_EQ(e.complement(), std::vector<std::u16string>{u" Centré"});
    aligne(e.appli(), u"s01", Justifie);
    e.teste();
    EXPECT_EQ(e.code(), u"A");
    EXPECT_EQ(e.complement(), std::vector<std::u16string>{});
}

}  // namespace
}  // namespace k58204::test
