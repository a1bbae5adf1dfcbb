// The automation seam: VB conversions of Variant, and the tracing decorator
// (that a traced object keeps its identity: the lesson's JSON report in
// tests/host/CommandesTest.cpp, run with --trace).
#include <gtest/gtest.h>

#include <map>

#include "support/NumeroErreur.hpp"
#include "support/ObjetScript.hpp"
#include "word/Modele.hpp"
#include "word/ObjetTrace.hpp"
#include "word/Texte.hpp"
#include "word/Variant.hpp"

using namespace k58204;

namespace {

using test::numeroErreur;

TEST(Variant, TexteDesNombresCommeLesComparentLesVerifications) {
    for (const auto& [v, texte] : std::vector<std::pair<Variant, std::u16string>>{
             {12.0f, u"12"}, {141.75f, u"141.75"}, {0.0f, u"0"}, {-18.0f, u"-18"}, {int32_t{9999999}, u"9999999"},
             {2.5, u"2.5"}, {true, u"True"}, {Variant(), u""}})
        EXPECT_EQ(v.CStr(), texte) << versUtf8(texte);
}

// VB's conversions: half to even, Integer's and Long's bounds, Word's
// booleans (any non-zero Long is True), and Nothing where an object is needed.
TEST(Variant, ConversionsCommeVb) {
    EXPECT_EQ(Variant(2.5).CLng(), 2);
    EXPECT_EQ(Variant(3.5).CLng(), 4);
    EXPECT_EQ(Variant(int32_t{32767}).CInt(), 32767);
    EXPECT_EQ(Variant(u"12").CLng(), 12);
    EXPECT_EQ(numeroErreur([] { (void)Variant(int32_t{32768}).CInt(); }), err::Depassement);
    EXPECT_EQ(numeroErreur([] { (void)Variant(int32_t{-32769}).CInt(); }), err::Depassement);
    EXPECT_EQ(numeroErreur([] { (void)Variant(3e10).CLng(); }), err::Depassement);
    EXPECT_EQ(numeroErreur([] { (void)Variant(u"douze").CLng(); }), err::TypeIncompatible);
    for (const auto& [v, vrai] : std::vector<std::pair<Variant, bool>>{
             {int32_t{-1}, true}, {int32_t{0}, false}, {int32_t{9999999}, true}, {u"True", true}, {u"Faux", false}, {Variant(), false}})
        EXPECT_EQ(v.CBool(), vrai) << versUtf8(v.CStr());
    EXPECT_EQ(numeroErreur([] { (void)Variant().objet(); }), err::ObjetNonDefini);
    EXPECT_EQ(numeroErreur([] { (void)Variant(ObjetPtr()).objet(); }), err::ObjetNonDefini);
    EXPECT_EQ(numeroErreur([] { (void)Variant(int32_t{1}).objet(); }), err::ObjetRequis);
}

// Each row: calls made through the traced "app" (known as Application), and
// the line of the last one. A string argument "@x" stands for the object x:
// the script expects x itself, the traced side passes x's trace.
TEST(ObjetTrace, LignesNommentLesObjetsParLeurChaine) {
    using test::Enfant;
    struct Cas {
        const char* nom;
        std::vector<test::Etape> etapes;
        std::u16string ligne;
    };
    const Erreur introuvable(5941, u"Microsoft Word", u"Le membre requis de la collection n'existe pas.");
    const Cas cas[] = {
        {"membre par defaut sans point",
         {{u"app", u"Documents", Appel::Get, {}, Enfant{u"docs"}}, {u"docs", u"", Appel::Get, {int32_t{1}}, Enfant{u"doc"}}},
         u"(défaut)(1) -> Application.Documents(1)"},
        {"appel sans argument",
         {{u"app", u"Selection", Appel::Get, {}, Enfant{u"sel"}}, {u"sel", u"Range", Appel::Call, {}, Enfant{u"r"}}},
         u"Range() -> Application.Selection.Range()"},
        {"objet et arguments nommes",
         {{u"app", u"Selection", Appel::Get, {}, Enfant{u"sel"}},
          {u"app", u"ActiveDocument", Appel::Get, {}, Enfant{u"doc"}},
          {u"doc", u"Range", Appel::Call, {Argument(u"Start", u"@sel"), Argument(u"End", int32_t{5})}, Enfant{u"r"}}},
         u"Range(Start:=Application.Selection, End:=5) -> "
         u"Application.ActiveDocument.Range(Start:=Application.Selection, End:=5)"},
        {"valeur affectee avec indice", {{u"app", u"Options", Appel::Put, {int32_t{2}, true}, Variant()}}, u"Options(2) = True"},
        {"erreur sur un objet",
         {{u"app", u"Documents", Appel::Get, {}, Enfant{u"docs"}}, {u"docs", u"Item", Appel::Call, {u"z.doc"}, introuvable}},
         u"Item(\"z.doc\") !! erreur 5941 : Le membre requis de la collection n'existe pas."},
        {"aucun objet", {{u"app", u"ActiveWindow", Appel::Get, {}, Variant(ObjetPtr())}}, u"ActiveWindow -> Nothing"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        auto script = test::Script::cree();
        auto journal = std::make_shared<Journal>();
        std::map<std::u16string, ObjetPtr> traces{{u"app", trace(script->objet(u"app"), journal, Chemin(u"Application"))}};
        // "@x" as the script expects it (x), and as the module passes it (x's trace).
        auto remplace = [](Arguments args, auto objet) {
            for (Argument& a : args)
                if (auto t = a.valeur.si<std::u16string>(); t && t->starts_with(u"@")) a.valeur = Variant(objet(t->substr(1)));
            return args;
        };
        for (test::Etape e : c.etapes) {
            e.args = remplace(e.args, [&](const std::u16string& x) { return script->objet(x); });
            script->attend(e);
        }
        for (const test::Etape& e : c.etapes) {
            Arguments args = remplace(e.args, [&](const std::u16string& x) { return traces.at(x); });
            try {
                Variant r = traces.at(e.objet)->invoke(e.membre, e.appel, args);
                if (auto enfant = std::get_if<Enfant>(&e.reponse)) traces[enfant->nom] = r.objet();
            } catch (const Erreur&) {
            }
        }
        EXPECT_TRUE(script->termine()) << script->bilan();
        ASSERT_FALSE(journal->appels().empty());
        EXPECT_EQ(versUtf8(Journal::ligne(journal->appels().back())), versUtf8(c.ligne));
    }
}

// A chain keeps its first link and its last MaillonsMax - 1, and cuts a long
// link, never inside a surrogate pair.
TEST(ObjetTrace, ChainesBornees) {
    auto suivi = [](Chemin c, std::u16string_view membre, int n) {
        for (int i = 0; i < n; ++i) c = c.suivi(membre, Appel::Get, {});
        return c;
    };
    const Chemin app(u"Application");
    EXPECT_EQ(suivi(app, u"Next", 5).texte(), u"Application.Next.Next.Next.Next.Next");
    EXPECT_EQ(suivi(app, u"Next", 6).texte(), u"Application.….Next.Next.Next.Next.Next");
    EXPECT_EQ(suivi(Chemin(), u"Next", 2).texte(), u"Next.Next");
    EXPECT_EQ(suivi(app.suivi(u"Documents", Appel::Get, {}), u"Next", 5).texte(),
              u"Application.….Next.Next.Next.Next.Next");

    for (auto [classe, racine] : {std::pair{u"Word.application.11", u"Application"}, {u"Word.Document.8", u"Document"},
                                  {u"Word.2", u"Word"}, {u"", u""}})
        EXPECT_EQ(versUtf8(Chemin::deClasse(classe).texte()), versUtf8(racine));

    const size_t max = Chemin::LongueurMaillonMax;
    for (const auto& [argument, attendu] : std::vector<std::pair<std::u16string, std::u16string>>{
             // "Item(" + argument + ")" exactly at the limit, then one unit over.
             {std::u16string(max - 6, u'a'), u"Item(" + std::u16string(max - 6, u'a') + u")"},
             {std::u16string(max - 5, u'a'), u"Item(" + std::u16string(max - 6, u'a') + u"…"},
             // The last unit kept would be a high surrogate: the whole pair goes.
             {std::u16string(max - 7, u'a') + u"😀x", u"Item(" + std::u16string(max - 7, u'a') + u"…"},
             {std::u16string(max - 8, u'a') + u"😀x", u"Item(" + std::u16string(max - 8, u'a') + u"😀…"}}) {
        std::u16string t = app.suivi(u"Item", Appel::Call, {argument}).texte();
        EXPECT_EQ(versUtf8(t), versUtf8(u"Application." + attendu));
        EXPECT_LE(t.size() - std::u16string_view(u"Application.").size(), max);
    }
}

// Quit whose server ends before its reply is Word having quit; a Word gone
// before the call (462) and Word's own refusals stay errors.
TEST(Application, QuitInterrompuParLaFinDuServeur) {
    for (const auto& [numero, quitte] : std::vector<std::pair<int64_t, bool>>{
             {0x800706BEu, true}, {0x800706BFu, true}, {0x80010007u, true}, {0x80010012u, true},
             {err::ServeurIndisponible, false}, {0x800706BAu, false}, {0x80010001u, false}, {4198, false}}) {
        const auto n = static_cast<int32_t>(numero);
        SCOPED_TRACE(n);
        auto script = test::Script::cree();
        script->attend({u"app", u"Quit", Appel::Call, {nomme(u"SaveChanges", 0)}, Erreur(n, u"", u"")});
        EXPECT_EQ(numeroErreur([&] { word::Application(script->objet(u"app")).Quit(0); }), quitte ? 0 : n);
        EXPECT_TRUE(script->termine()) << script->bilan();
    }
}

}  // namespace
