// The evaluator against a recording fake of Word: the member, kind and
// arguments each statement produces, in order.
#include <gtest/gtest.h>

#include "FauxWord.hpp"
#include "host/AnalyseurVba.hpp"
#include "host/Evaluateur.hpp"
#include "host/OperationsVba.hpp"

namespace k58204::lecon {
namespace {

using test::FauxFichiers;
using test::FauxObjet;
using test::MondeFaux;

struct Banc {
    std::shared_ptr<MondeFaux> monde = std::make_shared<MondeFaux>();
    FauxFichiers fichiers;
    Evaluateur evaluateur{std::make_shared<FauxObjet>("Application", monde), fichiers};
};

struct CasInstruction {
    const char* instruction;
    std::vector<std::string> appels;
};

class Instructions : public testing::TestWithParam<CasInstruction> {};

TEST_P(Instructions, ProduisentCesAppels) {
    Banc b;
    b.monde->valeurs["Application.ActiveDocument.Name"] = Variant(u"Voyage.doc");
    b.evaluateur.execute(analyseInstruction(depuisUtf8(GetParam().instruction)));
    EXPECT_EQ(b.monde->journal, GetParam().appels);
}

INSTANTIATE_TEST_SUITE_P(
    Lecon, Instructions,
    testing::Values(
        CasInstruction{"ActiveDocument.Bookmarks(\"s01\").Range.Bold = True",
                       {"Application Get ActiveDocument()", "Application.ActiveDocument Get Bookmarks(\"s01\")",
                        "Application.ActiveDocument.Bookmarks Get Range()",
                        "Application.ActiveDocument.Bookmarks.Range Put Bold(True)"}},
        CasInstruction{"Selection.GoTo What:=wdGoToBookmark, Name:=\"s02\"",
                       {"Application Get Selection()", "Application.Selection Call GoTo(What:=-1, Name:=\"s02\")"}},
        // A statement without parentheses or arguments is a call; so is VBA's call with a parenthesised argument.
        CasInstruction{"ActiveDocument.Close", {"Application Get ActiveDocument()", "Application.ActiveDocument Call Close()"}},
        CasInstruction{"Selection.TypeText (\"x\")", {"Application Get Selection()", "Application.Selection Call TypeText(\"x\")"}},
        CasInstruction{"Selection.TypeText(\"a\" & vbTab & Chr(146) & 3)",
                       {"Application Get Selection()", "Application.Selection Call TypeText(\"a\t’3\")"}},
        // A put with an argument: the value comes last.
        CasInstruction{"Options.DefaultFilePath(0) = \"C:\\Docs\"",
                       {"Application Get Options()", "Application.Options Put DefaultFilePath(0, \"C:\\Docs\")"}},
        CasInstruction{"CommandBars(\"Standard\").Position = msoBarBottom",
                       {"Application Get CommandBars(\"Standard\")", "Application.CommandBars Put Position(3)"}},
        CasInstruction{"Selection.ParagraphFormat.LeftIndent = -28.35",
                       {"Application Get Selection()", "Application.Selection Get ParagraphFormat()",
                        "Application.Selection.ParagraphFormat Put LeftIndent(-28.35#)"}},
        // Arguments read on Word are read after the object they are passed to.
        CasInstruction{"Selection.InsertAfter ActiveDocument.Name",
                       {"Application Get Selection()", "Application Get ActiveDocument()",
                        "Application.ActiveDocument Get Name()", "Application.Selection Call InsertAfter(\"Voyage.doc\")"}},
        CasInstruction{"ChangeFileOpenDirectory \"C:\\Cours\\\"", {"Application Call ChangeFileOpenDirectory(\"C:\\Cours\\\")"}},
        CasInstruction{"Visible = False", {"Application Put Visible(False)"}}));

TEST(Evaluateur, KillVaAuSystemeDeFichiers) {
    Banc b;
    b.evaluateur.execute(analyseInstruction(u"kill(\"C:\\Cours\\x.doc\")"));
    EXPECT_EQ(b.fichiers.journal, std::vector<std::string>{"Kill C:\\Cours\\x.doc"});
    EXPECT_TRUE(b.monde->journal.empty());
}

TEST(Evaluateur, UneLectureRendLaValeurEtUnObjetSeLitParSonMembreParDefaut) {
    Banc b;
    b.monde->valeurs["Application.Documents.Count"] = Variant(int32_t{0});
    b.monde->valeurs["Application.ActiveDocument.Bookmarks."] = Variant(u"texte");
    EXPECT_EQ(b.evaluateur.valeur(*analyseExpression(u"Documents.Count")), Variant(int32_t{0}));
    EXPECT_EQ(b.evaluateur.valeur(*analyseExpression(u"ActiveDocument.Bookmarks(\"s01\")")), Variant(u"texte"));
    EXPECT_EQ(b.monde->journal.back(), "Application.ActiveDocument.Bookmarks Get ()");
}

TEST(Evaluateur, UnMembreLuSurUneValeurDemandeUnObjet) {
    Banc b;
    b.monde->valeurs["Application.ActiveDocument.Name"] = Variant(u"x.doc");
    try {
        b.evaluateur.execute(analyseInstruction(u"ActiveDocument.Name.Delete"));
        FAIL() << "424 attendue";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.numero(), err::ObjetRequis);
    }
}

TEST(Evaluateur, LaRacineChangeAvecWord) {
    Banc b;
    auto autre = std::make_shared<MondeFaux>();
    b.evaluateur.application(std::make_shared<FauxObjet>("Word2", autre));
    b.evaluateur.execute(analyseInstruction(u"Quit"));
    EXPECT_TRUE(b.monde->journal.empty());
    EXPECT_EQ(autre->journal, std::vector<std::string>{"Word2 Call Quit()"});
}

struct CasEgalite {
    Variant obtenu, attendu;
    bool egal;
};

class Egalites : public testing::TestWithParam<CasEgalite> {};

TEST_P(Egalites, CommeVba) {
    EXPECT_EQ(egalVba(GetParam().obtenu, GetParam().attendu), GetParam().egal)
        << versUtf8(representation(GetParam().obtenu)) << " = " << versUtf8(representation(GetParam().attendu));
}

INSTANTIATE_TEST_SUITE_P(
    Lecon, Egalites,
    testing::Values(CasEgalite{int32_t{3}, 3.0, true}, CasEgalite{int32_t{3}, int32_t{4}, false},
                    // A Single read on Word equals the decimal written in the script.
                    CasEgalite{28.35f, 28.35, true}, CasEgalite{141.75f, 141.75, true}, CasEgalite{28.35f, 28.4, false},
                    // Word's Bold is a Long: True is -1, mixed is 9999999.
                    CasEgalite{int32_t{-1}, true, true}, CasEgalite{int32_t{0}, false, true},
                    CasEgalite{int32_t{9999999}, true, false}, CasEgalite{true, false, false},
                    CasEgalite{u"Abc", u"abc", false}, CasEgalite{u"3", int32_t{3}, true}, CasEgalite{u"abc", int32_t{0}, false},
                    CasEgalite{Variant(), u"", true}, CasEgalite{Variant(), int32_t{0}, true}, CasEgalite{Variant(), u"x", false},
                    CasEgalite{u"", int32_t{0}, false}, CasEgalite{Variant(ObjetPtr()), int32_t{0}, false}));

TEST(OperationsVba, ChrSuitLaPageDeCodeWindowsEtRefuseLeReste) {
    EXPECT_EQ(chr(int32_t{146}), Variant(u"’"));
    EXPECT_EQ(chr(int32_t{128}), Variant(u"€"));
    EXPECT_EQ(chrW(int32_t{-1}), Variant(u"\uFFFF"));
    for (int32_t n : {-1, 256}) EXPECT_THROW(chr(n), Erreur) << n;
}

TEST(OperationsVba, OpposeGardeLeTypeDeVba) {
    EXPECT_EQ(oppose(int32_t{5}), Variant(int32_t{-5}));
    EXPECT_EQ(oppose(true), Variant(int32_t{1}));
    EXPECT_EQ(oppose(int32_t{-2147483647 - 1}), Variant(2147483648.0));
    EXPECT_EQ(oppose(2147483648.0), Variant(int32_t{-2147483647 - 1}));
    EXPECT_THROW(oppose(Variant(u"abc")), Erreur);
}

}  // namespace
}  // namespace k58204::lecon
