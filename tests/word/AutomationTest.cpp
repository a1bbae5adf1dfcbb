// The automation seam: VB conversions of Variant, text helpers on UTF-16
// units, object identity, and the tracing decorator.
#include <gtest/gtest.h>

#include <map>

#include "support/NumeroErreur.hpp"
#include "support/ObjetScript.hpp"
#include "word/ObjetTrace.hpp"
#include "word/Texte.hpp"
#include "word/Variant.hpp"

using namespace k58204;

namespace {

using test::numeroErreur;

Argument argumentNomme(std::u16string nom, int32_t valeur) {
    Argument a(valeur);
    a.nom = std::move(nom);
    return a;
}

TEST(Variant, TexteDesNombresCommeLesComparentLesVerifications) {
    struct Cas {
        Variant v;
        std::u16string texte;
    } cas[] = {
        {Variant(12.0f), u"12"},          {Variant(12.5f), u"12.5"},   {Variant(141.75f), u"141.75"},
        {Variant(0.0f), u"0"},            {Variant(-18.0f), u"-18"},   {Variant(int32_t{9999999}), u"9999999"},
        {Variant(int32_t{-1}), u"-1"},    {Variant(2.5), u"2.5"},      {Variant(true), u"True"},
        {Variant(), u""},                 {Variant(u"abc"), u"abc"},
    };
    for (const auto& c : cas) EXPECT_EQ(c.v.CStr(), c.texte) << versUtf8(c.texte);
}

TEST(Variant, ConversionsEntieresArrondiesEtBornees) {
    EXPECT_EQ(Variant(2.5).CLng(), 2);  // half to even, as VB
    EXPECT_EQ(Variant(3.5).CLng(), 4);
    EXPECT_EQ(Variant(int32_t{32767}).CInt(), 32767);
    EXPECT_EQ(numeroErreur([] { (void)Variant(int32_t{32768}).CInt(); }), err::Depassement);
    EXPECT_EQ(numeroErreur([] { (void)Variant(int32_t{-32769}).CInt(); }), err::Depassement);
    EXPECT_EQ(numeroErreur([] { (void)Variant(3e10).CLng(); }), err::Depassement);
    EXPECT_EQ(numeroErreur([] { (void)Variant(u"douze").CLng(); }), err::TypeIncompatible);
    EXPECT_EQ(Variant(u"12").CLng(), 12);
}

TEST(Variant, BooleensDeWord) {
    EXPECT_TRUE(Variant(int32_t{-1}).CBool());
    EXPECT_FALSE(Variant(int32_t{0}).CBool());
    EXPECT_TRUE(Variant(int32_t{9999999}).CBool());
    EXPECT_TRUE(Variant(u"True").CBool());
    EXPECT_FALSE(Variant(u"Faux").CBool());
    EXPECT_FALSE(Variant().CBool());
}

TEST(Variant, ObjetAbsentOuAutreType) {
    EXPECT_EQ(numeroErreur([] { (void)Variant().objet(); }), err::ObjetNonDefini);
    EXPECT_EQ(numeroErreur([] { (void)Variant(ObjetPtr()).objet(); }), err::ObjetNonDefini);
    EXPECT_EQ(numeroErreur([] { (void)Variant(int32_t{1}).objet(); }), err::ObjetRequis);
}

TEST(Texte, UnitesUtf16EtMinuscules) {
    EXPECT_EQ(LCase(u"VOYAGE À CANGO.DOC"), u"voyage à cango.doc");
    EXPECT_EQ(LCase(u"ÉTÉ Ça"), u"été ça");
    EXPECT_EQ(InStr(u"extrait n°10", u"n°10"), 9);
    EXPECT_EQ(InStr(3, u"a.b.c", u"."), 4);
    EXPECT_EQ(InStr(u"abc", u"z"), 0);
    EXPECT_EQ(InStrRev(u"C:\\a\\b\\", u"\\"), 7);
    EXPECT_EQ(Right(u"Voyage à CANGO.doc", 4), u".doc");
    EXPECT_EQ(Left(u"abc", 10), u"abc");
    EXPECT_EQ(Mid(u"abcdef", 2, 3), u"bcd");
    EXPECT_EQ(depuisUtf8(versUtf8(u"n°10 – 😀")), u"n°10 – 😀");
}

TEST(ObjetTrace, EnregistreLesAppelsImbriquesEtGardeLIdentite) {
    auto script = test::Script::cree();
    script->attend({u"app", u"Documents", Appel::Get, {}, test::Enfant{u"docs"}})
        .attend({u"docs", u"Item", Appel::Call, {u"x.doc"}, Erreur(4160, u"Microsoft Word", u"Nom de fichier incorrect.")})
        .attend({u"docs", u"Count", Appel::Get, {}, Variant(int32_t{2})});
    auto journal = std::make_shared<Journal>();
    ObjetPtr app = trace(script->objet(u"app"), journal, Chemin(u"Application"));
    ObjetPtr docs = app->get(u"Documents").objet();
    EXPECT_THROW(docs->call(u"Item", {u"x.doc"}), Erreur);
    EXPECT_EQ(docs->get(u"Count").CLng(), 2);
    EXPECT_TRUE(estLeMeme(docs, script->objet(u"docs")));
    EXPECT_TRUE(script->termine()) << script->bilan();

    ASSERT_EQ(journal->nombre(), 3u);
    EXPECT_EQ(Journal::ligne(journal->appels()[0]), u"Documents -> Application.Documents");
    EXPECT_EQ(Journal::ligne(journal->appels()[1]), u"Item(\"x.doc\") !! erreur 4160 : Nom de fichier incorrect.");
    EXPECT_EQ(Journal::ligne(journal->appels()[2]), u"Count -> 2");
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
        {"propriete puis methode",
         {{u"app", u"Documents", Appel::Get, {}, Enfant{u"docs"}},
          {u"docs", u"Item", Appel::Call, {u"Réponses.doc"}, Enfant{u"doc"}}},
         u"Item(\"Réponses.doc\") -> Application.Documents.Item(\"Réponses.doc\")"},
        {"membre par defaut sans point",
         {{u"app", u"Documents", Appel::Get, {}, Enfant{u"docs"}},
          {u"docs", u"", Appel::Get, {int32_t{1}}, Enfant{u"doc"}}},
         u"(défaut)(1) -> Application.Documents(1)"},
        {"appel sans argument",
         {{u"app", u"Selection", Appel::Get, {}, Enfant{u"sel"}},
          {u"sel", u"Range", Appel::Call, {}, Enfant{u"r"}}},
         u"Range() -> Application.Selection.Range()"},
        {"arguments nommes",
         {{u"app", u"ActiveDocument", Appel::Get, {}, Enfant{u"doc"}},
          {u"doc", u"Range", Appel::Call, {argumentNomme(u"Start", 0), argumentNomme(u"End", 5)}, Enfant{u"r"}}},
         u"Range(Start:=0, End:=5) -> Application.ActiveDocument.Range(Start:=0, End:=5)"},
        {"objet en argument",
         {{u"app", u"Selection", Appel::Get, {}, Enfant{u"sel"}},
          {u"app", u"ActiveDocument", Appel::Get, {}, Enfant{u"doc"}},
          {u"doc", u"Bookmarks", Appel::Get, {}, Enfant{u"sig"}},
          {u"sig", u"Add", Appel::Call, {u"s01", u"@sel"}, Enfant{u"s"}}},
         u"Add(\"s01\", Application.Selection) -> "
         u"Application.ActiveDocument.Bookmarks.Add(\"s01\", Application.Selection)"},
        {"objet affecte",
         {{u"app", u"Selection", Appel::Get, {}, Enfant{u"sel"}},
          {u"app", u"Cible", Appel::Put, {u"@sel"}, Variant()}},
         u"Cible = Application.Selection"},
        {"valeur affectee avec indice",
         {{u"app", u"Options", Appel::Put, {int32_t{2}, true}, Variant()}},
         u"Options(2) = True"},
        {"erreur sur un objet",
         {{u"app", u"Documents", Appel::Get, {}, Enfant{u"docs"}},
          {u"docs", u"Item", Appel::Call, {u"z.doc"}, introuvable}},
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
    EXPECT_EQ(suivi(app, u"Next", 500).texte(), u"Application.….Next.Next.Next.Next.Next");
    EXPECT_EQ(suivi(Chemin(), u"Next", 2).texte(), u"Next.Next");
    EXPECT_EQ(suivi(app.suivi(u"Documents", Appel::Get, {}), u"Next", 5).texte(),
              u"Application.….Next.Next.Next.Next.Next");

    for (auto [classe, racine] : {std::pair{u"Word.application.11", u"Application"}, {u"Word.Application", u"Application"},
                                  {u"Word.Document.8", u"Document"}, {u"Application", u"Application"},
                                  {u"Word.2", u"Word"}, {u"", u""}})
        EXPECT_EQ(versUtf8(Chemin::deClasse(classe).texte()), versUtf8(racine));

    const size_t max = Chemin::LongueurMaillonMax;
    struct Cas {
        std::u16string argument;
        std::u16string attendu;  // the link after "Application."
    } cas[] = {
        // "Item(" + argument + ")" exactly at the limit, then one unit over.
        {std::u16string(max - 6, u'a'), u"Item(" + std::u16string(max - 6, u'a') + u")"},
        {std::u16string(max - 5, u'a'), u"Item(" + std::u16string(max - 6, u'a') + u"…"},
        // The last unit kept would be a high surrogate: the whole pair goes.
        {std::u16string(max - 7, u'a') + u"😀x", u"Item(" + std::u16string(max - 7, u'a') + u"…"},
        {std::u16string(max - 8, u'a') + u"😀x", u"Item(" + std::u16string(max - 8, u'a') + u"😀…"},
    };
    for (const auto& c : cas) {
        std::u16string t = app.suivi(u"Item", Appel::Call, {c.argument}).texte();
        EXPECT_EQ(versUtf8(t), versUtf8(u"Application." + c.attendu));
        EXPECT_LE(t.size() - std::u16string_view(u"Application.").size(), max);
    }
}

}  // namespace
