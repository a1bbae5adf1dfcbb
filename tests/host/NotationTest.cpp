// Offline grading: a document saved by a lesson step gets the verdict the
// lesson gave; exercises without a working document are not graded.
#include <gtest/gtest.h>

#include "host/DossierTemporaire.hpp"
#include "host/Hote.hpp"
#include "host/LecteurScript.hpp"
#include "host/Notation.hpp"

namespace k58204::lecon {
namespace {

const Cours& coursNotation() {
    static const Cours c(K58204_COURS_DIR);
    return c;
}

// A document saved by the lesson after its check gets the lesson's verdict.
TEST(Notation, MemeVerdictQueLaLecon) {
    for (const auto& [exercice, actions] : std::vector<std::pair<int32_t, std::string>>{
             // One paragraph too many: the count recorded from the original catches it.
             {106, "Selection.EndKey Unit:=wdStory\nSelection.TypeText Text:=\"extrait n°10\"\nSelection.TypeParagraph\n"},
             {121, "ActiveDocument.ClosePrintPreview\nActiveDocument.PageSetup.Orientation = wdOrientLandscape\n"
                   "ActiveDocument.PageSetup.TopMargin = 141.75\n"},
         }) {
        SCOPED_TRACE(exercice);
        DossierTemporaire racine("k58204-noter-test"), autre("k58204-noter-test");
        const std::string script = "exercice " + std::to_string(exercice) + "\n" + actions +
                                   "teste\nMkDir \"C:\\Copies\"\nActiveDocument.SaveAs FileName:=\"C:\\Copies\\copie.doc\"\n";
        RapportScript r = Hote(coursNotation()).joue(analyseScript(script, "t.lecon"), racine.chemin());
        ASSERT_EQ(r.echoues, 0);
        const auto* teste = std::get_if<evenement::Teste>(&r.evenements.at(0));
        ASSERT_NE(teste, nullptr);
        EXPECT_TRUE(teste->verdict.erreurs.empty());
        const Notation n = note(coursNotation(), exercice, racine.chemin() / "Copies" / "copie.doc", autre.chemin());
        EXPECT_EQ(texte(n.verdict), texte(teste->verdict));
    }
}

// A course document graded as itself: the untouched exercise; exercises
// judged on Word's state say so. Exercises without a working document, or
// out of the course, and absent files are not graded.
TEST(Notation, DocumentDuCoursEtRefus) {
    for (const auto& [exercice, code, noteDonnee] :
         std::vector<std::tuple<int32_t, std::u16string, bool>>{{106, u"A", false}, {109, u"", true}, {120, u"A", true}}) {
        SCOPED_TRACE(exercice);
        DossierTemporaire racine("k58204-noter-test");
        const auto source = coursNotation().source(exercice);
        ASSERT_TRUE(source.has_value());
        Notation n = note(coursNotation(), exercice, *source, racine.chemin());
        EXPECT_EQ(n.verdict.erreurGenerale, false);
        EXPECT_EQ(n.verdict.causeErreur, code);
        EXPECT_EQ(!n.note.empty(), noteDonnee);
        EXPECT_EQ(n.reussi(), code.empty());
    }
    DossierTemporaire racine("k58204-noter-test");
    const auto document = std::filesystem::path(K58204_COURS_DIR) / "05820406.doc";
    for (int32_t n : {100, 102, 123, 124, 125}) EXPECT_THROW(note(coursNotation(), n, document, racine.chemin()), ErreurNotation) << n;
    EXPECT_THROW(note(coursNotation(), 106, racine.chemin() / "absent.doc", racine.chemin()), ErreurNotation);
}

}  // namespace
}  // namespace k58204::lecon
