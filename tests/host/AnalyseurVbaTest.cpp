// The VBA parser: the tree of what it accepts, and a clear message for what
// it refuses.
#include <gtest/gtest.h>

#include "host/AnalyseurVba.hpp"
#include "host/Constantes.hpp"
#include "host/ErreurSyntaxe.hpp"
#include "host/Evaluateur.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon {
namespace {

TEST(AnalyseurVba, AppelSansParenthesesArgumentsNommesEtConstantes) {
    Instruction i = analyseInstruction(u"Selection.GoTo What:=wdGoToBookmark, Name:=\"s02\"");
    ASSERT_EQ(i.genre, Instruction::Genre::Appel);
    ASSERT_EQ(i.cible.size(), 2u);
    EXPECT_EQ(i.cible[0].membre, u"Selection");
    const Maillon& m = i.cible[1];
    EXPECT_EQ(m.membre, u"GoTo");
    EXPECT_FALSE(m.parentheses);
    ASSERT_EQ(m.arguments.size(), 2u);
    EXPECT_EQ(m.arguments[0].nom, u"What");
    EXPECT_EQ(m.arguments[0].valeur->genre, Expression::Genre::Litteral);
    EXPECT_EQ(m.arguments[0].valeur->nom, u"wdGoToBookmark");
    EXPECT_EQ(m.arguments[0].valeur->valeur, Variant(int32_t{-1}));
    EXPECT_EQ(m.arguments[1].nom, u"Name");
}

TEST(AnalyseurVba, AffectationAvecArgumentsEtLitterauxNegatifs) {
    Instruction i = analyseInstruction(u"Options.DefaultFilePath(0) = -2147483648");
    ASSERT_EQ(i.genre, Instruction::Genre::Affectation);
    EXPECT_TRUE(i.cible.back().parentheses);
    ASSERT_EQ(i.cible.back().arguments.size(), 1u);
    EXPECT_EQ(i.valeur->genre, Expression::Genre::Litteral);
    EXPECT_EQ(i.valeur->valeur, Variant(int32_t{-2147483647 - 1}));
    EXPECT_EQ(analyseExpression(u"2147483648")->valeur, Variant(2147483648.0));
    EXPECT_EQ(analyseExpression(u"12.5")->valeur, Variant(12.5));
}

TEST(AnalyseurVba, ExpressionsConstantes) {
    struct Cas {
        const char16_t* texte;
        Variant valeur;
    };
    for (const Cas& c : {Cas{u"\"a\" & vbCr & Chr(9) & 1", Variant(u"a\r\t1")}, Cas{u"TRUE", Variant(true)},
                         Cas{u"-(3)", Variant(int32_t{-3})}, Cas{u"WDLINE", Variant(int32_t{5})},
                         Cas{u"vbCrLf", Variant(u"\r\n")}, Cas{u"\"\"\"\"", Variant(u"\"")}}) {
        auto v = valeurConstante(*analyseExpression(c.texte));
        ASSERT_TRUE(v) << versUtf8(c.texte);
        EXPECT_EQ(*v, c.valeur) << versUtf8(c.texte);
    }
    EXPECT_FALSE(valeurConstante(*analyseExpression(u"\"x\" & ActiveDocument.Name")));
    EXPECT_FALSE(valeurConstante(*analyseExpression(u"Dir(\"C:\\x\")")));
}

TEST(AnalyseurVba, LaTableDesConstantesConnaitCeQueLesLeconsUtilisent) {
    for (const char16_t* nom :
         {u"wdLine", u"wdStory", u"wdCharacter", u"wdWord", u"wdParagraph", u"wdExtend", u"wdMove", u"wdCollapseStart",
          u"wdCollapseEnd", u"wdGoToBookmark", u"wdAlignParagraphLeft", u"wdAlignParagraphCenter",
          u"wdAlignParagraphRight", u"wdAlignParagraphJustify", u"wdLineSpaceSingle", u"wdLineSpace1pt5",
          u"wdLineSpaceDouble", u"wdLineSpaceExactly", u"wdOrientPortrait", u"wdOrientLandscape", u"wdColorBlue",
          u"wdColorRed", u"wdColorAutomatic", u"wdYellow", u"wdNoHighlight", u"wdLineWidth050pt", u"wdLineWidth075pt",
          u"wdLineWidth150pt", u"wdBorderTop", u"wdBorderLeft", u"wdBorderBottom", u"wdBorderRight", u"wdPrintView",
          u"wdNormalView", u"wdCentimeters", u"wdInches", u"wdDoNotSaveChanges", u"wdSaveChanges", u"msoBarTop",
          u"msoBarBottom", u"msoBarFloating", u"vbCr", u"vbTab"}) {
        EXPECT_TRUE(constante(nom)) << versUtf8(nom);
        EXPECT_TRUE(ressembleAUneConstante(nom)) << versUtf8(nom);
    }
    EXPECT_EQ(*constante(u"wdColorBlue"), Variant(int32_t{16711680}));
    EXPECT_EQ(*constante(u"wdLineSpace1pt5"), Variant(int32_t{1}));
    EXPECT_FALSE(ressembleAUneConstante(u"Words"));
    EXPECT_FALSE(ressembleAUneConstante(u"vba"));
}

struct CasErreur {
    const char* texte;
    const char* message;  // a fragment of the message
};

class ErreursInstruction : public testing::TestWithParam<CasErreur> {};

TEST_P(ErreursInstruction, SontClaires) {
    try {
        analyseInstruction(depuisUtf8(GetParam().texte));
        FAIL() << "accepté : " << GetParam().texte;
    } catch (const ErreurSyntaxe& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lecon, ErreursInstruction,
    testing::Values(CasErreur{"Selection.TypeText \"abc", "chaîne non terminée"},
                    CasErreur{"Selection.Font.Size = 1.2.3", "nombre mal écrit « 1.2.3 » (colonne 23)"},
                    CasErreur{"Selection.Font.Size = 12abc", "nombre mal écrit « 12abc »"},
                    CasErreur{"Selection.Font.Size = 12.", "nombre mal écrit « 12. »"},
                    CasErreur{"Selection.HomeKey wdLigne", "constante inconnue « wdLigne »"},
                    CasErreur{"wdLine.Select", "n'est pas un membre de Word"},
                    CasErreur{"ActiveDocument.Bookmarks(\"s01\".Range.Bold = True", "parenthèses déséquilibrées : « ( » jamais fermée"},
                    CasErreur{"ActiveDocument.Bookmarks(\"s01\")).Select", "parenthèses déséquilibrées : « ) » sans « ( »"},
                    CasErreur{"Selection.TypeText “x”", "caractère inattendu « “ »"},
                    CasErreur{"Selection.GoTo What:=wdGoToBookmark, \"s02\"", "argument positionnel"},
                    CasErreur{"Selection.TypeText \"a\",", "argument manquant"},
                    CasErreur{"Selection.TypeText(\"a\") \"b\"", "après un appel entre parenthèses"},
                    CasErreur{"= 3", "membre de Word attendu"},
                    CasErreur{"Selection..Text = 1", "nom de membre attendu"},
                    CasErreur{"Selection.Text = Chr(1, 2)", "Chr attend 1 argument"},
                    CasErreur{"Selection.Text =", "expression attendue, trouvé la fin de la ligne"},
                    CasErreur{"Selection.Text = 1 2", "« 2 » (colonne 20) inattendu"},
                    CasErreur{"Selection.Text : Selection.Copy", "caractère inattendu « : »"}));

}  // namespace
}  // namespace k58204::lecon
