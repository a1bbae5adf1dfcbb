// Question0119: the learner moves the paragraph "s01" by cutting it with its
// paragraph mark and pasting it at the start of "s03", after "s02".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Selects the passage, with its paragraph mark or not, and cuts or copies it.
void prend(const Auto& app, std::u16string_view commande, bool avecMarque = true) {
    selectionne(app, debutSignet(app, u"s01"), finSignet(app, u"s01") + (avecMarque ? 1 : 0));
    app[u"Selection"].fait(commande);
}
void colleA(const Auto& app, int32_t position) {
    selectionne(app, position, position);
    app[u"Selection"].fait(u"Paste");
}
// The position, once the passage is cut, where the learner pastes.
using Cible = int32_t (*)(const Auto&);
int32_t debutS03(const Auto& app) { return debutSignet(app, u"s03"); }
int32_t milieuS03(const Auto& app) { return debutSignet(app, u"s03") + 20; }
int32_t apresS03(const Auto& app) { return finSignet(app, u"s03") + 1; }
int32_t debutS02(const Auto& app) { return debutSignet(app, u"s02"); }

std::function<void(Auto)> deplace(Cible cible, std::u16string_view commande = u"Cut", bool avecMarque = true) {
    return [=](Auto app) {
        prend(app, commande, avecMarque);
        colleA(app, cible(app));
    };
}

// Cuts the passage and types a text at the start of "s03" instead of pasting.
std::function<void(Auto)> retape(std::u16string texte) {
    return [texte](Auto app) {
        prend(app, u"Cut");
        const int32_t debut = debutSignet(app, u"s03");
        selectionne(app, debut, debut);
        tape(app, texte);
    };
}

constexpr char16_t Passage[] =
    u"Le nouveau monde que nous découvrions sous la terre ne ressemblait à rien de ce que nous connaissions.\r";

class Question0119 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0119, Verdict) { joue(119, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0119,
    ::testing::Values(Scenario{"CoupeEtColleAuDebutDeS03", deplace(debutS03), u"C", true},
                      Scenario{"RienFait", [](Auto) {}, u"B"},
                      Scenario{"CopieAuLieuDeCouper", deplace(debutS03, u"Copy"), u"E"},
                      Scenario{"CoupeSansColler", [](Auto app) { prend(app, u"Cut"); }, u"A"},
                      Scenario{"CoupeEtRetape", retape(Passage), u"E"},
                      // Another letter case is another text.
                      Scenario{"CoupeEtRetapeEnMinuscules", retape(u"le nouveau monde\r"), u"A"},
                      Scenario{"ColleAuDebutDeS02", deplace(debutS02), u"B"},
                      Scenario{"ColleAuMilieuDeS03", deplace(milieuS03), u"D"},
                      Scenario{"ColleApresS03", deplace(apresS03), u"D"},
                      Scenario{"CoupeSansLaMarqueDeParagraphe", deplace(debutS03, u"Cut", false), u"D"}),
    nomScenario);

// Once given, the nuance stays for the life of the exercise, and so does a
// code until another one is written.
TEST(Question0119, LaNuanceReste) {
    ExerciceSimule e(119);
    deplace(debutS03)(e.appli());
    e.teste();
    EXPECT_EQ(e.code(), u"C");
    EXPECT_TRUE(e.bravo());
    // The passage put back where it was, before "s02".
    prend(e.appli(), u"Cut");
    colleA(e.appli(), debutSignet(e.appli(), u"s02"));
    e.teste();
    EXPECT_EQ(e.code(), u"B");
    EXPECT_TRUE(e.bravo());
}

}  // namespace
}  // namespace k58204::test
