// The command line: exit codes and answers to wrong input, the JSON reports,
// grading a class.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include <nlohmann/json.hpp>

#include <sys/stat.h>

#include "Lance.hpp"
#include "SchemaJson.hpp"
#include "host/Commandes.hpp"
#include "host/Cours.hpp"
#include "host/DossierTemporaire.hpp"

namespace k58204::lecon {
namespace {

using test::lance;
using test::Sortie;

nlohmann::json litJson(const std::string& chemin) { return nlohmann::json::parse(std::ifstream(chemin)); }

class Commandes : public ::testing::Test {
protected:
    std::string ecrit(const std::string& nom, const std::string& contenu) {
        std::ofstream(chemin(nom), std::ios::binary) << contenu;
        return chemin(nom);
    }
    std::string chemin(const std::string& nom) const { return (dossier_.chemin() / nom).string(); }

private:
    DossierTemporaire dossier_{"k58204-commandes-test"};
};

constexpr char Juste[] =
    "exercice 105\nActiveWindow.View.ShowAll = True\nteste\nattendu ErreurGenerale=False CauseErreur=\"\"\n";
constexpr char Faux[] = "exercice 105\nteste\nattendu CauseErreur=\"\"\n";
const std::string Ole = std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

// Each command's exit code and a fragment of its answer; a wrong input is
// answered with the user's own path, never a simulated one; a lesson that
// cannot start prints no report.
TEST_F(Commandes, CodesDeSortieEtMessages) {
    const std::string source = std::string(K58204_COURS_DIR) + "/05820410.doc";
    const std::string juste = ecrit("juste.lecon", Juste), faux = ecrit("faux.lecon", Faux);
    const std::string mal = ecrit("mal.lecon", "exercice 105\nteste maintenant\n");
    const std::string binaire = ecrit("binaire.doc", Ole + "reste"), zip = ecrit("recent.doc", "PK\x03\x04reste");
    const std::string html = ecrit("page.xml", "<?xml version=\"1.0\"?>\n<html/>\n");
    const std::string vide = chemin("vide"), fifo = chemin("tube.xml"), absent = chemin("absent.xml");
    const std::string json = chemin("absent/notes.json");
    std::filesystem::create_directory(vide);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    struct Cas {
        std::vector<std::string> args;
        int code;
        std::string message;
    };
    for (const Cas& c : std::vector<Cas>{
             {{"lecon", juste, faux}, SortieEchec, "1 passed, 1 failed"},
             {{"lecon", juste, mal}, SortieUsage, "mal.lecon:2: "},  // read before anything runs
             {{"lecon", "--cours", vide}, SortieUsage, ""},         // no script in the course
             {{"lecon", juste, "--html", vide}, SortieUsage, vide + " : impossible d'écrire le rapport HTML"},
             {{"lecon", juste, "--json", "-", "--html", "-"}, SortieUsage, "un seul rapport"},
             {{}, SortieUsage, ""},
             {{"noter", "110", binaire}, SortieUsage,
              binaire + " : document Word binaire : ouvrez-le dans Word 2003 et enregistrez-le au format Document XML"},
             {{"noter", "110", zip}, SortieUsage, zip + " : document .docx illisible : archive zip tronquée"},
             {{"noter", "110", html}, SortieUsage, html + " : pas un document WordprocessingML 2003 : root element is html"},
             {{"noter", "110", vide}, SortieUsage, vide + " : c'est un dossier"},
             {{"noter", "110", fifo}, SortieUsage, fifo + " : c'est un tube nommé (FIFO)"},
             {{"noter", "110", "/dev/null"}, SortieUsage, "/dev/null : c'est un périphérique"},
             {{"noter", "110", absent}, SortieUsage, absent + " : fichier introuvable"},
             {{"noter", "110", source, binaire}, SortieEchec, "1 failed, 1 not gradable"},
             {{"noter", "0110", source}, SortieEchec, "exercice 110 : ErreurGenerale=False CauseErreur=\"A\""},
             {{"noter", "0x6e", source}, SortieUsage, "nombre décimal"},
             {{"noter", "124", source}, SortieUsage, "exercice 124 : "},
             {{"noter", "110", source, "--json", json}, SortieUsage, json + " : impossible d'écrire"},
             {{"noter", "110", source, "--csv", "-", "--json", "-"}, SortieUsage, "un seul rapport"},
             {{"exercices", "0115"}, SortieReussie, "115  Justifier les deux paragraphes indiqués"},
             {{"exercices", "125"}, SortieUsage, "inconnu"},
             {{"help", "rien"}, SortieUsage, "inconnue"},
             {{"--version"}, SortieReussie, "k58204 "},
         }) {
        SCOPED_TRACE(c.args.empty() ? "" : c.args.back());
        const Sortie s = lance(c.args);
        EXPECT_EQ(s.code, c.code) << s.texte << s.erreurs;
        EXPECT_NE((s.texte + s.erreurs).find(c.message), std::string::npos) << s.texte << s.erreurs;
        EXPECT_EQ((s.texte + s.erreurs).find("C:\\"), std::string::npos) << "a simulated path";
        const bool lecon = c.args.empty() || c.args[0] == "lecon";
        EXPECT_TRUE(c.code != SortieUsage || !lecon || s.texte.empty()) << s.texte;
    }
}

// The lesson's JSON report: script mistakes (the page names them too), and
// each verdict with its reading.
TEST_F(Commandes, RapportJsonDeLecon) {
    const std::string json = chemin("rapport.json"), html = chemin("rapport.html");
    EXPECT_EQ(lance({"lecon", ecrit("mal.lecon", "exercice 105\nteste maintenant\n"), "--json", json, "--html", html}).code,
              SortieUsage);
    EXPECT_THAT(litJson(json)["erreursScript"].get<std::vector<std::string>>(),
                testing::ElementsAre(testing::HasSubstr("mal.lecon:2: ")));
    EXPECT_THAT(litFichier(html), testing::HasSubstr("mal.lecon:2: "));

    const Sortie s = lance({"lecon", ecrit("juste.lecon", Juste), ecrit("faux.lecon", Faux), "--json", "-", "--trace"});
    ASSERT_EQ(s.code, SortieEchec);
    const nlohmann::json j = nlohmann::json::parse(s.texte);
    EXPECT_EQ(j["reussis"], 1);
    EXPECT_EQ(j["echoues"], 1);
    std::map<std::string, std::vector<nlohmann::json>> parType;
    for (const auto& e : j["scripts"].at(1)["evenements"]) parType[e["type"]].push_back(e);
    ASSERT_EQ(parType["teste"].size(), 1u);
    ASSERT_EQ(parType["controle"].size(), 1u);
    ASSERT_FALSE(parType["appels"].empty());
    const nlohmann::json &teste = parType["teste"][0], &controle = parType["controle"][0];
    EXPECT_EQ(teste["code"], "A");
    EXPECT_EQ(teste["passed"], false);
    EXPECT_EQ(teste["message"], "Les marques de mise en forme ne sont pas affichées.");
    EXPECT_EQ(controle["tenu"], false);
    EXPECT_EQ(controle["position"], chemin("faux.lecon") + ":3");
    EXPECT_GT(parType["appels"][0]["nombre"].get<int>(), 0);
}

// A document saved by a lesson on a kept racine is graded as the lesson graded
// it; a class graded in parallel gives what one at a time gives; the JSON
// follows the schema kept in the repository; the CSV has a line a document.
TEST_F(Commandes, NoterUneClasse) {
    const std::string racine = chemin("racine");
    const std::string script = ecrit("juste.lecon", "exercice 110\nActiveDocument.Bookmarks(\"s01\").Select\n"
                                     "Selection.Font.Bold = True\nSelection.Font.Italic = True\nActiveDocument.SaveAs \"C:\\juste.xml\"\n");
    ASSERT_EQ(lance({"lecon", script, "--racine", racine}).code, SortieReussie);
    namespace fs = std::filesystem;
    const fs::path classe = chemin("classe"), cours = K58204_COURS_DIR;
    fs::create_directory(classe);
    fs::copy_file(fs::path(racine) / "01-juste" / "juste.xml", classe / "juste.xml");
    fs::copy_file(cours / "05820410.doc", classe / "source.doc");
    fs::copy_file(cours / "05820406.doc", classe / "autre.doc");
    std::ofstream(classe / "binaire.doc") << Ole;
    std::ofstream(classe / "lisez-moi.txt") << "pas un document";

    auto notes = [&](const std::string& taches) {
        const Sortie s = lance({"noter", "110", classe.string(), "-j", taches, "--json", chemin("notes.json")});
        EXPECT_EQ(s.code, SortieEchec) << s.erreurs;
        EXPECT_NE(s.texte.find("1 passed, 2 failed, 1 not gradable"), std::string::npos) << s.texte;
        return litJson(chemin("notes.json"));
    };
    const nlohmann::json unParUn = notes("1"), enParallele = notes("3");
    EXPECT_EQ(unParUn["documents"], enParallele["documents"]);
    ASSERT_EQ(unParUn["documents"].size(), 4u);  // the .txt is not taken
    EXPECT_EQ(unParUn["documents"][3]["path"], (classe / "source.doc").string());
    EXPECT_EQ(unParUn["documents"][2]["passed"], true);

    const nlohmann::json schema = litJson(std::string(K58204_SOURCES_DIR) + "/src/host/schemas/notes.schema.json");
    EXPECT_EQ(test::valide(unParUn, schema), std::vector<std::string>{});
    nlohmann::json abime = unParUn;
    abime["documents"][0].erase("sha256");
    abime["documents"][1]["status"] = "perdu";
    EXPECT_EQ(test::valide(abime, schema).size(), 2u);

    const Sortie csv = lance({"noter", "110", classe.string(), "--csv", "-"});
    EXPECT_EQ(std::count(csv.texte.begin(), csv.texte.end(), '\n'), 5) << csv.texte;
    EXPECT_EQ(csv.texte.find("not gradable"), std::string::npos) << "only the CSV on standard output";
}

// What the reader dropped while the document still loaded reaches the report.
TEST_F(Commandes, AvertissementsDuLecteur) {
    std::string xml = litFichier(std::string(K58204_COURS_DIR) + "/05820410.doc");
    ASSERT_NE(xml.find("<w:body>"), std::string::npos);
    xml.insert(xml.find("<w:body>") + 8, "<aml:annotation aml:id=\"999\" w:type=\"Word.Bookmark.End\"/>");
    const std::string document = ecrit("orpheline.xml", xml);
    const Sortie s = lance({"noter", "110", document});
    EXPECT_EQ(s.code, SortieEchec);
    EXPECT_NE(s.texte.find("avertissement : fin de signet ignorée : aucun début de signet n'a l'aml:id 999"),
              std::string::npos)
        << s.texte;
    EXPECT_EQ(nlohmann::json::parse(lance({"noter", "110", document, "--json", "-"}).texte)["documents"][0]["warnings"].size(), 1u);
}

}  // namespace
}  // namespace k58204::lecon
