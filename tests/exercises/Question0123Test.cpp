// Question0123: the learner creates a new blank document.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

void nouveau(const Auto& app) { app[u"Documents"].fait(u"Add"); }
void nouveauModele(const Auto& app) { app[u"Documents"].fait(u"Add", {nomme(u"NewTemplate", true)}); }

// Word as the learner started it, with its empty "Document1".
class Question0123 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0123, Verdict) { joue(123, GetParam(), {.documentVierge = true}); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0123,
    ::testing::Values(
        // The active window shows a document open at Prepare.
        Scenario{"Document1DejaOuvert", [](Auto) {}, u"B"},
        Scenario{"NouveauPuisRetourADocument1",
                 [](Auto app) { nouveau(app); app[u"Documents"](u"Item", {1}).fait(u"Activate"); }, u"B"},
        // A document open at Prepare, whatever its window's caption.
        Scenario{"LegendeEnAutreCasse", [](Auto app) { app[u"ActiveWindow"].ecrit(u"Caption", u"DOCUMENT1"); }, u"B"},
        // A template whose window was renamed is still a template.
        Scenario{"NouveauModeleRenomme",
                 [](Auto app) { nouveauModele(app); app[u"ActiveWindow"].ecrit(u"Caption", u"Lettre"); }, u"C"},
        Scenario{"BoutonNouveauRenomme",
                 [](Auto app) {
                     nouveau(app);
                     Auto bouton = app[u"CommandBars"](u"Item", {u"Standard"})[u"Controls"](u"Item", {1});
                     bouton.ecrit(u"Caption", u"Nouveau");
                 },
                 u"C"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
