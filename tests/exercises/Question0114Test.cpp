// Question0114: the learner indents paragraphs: "s01" and "s02" to the left,
// "s04" and "s05" on their first line, "s03" not at all.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Selects the marked paragraph and sets an indent through the paragraph settings.
void retrait(const Auto& app, const std::u16string& nom, std::u16string_view propriete, float points) {
    selectionneSignet(app, nom);
    app[u"Selection"][u"ParagraphFormat"].ecrit(propriete, points);
}
void gauche(const Auto& app, const std::u16string& nom, float points = 36) {
    retrait(app, nom, u"LeftIndent", points);
}
void premiereLigne(const Auto& app, const std::u16string& nom, float points = 36) {
    retrait(app, nom, u"FirstLineIndent", points);
}
// Presses Tab at the start of the marked paragraph.
void tabulation(const Auto& app, const std::u16string& nom) {
    const int32_t debut = debutSignet(app, nom);
    selectionne(app, debut, debut);
    tape(app, u"\t");
}

// The expected work, less what `sauf` names.
void reponse(const Auto& app, std::u16string_view sauf = u"") {
    if (sauf != u"s01") gauche(app, u"s01");
    if (sauf != u"s02") gauche(app, u"s02");
    if (sauf != u"s04") premiereLigne(app, u"s04");
    if (sauf != u"s05") premiereLigne(app, u"s05");
}

class Question0114 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0114, Verdict) { joue(114, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0114,
    ::testing::Values(
        Scenario{"RetraitsAttendus", [](Auto app) { reponse(app); }, u""},
        Scenario{"RienFait", [](Auto) {}, u"A"},
        Scenario{"S01SansRetraitGauche", [](Auto app) { reponse(app, u"s01"); }, u"A"},
        Scenario{"S02SansRetraitGauche", [](Auto app) { reponse(app, u"s02"); }, u"A"},
        Scenario{"S01RetraitNegatif",
                 [](Auto app) {
                     reponse(app);
                     premiereLigne(app, u"s01", -18);
                 },
                 u"F"},
        Scenario{"S02RetraitNegatif",
                 [](Auto app) {
                     reponse(app);
                     premiereLigne(app, u"s02", -18);
                 },
                 u"F"},
        Scenario{"S03RetraitGauche",
                 [](Auto app) {
                     reponse(app);
                     gauche(app, u"s03");
                 },
                 u"E"},
        Scenario{"S04RetraitGaucheEnPlus",
                 [](Auto app) {
                     reponse(app);
                     gauche(app, u"s04");
                 },
                 u"E"},
        Scenario{"S05RetraitGaucheAuLieuDePremiereLigne",
                 [](Auto app) {
                     reponse(app, u"s05");
                     gauche(app, u"s05");
                 },
                 u"E"},
        // A tab typed at the start counts even with the first-line indent set.
        Scenario{"S04TabulationEtPremiereLigne",
                 [](Auto app) {
                     reponse(app);
                     tabulation(app, u"s04");
                 },
                 u"D"},
        Scenario{"S05TabulationSeulement",
                 [](Auto app) {
                     reponse(app, u"s05");
                     tabulation(app, u"s05");
                 },
                 u"D"},
        Scenario{"S04SansPremiereLigne", [](Auto app) { reponse(app, u"s04"); }, u"B"},
        Scenario{"S05SansPremiereLigne", [](Auto app) { reponse(app, u"s05"); }, u"B"},
        Scenario{"S03PremiereLigne",
                 [](Auto app) {
                     reponse(app);
                     premiereLigne(app, u"s03");
                 },
                 u"C"},
        Scenario{"S01PremiereLignePositive",
                 [](Auto app) {
                     reponse(app);
                     premiereLigne(app, u"s01", 18);
                 },
                 u"C"},
        Scenario{"S02PremiereLignePositive",
                 [](Auto app) {
                     reponse(app);
                     premiereLigne(app, u"s02", 18);
                 },
                 u"C"},
        // "s01" split in two paragraphs, only the second indented: its left
        // indent is undefined (9999999), which is not 0.
        Scenario{"S01CoupeRetraitsDifferents",
                 [](Auto app) {
                     reponse(app, u"s01");
                     const int32_t debut = debutSignet(app, u"s01");
                     selectionne(app, debut + 10, debut + 10);
                     app[u"Selection"].fait(u"TypeParagraph");
                     selectionne(app, debut + 12, debut + 12);
                     app[u"Selection"][u"ParagraphFormat"].ecrit(u"LeftIndent", 36.0f);
                 },
                 u""}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
