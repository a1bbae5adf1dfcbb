// The exercise contract: factory, registered documents, default folders,
// the standard Prepare and its failure, Fermer.
#include <gtest/gtest.h>

#include "exercises/Questions.hpp"
#include "support/ObjetScript.hpp"
#include "support/PlateformeVide.hpp"

using namespace k58204;

namespace {

TEST(Fabrique, UneClasseParNumeroDe101A124) {
    test::FichiersAbsents fs;
    struct Cas {
        int32_t numero;
        const char16_t* classe;
    } cas[] = {{100, nullptr}, {101, u"Question0101"}, {112, u"Question0112"}, {124, u"Question0124"}, {125, nullptr}, {-1, nullptr}};
    for (const auto& c : cas) {
        auto q = CreeQuestion(c.numero, fs);
        if (!c.classe) {
            EXPECT_EQ(q, nullptr) << c.numero;
        } else {
            ASSERT_NE(q, nullptr) << c.numero;
            EXPECT_EQ(q->classe(), c.classe);
        }
    }
}

TEST(Fabrique, DocumentsDeTravailEnregistres) {
    test::FichiersAbsents fs;
    for (int32_t n = 101; n <= 124; ++n) {
        auto q = CreeQuestion(n, fs);
        auto f = q->FichiersDeTravail();
        if (n == 102 || n == 123) {
            EXPECT_EQ(f->count(), 0) << n;
            continue;
        }
        ASSERT_EQ(f->count(), 1) << n;
        Fichier attendu;
        if (n == 101) attendu = {u"05820401.doc", u"Réponses.doc", false};
        else if (n == 124) attendu = {u"", u"Application.doc", false};
        else attendu = {u"058204" + std::u16string{char16_t(u'0' + (n - 100) / 10), char16_t(u'0' + (n - 100) % 10)} + u".doc",
                        u"Voyage à CANGO.doc", false};
        EXPECT_EQ(f->Item(1), attendu) << n;
        EXPECT_TRUE(q->PathDossierParDefaut().empty());
        EXPECT_TRUE(q->CauseErreur().empty());
        EXPECT_FALSE(q->BravoNuance());
        EXPECT_EQ(q->ComplementInfo(), nullptr);
    }
}

TEST(PrepareStandard, OuvreLeDossierPlusLeNomPuisActiveLeDocument) {
    test::FichiersAbsents fs;
    auto script = test::Script::cree();
    script->attend({u"app", u"Documents", Appel::Get, {}, test::Enfant{u"docs"}})
        .attend({u"docs", u"Open", Appel::Call, {u"C:\\Cours\\K58204\\Voyage à CANGO.doc"}, test::Enfant{u"doc"}})
        .attend({u"app", u"Documents", Appel::Get, {}, test::Enfant{u"docs"}})
        .attend({u"docs", u"Item", Appel::Call, {u"Voyage à CANGO.doc"}, test::Enfant{u"doc"}})
        .attend({u"doc", u"Activate", Appel::Call, {}});
    auto q = CreeQuestion(106, fs);
    word::Application app(script->objet(u"app"));
    EXPECT_NO_THROW(q->Prepare(app, u"C:\\Cours\\K58204\\", u"C:\\Modèles\\Talvor Modèles\\"));
    EXPECT_TRUE(script->termine()) << script->bilan();
    EXPECT_EQ(q->PathDossierParDefaut(), u"C:\\Cours\\K58204\\");
}

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
