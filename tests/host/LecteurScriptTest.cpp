// Reading lesson scripts: what the course's lesson does not show (byte order
// mark, CRLF, comments outside strings, an exercise's folder, a negative error
// number), the VBA parser's constant expressions, and every mistake reported
// with its file and line before anything runs.
#include <gtest/gtest.h>

#include <fstream>

#include "host/AnalyseurVba.hpp"
#include "host/Evaluateur.hpp"
#include "host/LecteurScript.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon {
namespace {

TEST(LecteurScript, LitLesEtapes) {
    Script s = analyseScript("\xEF\xBB\xBF# leçon 101\r\nexercice 101\r\n\r\n"
                             "Selection.TypeText \"a # b ' c\"  ' note\n"
                             "attendu erreur -2147417848 \"Word\"\n"
                             "attendu BravoNuance=True Complement=(\"un\", \"deux\")\n"
                             "exercice 124 \"C:\\Autre\\\"\n",
                             "t.lecon");
    ASSERT_EQ(s.etapes.size(), 5u);
    EXPECT_EQ(texte(s.etapes[0].position), "t.lecon:2");
    EXPECT_FALSE(std::get<etape::Exercice>(s.etapes[0].contenu).dossier);
    EXPECT_EQ(s.etapes[1].position.ligne, 4);
    EXPECT_EQ(s.etapes[1].ligne, u"Selection.TypeText \"a # b ' c\"");
    EXPECT_EQ(std::get<etape::Vba>(s.etapes[1].contenu).instruction.cible.back().arguments.at(0).valeur->valeur,
              Variant(u"a # b ' c"));
    EXPECT_EQ(std::get<etape::AttenduErreur>(s.etapes[2].contenu).numero, -2147417848);
    EXPECT_EQ(std::get<etape::AttenduErreur>(s.etapes[2].contenu).fragment, u"Word");
    const auto& a = std::get<etape::Attendu>(s.etapes[3].contenu);
    EXPECT_FALSE(a.erreurGenerale);
    EXPECT_EQ(a.bravoNuance, true);
    EXPECT_EQ(a.complement, (std::vector<std::u16string>{u"un", u"deux"}));
    EXPECT_EQ(std::get<etape::Exercice>(s.etapes[4].contenu).dossier, u"C:\\Autre\\");
}

// The VBA parser's literals and constant expressions.
TEST(AnalyseurVba, ExpressionsConstantes) {
    struct Cas {
        const char16_t* texte;
        Variant valeur;
    };
    for (const Cas& c : {Cas{u"\"a\" & vbCr & Chr(9) & 1", Variant(u"a\r\t1")}, Cas{u"TRUE", Variant(true)},
                         Cas{u"-(3)", Variant(int32_t{-3})}, Cas{u"WDLINE", Variant(int32_t{5})},
                         Cas{u"wdColorBlue", Variant(int32_t{16711680})}, Cas{u"\"\"\"\"", Variant(u"\"")},
                         Cas{u"-2147483648", Variant(int32_t{-2147483647 - 1})}, Cas{u"2147483648", Variant(2147483648.0)},
                         Cas{u"12.5", Variant(12.5)}}) {
        auto v = valeurConstante(*analyseExpression(c.texte));
        ASSERT_TRUE(v) << versUtf8(c.texte);
        EXPECT_EQ(*v, c.valeur) << versUtf8(c.texte);
    }
    EXPECT_FALSE(valeurConstante(*analyseExpression(u"\"x\" & ActiveDocument.Name")));
    EXPECT_FALSE(valeurConstante(*analyseExpression(u"Dir(\"C:\\x\")")));
}

// The script's mistakes, none when it reads.
std::vector<std::string> erreurs(const std::string& script) {
    try {
        analyseScript(script, "t.lecon");
        return {};
    } catch (const ErreurScript& e) {
        return e.erreurs();
    }
}

// One mistake a script: its file, line and reason.
TEST(LecteurScript, ErreursAvecFichierLigneEtRaison) {
    for (const auto& [script, message] : std::vector<std::pair<const char*, const char*>>{
             // The steps.
             {"exercice 101\n\nexercise 102\n", "t.lecon:3: étape inconnue « exercise »"},
             {"exercice 1.5\n", "t.lecon:1: exercice : numéro d'exercice attendu, trouvé « 1.5 »"},
             {"attendu\n", "attendu : rien à vérifier"},
             {"attendu Complement=(\"a\" \"b\")\n", "« , » ou « ) » attendu dans Complement"},
             {"attendu BravoNuance=True BravoNuance=False\n", "BravoNuance est donné deux fois"},
             {"teste\nattendu erreur 5941\n", "t.lecon:2: attendu erreur : fragment"},
             {"teste\nverifie Documents.Count = 0\nattendu erreur \"x\"\n", "t.lecon:3: « attendu erreur » doit suivre"},
             {"verifie Documents.Count = ActiveDocument.Name\n", "la valeur attendue doit être une constante"},
             {"! sonne\n", "étape de bureau inconnue « sonne »"},
             {"Selection.TypeText \"\xC3\x28\"\n", "t.lecon:1: texte qui n'est pas de l'UTF-8 valide"},
             // The VBA statements.
             {"Selection.TypeText \"abc\n", "t.lecon:1: chaîne non terminée"},
             {"  verifie Selection.Text = 1.2.3\n", "t.lecon:1: nombre mal écrit « 1.2.3 » (colonne 28)"},
             {"Selection.HomeKey wdLigne\n", "t.lecon:1: constante inconnue « wdLigne »"},
             {"wdLine.Select\n", "n'est pas un membre de Word"},
             {"ActiveDocument.Bookmarks(\"s01\".Range.Bold = True\n", "parenthèses déséquilibrées : « ( » jamais fermée"},
             {"ActiveDocument.Bookmarks(\"s01\")).Select\n", "parenthèses déséquilibrées : « ) » sans « ( »"},
             {"Selection.TypeText “x”\n", "caractère inattendu « “ »"},
             {"Selection.GoTo What:=wdGoToBookmark, \"s02\"\n", "argument positionnel"},
             {"Selection.Text = 1 2\n", "« 2 » (colonne 20) inattendu"},
             // The file statements.
             {"Name \"a\" \"b\"\n", "« As » attendu"},
             {"FileCopy \"a\"\n", "« , » attendu"},
             {"verifie FileLen(\"a\", 1) = 0\n", "FileLen attend 1 argument(s), il en a 2"},
         }) {
        const auto e = erreurs(script);
        ASSERT_EQ(e.size(), 1u) << script;
        EXPECT_NE(e[0].find(message), std::string::npos) << e[0];
    }
    // Every mistake is reported before anything runs.
    const auto e = erreurs("exercice 101\nteste 1\nSelection.Text = 1.\nquitter\n");
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].rfind("t.lecon:2: ", 0), 0u) << e[0];
    EXPECT_EQ(e[1].rfind("t.lecon:3: ", 0), 0u) << e[1];
}

// Deep nesting is a file:line error, at the documented depth, whatever nests.
TEST(LecteurScript, ImbricationBornee) {
    auto repete = [](const std::string& s, size_t n) {
        std::string r;
        while (n--) r += s;
        return r;
    };
    const size_t m = ProfondeurMaxExpression;
    for (const auto& [ligne, refuse] : std::vector<std::pair<std::string, bool>>{
             // The expression itself is one level; each parenthesis adds one.
             {"verifie " + repete("(", m - 1) + "1" + repete(")", m - 1) + " = 1", false},
             {"verifie " + repete("(", m) + "1" + repete(")", m) + " = 1", true},
             {"verifie " + repete("-", m - 1) + "1 = 1", false},
             {"verifie " + repete("-", 40000) + "1 = 1", true},
             {"ActiveDocument.Bookmarks(" + repete("Documents(", 40000) + "1" + repete(")", 40000) + ").Select", true},
         }) {
        SCOPED_TRACE(ligne.substr(0, 40));
        const auto e = erreurs("exercice 110\n" + ligne + "\n");
        ASSERT_EQ(e.size(), refuse ? 1u : 0u);
        EXPECT_TRUE(!refuse || (e[0].rfind("t.lecon:2: ", 0) == 0 && e[0].find("trop imbriquée") != std::string::npos))
            << e[0];
    }
}

// Bad lines past the limit give a bounded list of errors, the last one
// saying reading stopped; the limit itself is not reported as stopped.
TEST(LecteurScript, NombreDErreursBorne) {
    for (const auto& [lignes, attendues] : std::vector<std::pair<size_t, size_t>>{
             {ErreursMaxScript, ErreursMaxScript}, {ErreursMaxScript + 1, ErreursMaxScript + 1}}) {
        std::string script;
        for (size_t i = 0; i < lignes; ++i) script += "zzz\n";
        const auto e = erreurs(script);
        ASSERT_EQ(e.size(), attendues) << lignes;
        const bool arrete = e.back().find("lecture du script arrêtée") != std::string::npos;
        EXPECT_EQ(arrete, lignes > ErreursMaxScript) << lignes;
        EXPECT_TRUE(!arrete || e.back().rfind("t.lecon:" + std::to_string(ErreursMaxScript + 1) + ": ", 0) == 0);
    }
}

// A file is read up to the size limit, not one byte more; an absent one is a
// script error.
TEST(LecteurScript, FichierDeTailleBornee) {
    const auto chemin = std::filesystem::temp_directory_path() / "k58204-taille-test.lecon";
    std::ofstream(chemin, std::ios::binary) << std::string(TailleMaxScript - 7, '#') << "\nteste\n";  // at the limit
    EXPECT_EQ(litScript(chemin).etapes.at(0).position.fichier, chemin.string());
    std::ofstream(chemin, std::ios::binary) << std::string(TailleMaxScript, '#') << "\n";
    try {
        litScript(chemin);
        ADD_FAILURE();
    } catch (const ErreurScript& e) {
        EXPECT_NE(e.erreurs().at(0).find("plus que les"), std::string::npos) << e.erreurs()[0];
    }
    std::filesystem::remove(chemin);
    EXPECT_THROW(litScript(chemin), ErreurScript);
}

}  // namespace
}  // namespace k58204::lecon
