// Question0106: the learner types the line "extrait n°10" as the last paragraph.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Goes to the end of the document (Ctrl+End), into its empty last paragraph, and types.
std::function<void(Auto)> tapeALaFin(std::u16string texte) {
    return [texte](Auto app) {
        app[u"Selection"].fait(u"EndKey", {6});  // wdStory
        tape(app, texte);
    };
}

class Question0106 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0106, Verdict) { joue(106, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0106,
    ::testing::Values(
        Scenario{"LigneTapee", tapeALaFin(u"extrait n°10"), u""},
        Scenario{"EnMajuscules", tapeALaFin(u"EXTRAIT N°10"), u""},
        Scenario{"RienTape", [](Auto) {}, u"A"},
        Scenario{"EspaceAvant", tapeALaFin(u" extrait n°10"), u"B"},
        // The space sits before the paragraph mark: only the length test sees it.
        Scenario{"EspaceApres", tapeALaFin(u"extrait n°10 "), u"D"},
        Scenario{"TabulationAvant", tapeALaFin(u"\textrait n°10"), u"C"},
        Scenario{"RetraitDePremiereLigne",
                 [](Auto app) {
                     tapeALaFin(u"extrait n°10")(app);
                     app[u"Selection"][u"ParagraphFormat"].ecrit(u"FirstLineIndent", 35.45f);
                 },
                 u"C"},
        // A left indent is not what the exercise is about.
        Scenario{"RetraitAGauche",
                 [](Auto app) {
                     tapeALaFin(u"extrait n°10")(app);
                     app[u"Selection"][u"ParagraphFormat"].ecrit(u"LeftIndent", 35.45f);
                 },
                 u""},
        Scenario{"MotAvant", tapeALaFin(u"voici extrait n°10"), u"D"},
        Scenario{"ChiffreApres", tapeALaFin(u"extrait n°100"), u"D"},
        // Typed at the end of the text instead of in the empty paragraph.
        Scenario{"TapeeSurLaLigneDAvant",
                 [](Auto app) {
                     app[u"Selection"].fait(u"EndKey", {6});
                     app[u"Selection"].fait(u"MoveLeft", {1, 1});
                     tape(app, u" extrait n°10");
                 },
                 u"A"}),
    nomScenario);

// A later right answer does not clear the code of an earlier check.
TEST(Question0106, UnCodeResteApresUneBonneReponse) {
    ExerciceSimule e(106);
    e.teste();
    EXPECT_EQ(e.code(), u"A");
    tapeALaFin(u"extrait n°10")(e.appli());
    e.teste();
    EXPECT_EQ(e.code(), u"A");
}

}  // namespace
}  // namespace k58204::test
