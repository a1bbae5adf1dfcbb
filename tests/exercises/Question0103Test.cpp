// Question0103: the learner opens "Voyage à CANGO.doc" from the working folder.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Copies of the course document the learner may come across: the folder
// Word proposes (the parent of the working folder), and a renamed copy in
// the working folder.
constexpr char16_t CopieParent[] = u"C:\\Cours\\Voyage à CANGO.doc";
constexpr char16_t CopieRenommee[] = u"C:\\Cours\\K58204\\Copie de Voyage à CANGO.doc";
constexpr char16_t Original[] = u"C:\\Cours\\K58204\\Voyage à CANGO.doc";

void ouvre(const Auto& app, const std::u16string& chemin) { app[u"Documents"].fait(u"Open", {chemin}); }

struct Cas {
    std::string nom;
    std::function<void(Auto)> actions;
    std::u16string code;
};
std::ostream& operator<<(std::ostream& os, const Cas& c) { return os << c.nom; }

class Question0103 : public ::testing::TestWithParam<Cas> {};

TEST_P(Question0103, Verdict) {
    ExerciceSimule e(103);
    e.copieCours(u"05820403.doc", CopieParent);
    e.copieCours(u"05820403.doc", CopieRenommee);
    GetParam().actions(e.appli());
    e.teste();
    EXPECT_EQ(e.code(), GetParam().code);
    EXPECT_FALSE(e.bravo());
}

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0103,
    ::testing::Values(
        Cas{"OuvertDepuisLeDossierDeTravail", [](Auto app) { ouvre(app, Original); }, u""},
        Cas{"NomEnAutreCasse", [](Auto app) { ouvre(app, u"c:\\cours\\k58204\\VOYAGE À cango.DOC"); }, u""},
        Cas{"AucunDocument", [](Auto) {}, u"A"},
        // Opened from the folder Word proposes, without going down into the working folder.
        Cas{"OuvertDepuisLeDossierParent", [](Auto app) { ouvre(app, CopieParent); }, u"B"},
        Cas{"CopieRenommeeDuDossierDeTravail", [](Auto app) { ouvre(app, CopieRenommee); }, u"B"},
        // Of two copies, the one opened first decides.
        Cas{"MauvaiseCopieOuverteEnPremier",
            [](Auto app) {
                ouvre(app, CopieParent);
                ouvre(app, Original);
            },
            u"B"},
        Cas{"BonneCopiePuisMauvaiseActive",
            [](Auto app) {
                ouvre(app, Original);
                ouvre(app, CopieParent);
            },
            u"C"},
        Cas{"AutreDocumentActif",
            [](Auto app) {
                ouvre(app, Original);
                app[u"Documents"].fait(u"Add");
            },
            u"C"}),
    [](const ::testing::TestParamInfo<Cas>& i) { return i.param.nom; });

// Word proposes the folder above the working folder; Prepare opens nothing.
TEST(Question0103, DossierParDefautEtPreparation) {
    ExerciceSimule e(103);
    EXPECT_EQ(e.question().PathDossierParDefaut(), u"C:\\Cours\\");
    EXPECT_EQ(e.app().Documents().Count(), 0);
}

}  // namespace
}  // namespace k58204::test
