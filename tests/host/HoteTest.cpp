// The lesson runner on small scripts, against the real Module and the
// simulated Word: what each kind of line does to the counts, and what stops
// a script.
#include <gtest/gtest.h>

#include <sstream>

#include "host/DossierTemporaire.hpp"
#include "host/Hote.hpp"
#include "host/LecteurScript.hpp"

namespace k58204::lecon {
namespace {

const Cours& cours() {
    static const Cours c(K58204_COURS_DIR);
    return c;
}

RapportScript joue(const std::string& texte, OptionsHote options = {}) {
    DossierTemporaire racine("k58204-hote-test");
    return Hote(cours(), options).joue(analyseScript(texte, "t.lecon"), racine.chemin());
}

struct Cas {
    std::string nom;
    std::string script;
    int32_t reussis;
    int32_t echoues;
    int32_t nonJoues = 0;
    // Pieces the text report must hold.
    std::vector<std::string> morceaux = {};
};

TEST(Hote, ComptesEtRapportDeScriptsCourts) {
    for (const Cas& c : std::vector<Cas>{
        // A check that does not hold is counted and the script goes on.
        Cas{"AttenduQuiNeTientPas", "exercice 101\nteste\nattendu CauseErreur=\"B\" BravoNuance=False\nattendu CauseErreur=\"A\"\n",
            1, 1, 0, {"t.lecon:2  exercice 101 : ErreurGenerale=False CauseErreur=\"A\" BravoNuance=False Complement=()", "ÉCHEC  t.lecon:3", "CauseErreur lu \"A\"", "1 passed, 1 failed"}},
        Cas{"ComplementEnOrdre", "exercice 115\nActiveDocument.Bookmarks(\"s02\").Select\n"
            "Selection.ParagraphFormat.Alignment = wdAlignParagraphJustify\nteste\nattendu Complement=()\n",
            0, 1, 0, {"Complement lu (\" à Gauche\")"}},
        Cas{"ErreurDAutreNumero", "exercice 125\nattendu erreur 5 \"Nettoyage\"\n", 0, 1, 0, {"numéro 91 au lieu de 5"}},
        Cas{"AttenduErreurSansErreur", "exercice 101\nattendu erreur \"K58204\"\n", 0, 1, 0, {"n'a levé aucune erreur"}},
        // An error nobody expected stops the script: the checks after it count as failed.
        Cas{"ErreurInattendue", "exercice 125\nteste\nattendu CauseErreur=\"\"\nverifie Dir(\"C:\\x\") = \"\"\n", 0, 3, 2,
            {"ÉCHEC  t.lecon:1  exercice 125", "erreur inattendue", "2 vérification(s) non jouée(s)"}},
        Cas{"ErreurDeLApprenant", "exercice 104\nActiveDocument.Bookmarks(\"absent\").Select\nteste\nattendu CauseErreur=\"A\"\n",
            0, 2, 1, {"ÉCHEC  t.lecon:2  ActiveDocument.Bookmarks(\"absent\").Select"}},
        Cas{"VerifieSurWord", "exercice 105\nverifie ActiveDocument.Name = \"Voyage.doc\"\n"
            "verifie ActiveDocument.Bookmarks(\"absent\").Start = 0\n", 0, 2, 0, {"lu \"Voyage à CANGO.doc\"", "lecture impossible"}},
        // Word still busy, or gone, when the lesson ends: quitting fails too.
        Cas{"WordFerme", "exercice 105\n! ferme-word\nquitter\nattendu erreur 462 \"SERVICE Quitter\"\n", 1, 0},
        Cas{"WordFermeSansQuitter", "exercice 105\n! ferme-word\n", 0, 1, 0,
            {"ÉCHEC  t.lecon:fin  quitter (fin du script)  --  erreur 462"}},
        // A working document left once the module was asked to end the
        // exercise fails (tests/host/lecons: unless Word was stuck; a folder).
        Cas{"TravailLaisse", "exercice 101\nfermer\nDocuments.Add\nActiveDocument.SaveAs \"C:\\Cours\\K58204\\Réponses.doc\"\n",
            0, 1, 0, {"ÉCHEC  t.lecon:fin  fin du script  --  fichier de travail laissé sur le disque : C:\\Cours\\K58204\\Réponses.doc"}},
        // With no Word at all, a learner's statement fails as on Nothing.
        Cas{"SansWord", "Documents.Add\nattendu erreur 91 \"K58204\"\n", 1, 0},
        Cas{"BureauSansWord", "! bulle\nverifie Dir(\"C:\\x\") = \"\"\n", 0, 2, 1, {"aucun Word en marche"}}}) {
        SCOPED_TRACE(c.nom);
        RapportScript r = joue(c.script);
        std::ostringstream os;
        ecritTexte(os, Rapport{{r}, {}});
        const std::string texte = os.str();
        EXPECT_EQ(r.reussis, c.reussis) << texte;
        EXPECT_EQ(r.echoues, c.echoues) << texte;
        EXPECT_EQ(r.nonJoues, c.nonJoues) << texte;
        for (const std::string& m : c.morceaux) EXPECT_NE(texte.find(m), std::string::npos) << m << "\n" << texte;
    }
}

// --trace: each host step's calls, from the very first (Word found or
// started) to the last; a script that ends without "quitter" is quit (the
// working document removed), one that quits is not quit again.
TEST(HoteTrace, AppelsDuModuleParEtapeEtQuitterImplicite) {
    DossierTemporaire racine("k58204-hote-test");
    RapportScript r = Hote(cours(), {.trace = true})
                          .joue(analyseScript("exercice 105\nSelection.TypeText Text:=\"apprenant\"\nteste\n", "t.lecon"),
                                racine.chemin());
    EXPECT_FALSE(std::filesystem::exists(racine.chemin() / "Cours" / "K58204" / "Voyage à CANGO.doc"));
    std::vector<const evenement::Appels*> appels;
    for (const Evenement& e : r.evenements)
        if (auto a = std::get_if<evenement::Appels>(&e)) appels.push_back(a);
    ASSERT_EQ(appels.size(), 3u);  // exercice, teste, the final quitter
    EXPECT_EQ(appels[0]->position, "t.lecon:1");
    EXPECT_EQ(appels[0]->appels.front(), "GetObject(\"Word.application.11\") !! erreur 429 : "
                                         "Un composant ActiveX ne peut pas créer un objet");
    EXPECT_EQ(appels[1]->etape, "teste");
    EXPECT_EQ(appels[2]->etape, "quitter (fin du script)");
    EXPECT_EQ(appels[2]->appels.back(), "Quit(SaveChanges:=0)");
    EXPECT_EQ(joue("exercice 105\nteste\n").evenements.size(), 1u);  // no trace: the verdict only
    RapportScript quitte = joue("exercice 101\nquitter\n", {.trace = true});
    ASSERT_EQ(quitte.evenements.size(), 2u);
    EXPECT_EQ(std::get<evenement::Appels>(quitte.evenements.back()).etape, "quitter");
}

}  // namespace
}  // namespace k58204::lecon
