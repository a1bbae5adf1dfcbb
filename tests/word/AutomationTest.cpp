// The automation seam: VB conversions of Variant, text helpers on UTF-16
// units, object identity, and the tracing decorator.
#include <gtest/gtest.h>

#include "support/NumeroErreur.hpp"
#include "support/ObjetScript.hpp"
#include "word/ObjetTrace.hpp"
#include "word/Texte.hpp"
#include "word/Variant.hpp"

using namespace k58204;

namespace {

using test::numeroErreur;

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
    ObjetPtr app = trace(script->objet(u"app"), journal);
    ObjetPtr docs = app->get(u"Documents").objet();
    EXPECT_THROW(docs->call(u"Item", {u"x.doc"}), Erreur);
    EXPECT_EQ(docs->get(u"Count").CLng(), 2);
    EXPECT_TRUE(estLeMeme(docs, script->objet(u"docs")));
    EXPECT_TRUE(script->termine()) << script->bilan();

    ASSERT_EQ(journal->nombre(), 3u);
    EXPECT_EQ(Journal::ligne(journal->appels()[0]), u"Documents -> [objet]");
    EXPECT_EQ(Journal::ligne(journal->appels()[1]), u"Item(\"x.doc\") !! erreur 4160 : Nom de fichier incorrect.");
    EXPECT_EQ(Journal::ligne(journal->appels()[2]), u"Count -> 2");
}

}  // namespace
