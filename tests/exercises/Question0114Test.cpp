// Question0114: the learner indents paragraphs: "s01" and "s02" to the left,
// "s04" and "s05" on their first line, "s03" not at all.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

using Geste = std::function<void(const Auto&)>;

// Selects the marked paragraph and sets an indent through the paragraph settings.
Geste retrait(std::u16string nom, std::u16string propriete, float points) {
    return [=](const Auto& app) {
        selectionneSignet(app, nom);
        app[u"Selection"][u"ParagraphFormat"].ecrit(propriete, points);
    };
}
Geste gauche(std::u16string nom, float points = 36) { return retrait(nom, u"LeftIndent", points); }
Geste premiereLigne(std::u16string nom, float points = 36) { return retrait(nom, u"FirstLineIndent", points); }
// Presses Tab at the start of the marked paragraph.
Geste tabulation(std::u16string nom) {
    return [=](const Auto& app) {
        selectionne(app, debutSignet(app, nom), debutSignet(app, nom));
        tape(app, u"\t");
    };
}

// The expected work, less what is done on the paragraph `sauf`, then `ensuite`.
std::function<void(Auto)> reponse(std::u16string sauf = u"", Geste ensuite = [](const Auto&) {}) {
    return [=](Auto app) {
        for (const char16_t* nom : {u"s01", u"s02"})
            if (nom != sauf) gauche(nom)(app);
        for (const char16_t* nom : {u"s04", u"s05"})
            if (nom != sauf) premiereLigne(nom)(app);
        ensuite(app);
    };
}

class Question0114 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0114, Verdict) { joue(114, GetParam()); }

// The tests run in the order A, F, E, D, B, C: each row breaks one of them
// while a later one would also fail.
INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0114,
    ::testing::Values(
        Scenario{"S02RetraitNegatif", reponse(u"", premiereLigne(u"s02", -18)), u"F"},
        Scenario{"S05RetraitGaucheAuLieuDePremiereLigne", reponse(u"s05", gauche(u"s05")), u"E"},
        // A tab typed at the start counts even with the first-line indent set.
        Scenario{"S04TabulationEtPremiereLigne", reponse(u"", tabulation(u"s04")), u"D"},
        Scenario{"S01PremiereLignePositive", reponse(u"", premiereLigne(u"s01", 18)), u"C"},
        // "s01" split in two paragraphs, only the second indented: its left
        // indent is undefined (9999999), which is not 0.
        Scenario{"S01CoupeRetraitsDifferents",
                 reponse(u"s01",
                         [](const Auto& app) {
                             const int32_t debut = debutSignet(app, u"s01");
                             selectionne(app, debut + 10, debut + 10);
                             app[u"Selection"].fait(u"TypeParagraph");
                             selectionne(app, debut + 12, debut + 12);
                             app[u"Selection"][u"ParagraphFormat"].ecrit(u"LeftIndent", 36.0f);
                         }),
                 u""}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
