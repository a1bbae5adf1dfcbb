// Question0119: the learner moves the paragraph "s01" by cutting it with its
// paragraph mark and pasting it at the start of "s03", after "s02".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Cuts "s01", with its paragraph mark or not, and pastes it `decalage`
// characters after the start of "s03"; or types `texte` there instead.
std::function<void(Auto)> deplace(bool avecMarque, int32_t decalage, std::u16string texte = u"") {
    return [=](Auto app) {
        selectionne(app, debutSignet(app, u"s01"), finSignet(app, u"s01") + (avecMarque ? 1 : 0));
        app[u"Selection"].fait(u"Cut");
        const int32_t cible = debutSignet(app, u"s03") + decalage;
        selectionne(app, cible, cible);
        if (texte.empty()) app[u"Selection"].fait(u"Paste");
        else tape(app, texte);
    };
}

constexpr char16_t Passage[] =
    u"Le nouveau monde que nous découvrions sous la terre ne ressemblait à rien de ce que nous connaissions.\r";

class Question0119 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0119, Verdict) { joue(119, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0119,
    ::testing::Values(// Retyped: the bookmark is gone but the text is there.
                      Scenario{"CoupeEtRetape", deplace(true, 0, Passage), u"E"},
                      // Another letter case is another text.
                      Scenario{"CoupeEtRetapeEnMinuscules", deplace(true, 0, u"le nouveau monde\r"), u"A"},
                      Scenario{"CoupeSansLaMarqueDeParagraphe", deplace(false, 0), u"D"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
