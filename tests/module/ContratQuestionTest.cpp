// The exercise contract: the standard Prepare's failure, Fermer.
#include <gtest/gtest.h>

#include "exercises/Questions.hpp"
#include "support/ObjetScript.hpp"
#include "support/PlateformeVide.hpp"

using namespace k58204;

namespace {

TEST(PrepareStandard, EchecReleveAvecLaClasseEtRienNEstDefait) {
    test::FichiersAbsents fs;
    auto script = test::Script::cree();
    Erreur introuvable(5174, u"Microsoft Word", u"Ce fichier est introuvable.");
    script->attend({u"app", u"Documents", Appel::Get, {}, test::Enfant{u"docs"}})
        .attend({u"docs", u"Open", Appel::Call, {u"C:\\Cours\\K58204Réponses.doc"}, introuvable});
    auto q = CreeQuestion(101, fs);
    word::Application app(script->objet(u"app"));
    try {
        // A working folder without its final backslash runs into the name.
        q->Prepare(app, u"C:\\Cours\\K58204");
        FAIL() << "Prepare should fail";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.numero(), 5174);
        EXPECT_EQ(e.source(), u"DLL K58204 - CLASSE Question0101\n\r - SERVICE Prepare - OBJET Microsoft Word");
        EXPECT_EQ(e.description(), introuvable.description());
    }
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
