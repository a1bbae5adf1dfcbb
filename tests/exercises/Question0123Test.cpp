// Question0123: the learner creates a new blank document.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"
#include "word/Texte.hpp"

namespace k58204::test {
namespace {

void nouveau(const Auto& app) { app[u"Documents"].fait(u"Add"); }
void nouveauModele(const Auto& app) { app[u"Documents"].fait(u"Add", {nomme(u"NewTemplate", true)}); }

struct Cas {
    std::string nom;
    // Word as the learner started it: with its empty "Document1", or none.
    bool documentVierge;
    std::function<void(Auto)> actions;
    std::u16string code;
};
std::ostream& operator<<(std::ostream& os, const Cas& c) { return os << c.nom; }

class Question0123 : public ::testing::TestWithParam<Cas> {};

TEST_P(Question0123, Verdict) {
    const Cas& c = GetParam();
    ExerciceSimule e(123, {.documentVierge = c.documentVierge});
    c.actions(e.appli());
    e.teste();
    EXPECT_EQ(versUtf8(e.code()), versUtf8(c.code));
    EXPECT_FALSE(e.bravo());
    EXPECT_EQ(e.complement(), std::vector<std::u16string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0123,
    ::testing::Values(
        Cas{"NouveauDocument", false, nouveau, u""},
        Cas{"NouveauDocumentApresDocument1", true, nouveau, u""},
        Cas{"AucunDocument", false, [](Auto) {}, u"A"},
        Cas{"Document1DejaOuvert", true, [](Auto) {}, u"B"},
        Cas{"NouveauDocumentEnregistre", false,
            [](Auto app) {
                nouveau(app);
                document(app).fait(u"SaveAs", {std::u16string(DossierCours) + u"Nouveau.doc"});
            },
            u"B"},
        Cas{"NouveauPuisRetourADocument1", true,
            [](Auto app) {
                nouveau(app);
                app[u"Documents"](u"Item", {1}).fait(u"Activate");
            },
            u"B"},
        Cas{"NouveauModele", false, nouveauModele, u"C"},
        // A template whose window was renamed is still a template.
        Cas{"NouveauModeleRenomme", false,
            [](Auto app) {
                nouveauModele(app);
                app[u"ActiveWindow"].ecrit(u"Caption", u"Lettre");
            },
            u"C"},
        Cas{"BoutonNouveauRenomme", false,
            [](Auto app) {
                nouveau(app);
                app[u"CommandBars"](u"Item", {u"Standard"})[u"Controls"](u"Item", {1}).ecrit(u"Caption", u"Nouveau");
            },
            u"C"},
        // The window caption is compared with the recorded names exactly.
        Cas{"LegendeEnAutreCasse", true,
            [](Auto app) { app[u"ActiveWindow"].ecrit(u"Caption", u"DOCUMENT1"); }, u""}),
    [](const ::testing::TestParamInfo<Cas>& info) { return info.param.nom; });

// Prepare opens nothing and records the documents open, in Word's order.
TEST(Question0123, PrepareNOuvreRien) {
    ExerciceSimule e(123, {.documentVierge = true});
    EXPECT_EQ(e.appli()[u"Documents"].lit(u"Count").CLng(), 1);
    EXPECT_EQ(e.question().FichiersDeTravail()->count(), 0);
}

}  // namespace
}  // namespace k58204::test
