// Module before any exercise and without Word: the host's properties, a
// check with no Word window, Fermer with nothing current, a first
// InitQuestion that can neither attach to nor start Word.
#include <gtest/gtest.h>

#include "support/NumeroErreur.hpp"
#include "module/Module.hpp"
#include "support/PlateformeVide.hpp"

using namespace k58204;

namespace {

using test::numeroErreur;

TEST(ModuleSansWord, ProprietesAvantToutExercice) {
    test::PlateformeVide p;
    Module m(p.plateforme());
    EXPECT_FALSE(m.ErreurGenerale());
    EXPECT_EQ(numeroErreur([&] { (void)m.BravoNuance(); }), err::ObjetNonDefini);
    EXPECT_EQ(numeroErreur([&] { (void)m.Complement(); }), err::ObjetNonDefini);
    EXPECT_EQ(numeroErreur([&] { (void)m.CauseErreur(); }), err::ObjetNonDefini);
}

TEST(ModuleSansWord, SansFenetreDeWordLeCodeGeneralEstAM) {
    test::PlateformeVide p;
    Module m(p.plateforme());
    m.TestePoint();
    EXPECT_TRUE(m.ErreurGenerale());
    EXPECT_EQ(m.CauseErreur(), u"AM");  // even with no exercise current
    EXPECT_EQ(numeroErreur([&] { (void)m.BravoNuance(); }), err::ObjetNonDefini);
}

TEST(ModuleSansWord, PremierInitQuestionSansWordPossible) {
    test::PlateformeVide p;
    Module m(p.plateforme());
    ObjetPtr application;
    int32_t handle = -1;
    try {
        m.InitQuestion(104, u"C:\\Cours\\K58204\\", application, handle);
        FAIL() << "InitQuestion should fail";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.numero(), err::CreationImpossible);
        EXPECT_NE(e.source().find(u"SERVICE GetApplication"), std::u16string::npos);
    }
    EXPECT_EQ(application, nullptr);
}

}  // namespace
