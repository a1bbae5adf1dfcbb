// Reading lesson scripts: every kind of step, and every mistake reported with
// its file and line before anything runs.
#include <gtest/gtest.h>

#include <fstream>

#include "host/LecteurScript.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon {
namespace {

template <class T>
const T& comme(const Etape& e) {
    const T* t = std::get_if<T>(&e.contenu);
    if (!t) throw std::runtime_error("étape d'un autre genre à " + texte(e.position));
    return *t;
}

TEST(LecteurScript, LitChaqueGenreDEtape) {
    const char* script =
        "\xEF\xBB\xBF# leçon 101\r\n"
        "exercice 101\r\n"
        "\r\n"
        "ActiveDocument.Bookmarks(\"s01\").Range.Bold = True  ' en gras\n"
        "Selection.TypeText \"a # b ' c\"\n"
        "teste\n"
        "attendu ErreurGenerale=False CauseErreur=\"\" BravoNuance=True Complement=(\"un\", \"deux\")\n"
        "attendu Complement=()\n"
        "verifie CommandBars(\"Standard\").RowIndex = 3\n"
        "verifie Dir(\"C:\\Cours\\K58204\\x.doc\") = \"\"\n"
        "! dialogue \"Enregistrer sous\"\n"
        "! occupe 2\n"
        "! occupe\n"
        "! ferme-word\n"
        "fermer\n"
        "attendu erreur -2147417848 \"Word\"\n"
        "mkdir \"C:\\Cours\\K58204\\essai\"\n"
        "exercice 124 \"C:\\Autre\\\"\n"
        "quitter\n";
    Script s = analyseScript(script, "t.lecon");
    ASSERT_EQ(s.etapes.size(), 17u);
    EXPECT_EQ(texte(s.etapes[0].position), "t.lecon:2");
    EXPECT_EQ(comme<etape::Exercice>(s.etapes[0]).numero, 101);
    EXPECT_FALSE(comme<etape::Exercice>(s.etapes[0]).dossier);
    EXPECT_EQ(s.etapes[1].position.ligne, 4);
    EXPECT_EQ(s.etapes[1].ligne, u"ActiveDocument.Bookmarks(\"s01\").Range.Bold = True");
    EXPECT_EQ(comme<etape::Vba>(s.etapes[1]).instruction.genre, Instruction::Genre::Affectation);
    const auto& texteTape = comme<etape::Vba>(s.etapes[2]).instruction.cible.back().arguments.at(0).valeur->valeur;
    EXPECT_EQ(texteTape, Variant(u"a # b ' c"));
    comme<etape::Teste>(s.etapes[3]);
    const auto& a = comme<etape::Attendu>(s.etapes[4]);
    EXPECT_EQ(a.erreurGenerale, false);
    EXPECT_EQ(a.causeErreur, u"");
    EXPECT_EQ(a.bravoNuance, true);
    EXPECT_EQ(a.complement, (std::vector<std::u16string>{u"un", u"deux"}));
    const auto& vide = comme<etape::Attendu>(s.etapes[5]);
    EXPECT_FALSE(vide.erreurGenerale);
    EXPECT_EQ(vide.complement, std::vector<std::u16string>{});
    EXPECT_EQ(comme<etape::Verifie>(s.etapes[6]).attendu, Variant(int32_t{3}));
    EXPECT_EQ(comme<etape::Verifie>(s.etapes[7]).expression->genre, Expression::Genre::Dir);
    EXPECT_EQ(comme<etape::Bureau>(s.etapes[8]).titre, u"Enregistrer sous");
    EXPECT_EQ(comme<etape::Bureau>(s.etapes[9]).appels, 2);
    EXPECT_FALSE(comme<etape::Bureau>(s.etapes[10]).appels);
    EXPECT_EQ(comme<etape::Bureau>(s.etapes[11]).action, etape::Bureau::Action::FermeWord);
    comme<etape::Fermer>(s.etapes[12]);
    EXPECT_EQ(comme<etape::AttenduErreur>(s.etapes[13]).numero, -2147417848);
    EXPECT_EQ(comme<etape::AttenduErreur>(s.etapes[13]).fragment, u"Word");
    EXPECT_EQ(comme<etape::Vba>(s.etapes[14]).instruction.genre, Instruction::Genre::MkDir);
    EXPECT_EQ(comme<etape::Exercice>(s.etapes[15]).dossier, u"C:\\Autre\\");
    comme<etape::Quitter>(s.etapes[16]);
}

struct CasErreur {
    const char* script;
    const char* message;  // "t.lecon:N: …" fragment
};

class ErreursScript : public testing::TestWithParam<CasErreur> {};

TEST_P(ErreursScript, DonnentFichierLigneEtRaison) {
    try {
        analyseScript(GetParam().script, "t.lecon");
        FAIL() << "accepté : " << GetParam().script;
    } catch (const ErreurScript& e) {
        ASSERT_EQ(e.erreurs().size(), 1u) << e.what();
        EXPECT_NE(e.erreurs()[0].find(GetParam().message), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lecon, ErreursScript,
    testing::Values(
        CasErreur{"exercice 101\n\nexercise 102\n", "t.lecon:3: étape inconnue « exercise »"},
        CasErreur{"selection.TypeText \"x\"\n", "t.lecon:1: étape inconnue « selection »"},
        CasErreur{"exercice\n", "t.lecon:1: exercice : numéro d'exercice attendu"},
        CasErreur{"exercice 1.5\n", "numéro d'exercice attendu, trouvé « 1.5 »"},
        CasErreur{"exercice 101 \"C:\\x\\\" 3\n", "exercice : « 3 » (colonne 22) inattendu"},
        CasErreur{"teste 3\n", "teste : « 3 »"},
        CasErreur{"attendu\n", "attendu : rien à vérifier"},
        CasErreur{"attendu ErreurGenerale=Vrai\n", "ErreurGenerale vaut True ou False"},
        CasErreur{"attendu CauseErreur=X\n", "CauseErreur entre guillemets"},
        CasErreur{"attendu Complement=(\"a\" \"b\")\n", "« , » ou « ) » attendu dans Complement"},
        CasErreur{"attendu Complement=\"a\"\n", "Complement s'écrit"},
        CasErreur{"attendu Bravo=True\n", "propriété inconnue « Bravo »"},
        CasErreur{"attendu BravoNuance=True BravoNuance=False\n", "BravoNuance est donné deux fois"},
        CasErreur{"attendu ErreurGenerale True\n", "« = » attendu après ErreurGenerale"},
        CasErreur{"teste\nattendu erreur 5941\n", "t.lecon:2: attendu erreur : fragment"},
        CasErreur{"teste\nattendu erreur 1.5 \"x\"\n", "numéro d'erreur « 1.5 »"},
        CasErreur{"attendu erreur \"Word\"\n", "t.lecon:1: « attendu erreur » doit suivre"},
        CasErreur{"teste\nverifie Documents.Count = 0\nattendu erreur \"x\"\n", "t.lecon:3: « attendu erreur » doit suivre"},
        CasErreur{"verifie Documents.Count\n", "« = » attendu entre l'expression lue et la valeur attendue"},
        CasErreur{"verifie Documents.Count = ActiveDocument.Name\n", "la valeur attendue doit être une constante"},
        CasErreur{"verifie Selection.Text = Chr(999)\n", "valeur attendue incorrecte"},
        CasErreur{"verifie Selection.Font.Color = wdColourBlue\n", "constante inconnue « wdColourBlue »"},
        CasErreur{"Selection.Text = \"abc\n", "t.lecon:1: chaîne non terminée"},
        CasErreur{"Selection.Font.Size = (12\n", "parenthèses déséquilibrées"},
        CasErreur{"! sonne\n", "étape de bureau inconnue « sonne »"},
        CasErreur{"! dialogue\n", "titre de la boîte"},
        CasErreur{"! occupe 0\n", "nombre d'appels (1 ou plus)"},
        CasErreur{"! bulle 2\n", "! bulle : « 2 » (colonne 9)"},
        CasErreur{"  verifie Selection.Text = 1.2.3\n", "nombre mal écrit « 1.2.3 » (colonne 28)"},
        CasErreur{"Selection.TypeText \"\xC3\x28\"\n", "t.lecon:1: texte qui n'est pas de l'UTF-8 valide"}));

TEST(LecteurScript, RapporteToutesLesErreursAvantDeRienExecuter) {
    try {
        analyseScript("exercice 101\nteste 1\nSelection.Text = 1.\nquitter\n", "a.lecon");
        FAIL();
    } catch (const ErreurScript& e) {
        ASSERT_EQ(e.erreurs().size(), 2u);
        EXPECT_EQ(e.erreurs()[0].rfind("a.lecon:2: ", 0), 0u) << e.erreurs()[0];
        EXPECT_EQ(e.erreurs()[1].rfind("a.lecon:3: ", 0), 0u) << e.erreurs()[1];
        EXPECT_NE(std::string(e.what()).find('\n'), std::string::npos);
    }
}

TEST(LecteurScript, LitUnFichierEtSignaleUnFichierAbsent) {
    auto chemin = std::filesystem::temp_directory_path() / "k58204-lecteur-test.lecon";
    std::ofstream(chemin) << "exercice 105\nteste\n";
    Script s = litScript(chemin);
    EXPECT_EQ(s.etapes.size(), 2u);
    EXPECT_EQ(s.etapes[1].position.fichier, chemin.string());
    std::filesystem::remove(chemin);
    EXPECT_THROW(litScript(chemin), ErreurScript);
}

TEST(LecteurScript, CommentairesHorsDesChaines) {
    EXPECT_EQ(sansCommentaire(u"Selection.TypeText \"l'été # 2\" ' note"), u"Selection.TypeText \"l'été # 2\" ");
    EXPECT_EQ(sansCommentaire(u"# tout"), u"");
    EXPECT_EQ(sansCommentaire(u"x = \"a\"\"'\"#c"), u"x = \"a\"\"'\"");
}

}  // namespace
}  // namespace k58204::lecon
