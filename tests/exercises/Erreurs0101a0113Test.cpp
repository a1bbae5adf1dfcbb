// Exercises 101 to 113 when Word fails under them: the error is raised again
// with the class name and the procedure, and no code is written.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"
#include "word/Texte.hpp"

namespace k58204::test {
namespace {

void attendContexte(const std::optional<ErreurLevee>& erreur, int32_t numero, const std::u16string& service) {
    ASSERT_TRUE(erreur.has_value());
    const std::u16string classe = u"CLASSE Question0" + depuisUtf8(std::to_string(numero));
    EXPECT_NE(erreur->source.find(classe), std::u16string::npos) << versUtf8(erreur->source);
    EXPECT_NE(erreur->source.find(u"SERVICE " + service), std::u16string::npos) << versUtf8(erreur->source);
}

class ErreursQuestions : public ::testing::TestWithParam<int32_t> {};

// Word gone after preparation: the check fails, the code stays empty.
TEST_P(ErreursQuestions, TestePointQuandWordADisparu) {
    ExerciceSimule e(GetParam());
    e.instance().disparait();
    auto erreur = erreurDe([&] { e.teste(); });
    attendContexte(erreur, GetParam(), u"TestePoint");
    EXPECT_EQ(erreur->numero, 462);
    EXPECT_EQ(e.code(), u"");
    EXPECT_FALSE(e.bravo());
}

// Word gone before preparation: every Prepare that calls Word fails.
// Question0103's makes no Word call.
TEST_P(ErreursQuestions, PrepareQuandWordADisparu) {
    ExerciceSimule e(GetParam(), {.prepare = false});
    e.instance().disparait();
    auto erreur = erreurDe([&] { e.prepare(); });
    if (GetParam() == 103) {
        EXPECT_FALSE(erreur.has_value());
        return;
    }
    attendContexte(erreur, GetParam(), u"Prepare");
}

INSTANTIATE_TEST_SUITE_P(Questions, ErreursQuestions, ::testing::Range(101, 114));

// The course document missing from the working folder: Prepare fails, and
// what it did before the failure stays (the supplementary information of
// Question0104 and Question0105).
TEST(ErreursQuestions, DocumentAbsentALaPreparation) {
    for (int32_t numero : {104, 105, 109}) {
        ExerciceSimule e(numero, {.prepare = false});
        e.poste().fichiers().Kill(std::u16string(DossierCours) + u"Voyage à CANGO.doc");
        auto erreur = erreurDe([&] { e.prepare(); });
        attendContexte(erreur, numero, u"Prepare");
        EXPECT_EQ(e.complement().has_value(), numero != 109) << numero;
        EXPECT_EQ(e.question().PathDossierParDefaut(), DossierCours);
    }
}

}  // namespace
}  // namespace k58204::test
