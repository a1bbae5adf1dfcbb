// Module before any exercise and without Word: the host's properties, a
// check with no Word window, Fermer with nothing current, a first
// InitQuestion that can neither attach to nor start Word.
#include <gtest/gtest.h>

#include "support/NumeroErreur.hpp"
#include "exercises/Questions.hpp"
#include "module/Module.hpp"
#include "support/ObjetScript.hpp"
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
    const auto e = test::erreurDe([&] { m.InitQuestion(104, u"C:\\Cours\\K58204\\", application, handle); });
    ASSERT_TRUE(e) << "InitQuestion should fail";
    EXPECT_EQ(e->numero(), err::CreationImpossible);
    EXPECT_NE(e->source().find(u"SERVICE GetApplication"), std::u16string::npos);
    EXPECT_EQ(application, nullptr);
}

// ================================================================ the exercise contract
// The exercise contract: the standard Prepare's failure, Fermer.
TEST(PrepareStandard, EchecReleveAvecLaClasseEtRienNEstDefait) {
    test::FichiersAbsents fs;
    auto script = test::Script::cree();
    Erreur introuvable(5174, u"Microsoft Word", u"Ce fichier est introuvable.");
    script->attend({u"app", u"Documents", Appel::Get, {}, test::Enfant{u"docs"}})
        .attend({u"docs", u"Open", Appel::Call, {u"C:\\Cours\\K58204Réponses.doc"}, introuvable});
    auto q = CreeQuestion(101, fs);
    word::Application app(script->objet(u"app"));
    // A working folder without its final backslash runs into the name.
    const auto e = test::erreurDe([&] { q->Prepare(app, u"C:\\Cours\\K58204"); });
    ASSERT_TRUE(e) << "Prepare should fail";
    EXPECT_EQ(e->numero(), 5174);
    EXPECT_EQ(e->source(), u"DLL K58204 - CLASSE Question0101\n\r - SERVICE Prepare - OBJET Microsoft Word");
    EXPECT_EQ(e->description(), introuvable.description());
    EXPECT_TRUE(script->termine()) << script->bilan();
    EXPECT_EQ(q->PathDossierParDefaut(), u"C:\\Cours\\K58204");
}

TEST(Fermer, DeuxFoisEtCollectionVideEnsuite) {
    test::FichiersAbsents fs;
    auto q = CreeQuestion(110, fs);
    q->Fermer();
    q->Fermer();
    EXPECT_EQ(q->FichiersDeTravail()->count(), 0);
    EXPECT_EQ(q->ComplementInfo(), nullptr);
}

}  // namespace
