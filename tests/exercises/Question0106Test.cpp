// Question0106: the learner types the line "extrait n°10" as the last paragraph.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Goes to the end of the document (Ctrl+End), `recul` characters back, and types.
std::function<void(Auto)> tapeALaFin(std::u16string texte, int32_t recul = 0) {
    return [=](Auto app) {
        app[u"Selection"].fait(u"EndKey", {6});  // wdStory
        if (recul > 0) app[u"Selection"].fait(u"MoveLeft", {1, recul});
        tape(app, texte);
    };
}

class Question0106 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0106, Verdict) { joue(106, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0106,
    ::testing::Values(
        Scenario{"ChiffreApres", tapeALaFin(u"extrait n°100"), u"D"},
        // Typed at the end of the text instead of in the empty last paragraph.
        Scenario{"TapeeSurLaLigneDAvant", tapeALaFin(u" extrait n°10", 1), u"A"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
