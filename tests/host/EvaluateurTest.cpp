// The evaluator against a recording fake of Word: the member, kind and
// arguments each statement produces, in order.
#include <gtest/gtest.h>

#include <tuple>

#include "FauxWord.hpp"
#include "host/AnalyseurVba.hpp"
#include "host/Evaluateur.hpp"
#include "host/OperationsVba.hpp"
#include "support/NumeroErreur.hpp"

namespace k58204::lecon {
namespace {

using test::FauxFichiers;
using test::FauxObjet;
using test::MondeFaux;
using k58204::test::numeroErreur;

struct Banc {
    std::shared_ptr<MondeFaux> monde = std::make_shared<MondeFaux>();
    FauxFichiers fichiers;
    Evaluateur evaluateur{std::make_shared<FauxObjet>("Application", monde), fichiers};
};

// The member, kind and arguments of each call, in order, where the course's
// lesson would not tell a wrong order or kind from a right one.
TEST(Evaluateur, InstructionsProduisentCesAppels) {
    for (const auto& [instruction, appels] : std::vector<std::pair<const char*, std::vector<std::string>>>{
             {"Selection.GoTo What:=wdGoToBookmark, Name:=\"s02\"",
              {"Application Get Selection()", "Application.Selection Call GoTo(What:=-1, Name:=\"s02\")"}},
             // Without parentheses or arguments, a call; so is VBA's call with one parenthesised argument.
             {"ActiveDocument.Close", {"Application Get ActiveDocument()", "Application.ActiveDocument Call Close()"}},
             {"Selection.TypeText (\"x\")", {"Application Get Selection()", "Application.Selection Call TypeText(\"x\")"}},
             // A put with an argument: the value comes last.
             {"Options.DefaultFilePath(0) = \"C:\\Docs\"",
              {"Application Get Options()", "Application.Options Put DefaultFilePath(0, \"C:\\Docs\")"}},
             {"Selection.ParagraphFormat.LeftIndent = -28.35",
              {"Application Get Selection()", "Application.Selection Get ParagraphFormat()",
               "Application.Selection.ParagraphFormat Put LeftIndent(-28.35#)"}},
             // Arguments read on Word are read after the object they are passed to.
             {"Selection.InsertAfter ActiveDocument.Name",
              {"Application Get Selection()", "Application Get ActiveDocument()", "Application.ActiveDocument Get Name()",
               "Application.Selection Call InsertAfter(\"Voyage.doc\")"}},
             {"Visible = False", {"Application Put Visible(False)"}},
         }) {
        Banc b;
        b.monde->valeurs["Application.ActiveDocument.Name"] = Variant(u"Voyage.doc");
        b.evaluateur.execute(analyseInstruction(depuisUtf8(instruction)));
        EXPECT_EQ(b.monde->journal, appels) << instruction;
    }
}

// ChDrive keeps its argument's first letter; an empty one changes nothing,
// another drive than C: is error 68. Nothing goes to Word.
TEST(Evaluateur, ChDrive) {
    for (const auto& [instruction, appels, numero] : std::vector<std::tuple<const char*, std::vector<std::string>, int32_t>>{
             {"ChDrive \"Cours\"", {"ChDir C:"}, 0}, {"ChDrive \"\"", {}, 0}, {"ChDrive \"D\"", {}, 68}}) {
        Banc b;
        EXPECT_EQ(numeroErreur([&] { b.evaluateur.execute(analyseInstruction(depuisUtf8(instruction))); }), numero)
            << instruction;
        EXPECT_EQ(b.fichiers.journal, appels) << instruction;
        EXPECT_TRUE(b.monde->journal.empty()) << instruction;
    }
    EXPECT_FALSE(valeurConstante(*analyseExpression(u"FileLen(\"x\")")));
}

// An object read gives its default member; a member read on a value asks
// for an object (424).
TEST(Evaluateur, MembreParDefautEtObjetRequis) {
    Banc b;
    b.monde->valeurs["Application.ActiveDocument.Bookmarks."] = Variant(u"texte");
    b.monde->valeurs["Application.ActiveDocument.Name"] = Variant(u"x.doc");
    EXPECT_EQ(b.evaluateur.valeur(*analyseExpression(u"ActiveDocument.Bookmarks(\"s01\")")), Variant(u"texte"));
    EXPECT_EQ(b.monde->journal.back(), "Application.ActiveDocument.Bookmarks Get ()");
    EXPECT_EQ(numeroErreur([&] { b.evaluateur.execute(analyseInstruction(u"ActiveDocument.Name.Delete")); }),
              err::ObjetRequis);
}

TEST(OperationsVba, EgalitesCommeVba) {
    struct Cas {
        Variant obtenu, attendu;
        bool egal;
    };
    for (const Cas& c : std::vector<Cas>{
             {int32_t{3}, 3.0, true},
             // A Single read on Word equals the decimal written in the script.
             {28.35f, 28.35, true}, {28.35f, 28.4, false},
             // Word's Bold is a Long: True is -1, mixed is 9999999.
             {int32_t{-1}, true, true}, {int32_t{9999999}, true, false}, {true, false, false},
             {u"Abc", u"abc", false}, {u"3", int32_t{3}, true}, {u"abc", int32_t{0}, false},
             {Variant(), u"", true}, {Variant(), int32_t{0}, true}, {Variant(), u"x", false},
             {u"", int32_t{0}, false}, {Variant(ObjetPtr()), int32_t{0}, false}}) {
        EXPECT_EQ(egalVba(c.obtenu, c.attendu), c.egal)
            << versUtf8(representation(c.obtenu)) << " = " << versUtf8(representation(c.attendu));
    }
}

// Chr follows the Windows code page and refuses the rest; negation keeps
// VBA's type, Long's smallest value becoming a Double and back.
TEST(OperationsVba, ChrEtOppose) {
    EXPECT_EQ(chr(int32_t{146}), Variant(u"’"));
    EXPECT_EQ(chr(int32_t{128}), Variant(u"€"));
    EXPECT_EQ(chrW(int32_t{-1}), Variant(u"\uFFFF"));
    for (int32_t n : {-1, 256}) EXPECT_THROW(chr(n), Erreur) << n;
    EXPECT_EQ(oppose(int32_t{5}), Variant(int32_t{-5}));
    EXPECT_EQ(oppose(true), Variant(int32_t{1}));
    EXPECT_EQ(oppose(int32_t{-2147483647 - 1}), Variant(2147483648.0));
    EXPECT_EQ(oppose(2147483648.0), Variant(int32_t{-2147483647 - 1}));
    EXPECT_THROW(oppose(Variant(u"abc")), Erreur);
}

}  // namespace
}  // namespace k58204::lecon
