// Question0101: the learner ticks answers in the protected form "Réponses.doc".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Ticks the given check boxes (form fields 1 to 4), as clicks in the form do.
std::function<void(Auto)> coche(std::vector<int32_t> cases) {
    return [cases](Auto app) {
        for (int32_t k : cases) document(app)(u"FormFields", {k})[u"CheckBox"].ecrit(u"Value", true);
    };
}

class Question0101 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0101, Verdict) { joue(101, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0101,
    ::testing::Values(Scenario{"CasesUnEtQuatre", coche({1, 4}), u""},
                      Scenario{"AucuneCase", coche({}), u"A"},
                      Scenario{"CasesUnDeuxEtQuatre", coche({1, 2, 4}), u"B"},
                      Scenario{"CaseUnSeule", coche({1}), u"B"},
                      Scenario{"CasesDeuxEtTrois", coche({2, 3}), u"B"}),
    nomScenario);

// A code once written stays, even when the learner then corrects the answer.
TEST(Question0101, UnCodeResteApresUneBonneReponse) {
    ExerciceSimule e(101);
    e.teste();
    EXPECT_EQ(e.code(), u"A");
    coche({1, 4})(e.appli());
    e.teste();
    EXPECT_EQ(e.code(), u"A");
}

// A form left with three boxes (protection removed, the last box deleted):
// reading the fourth box fails, the error names the class and the procedure,
// and no code is written.
TEST(Question0101, FormulaireATroisCases) {
    ExerciceSimule e(101);
    Auto app = e.appli();
    coche({1})(app);
    document(app).fait(u"Unprotect");
    document(app)(u"FormFields", {4})[u"Range"].fait(u"Delete");
    auto erreur = erreurDe([&] { e.teste(); });
    ASSERT_TRUE(erreur.has_value());
    EXPECT_EQ(erreur->numero, 5941);
    EXPECT_NE(erreur->source.find(u"CLASSE Question0101"), std::u16string::npos);
    EXPECT_NE(erreur->source.find(u"SERVICE TestePoint"), std::u16string::npos);
    EXPECT_EQ(e.code(), u"");
}

}  // namespace
}  // namespace k58204::test
