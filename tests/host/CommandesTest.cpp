// The command line: exit codes, the report's last line, the JSON report,
// grading from the command line.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include <sys/stat.h>

#include "SchemaJson.hpp"
#include "host/Commandes.hpp"
#include "host/DossierTemporaire.hpp"

namespace k58204::lecon {
namespace {

struct Sortie {
    int code = -1;
    std::string texte;
    std::string erreurs;
    std::string derniereLigne() const {
        std::string t = texte;
        while (!t.empty() && t.back() == '\n') t.pop_back();
        return t.substr(t.rfind('\n') + 1);
    }
};

Sortie lance(std::vector<std::string> args) {
    args.insert(args.begin(), "k58204");
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    Sortie s;
    s.code = principal(static_cast<int>(argv.size()), argv.data(), out, err);
    s.texte = out.str();
    s.erreurs = err.str();
    return s;
}

class Commandes : public ::testing::Test {
protected:
    std::string ecrit(const std::string& nom, const std::string& contenu) {
        const auto chemin = dossier_.chemin() / nom;
        std::ofstream(chemin) << contenu;
        return chemin.string();
    }
    const std::filesystem::path& dossier() const { return dossier_.chemin(); }

private:
    DossierTemporaire dossier_{"k58204-commandes-test"};
};

constexpr char Juste[] =
    "exercice 105\nActiveWindow.View.ShowAll = True\nteste\nattendu ErreurGenerale=False CauseErreur=\"\"\n";
constexpr char Faux[] = "exercice 105\nteste\nattendu CauseErreur=\"\"\n";

TEST_F(Commandes, CodesDeSortieDeLecon) {
    struct Cas {
        std::vector<std::string> args;
        int code;
        std::string derniere;  // the report's last line, when one is printed
    };
    const std::string juste = ecrit("juste.lecon", Juste), faux = ecrit("faux.lecon", Faux);
    const std::string mal = ecrit("mal.lecon", "exercice 105\nteste maintenant\n");
    const std::string cours = (dossier() / "cours").string();
    std::filesystem::create_directory(cours);
    for (const Cas& c : std::vector<Cas>{
             {{"lecon", juste}, SortieReussie, "1 passed, 0 failed"},
             {{"lecon", juste, faux}, SortieEchec, "1 passed, 1 failed"},
             {{"lecon", juste, mal}, SortieUsage, ""},     // read before anything runs
             {{"lecon", "--cours", cours}, SortieUsage, ""},  // no script in the course
             {{"lecon", "--inconnue"}, SortieUsage, ""},
             {{}, SortieUsage, ""},
             {{"noter", "102", juste}, SortieUsage, ""},
             {{"noter", "abc", juste}, SortieUsage, ""},
         }) {
        Sortie s = lance(c.args);
        EXPECT_EQ(s.code, c.code) << s.texte << s.erreurs;
        if (!c.derniere.empty()) {
            EXPECT_EQ(s.derniereLigne(), c.derniere);
        }
        if (c.code == SortieUsage) {
            EXPECT_TRUE(s.texte.empty()) << s.texte;
        }
    }
    EXPECT_NE(lance({"lecon", juste, mal}).erreurs.find("mal.lecon:2: "), std::string::npos);
}

TEST_F(Commandes, RapportJson) {
    const std::string json = (dossier() / "rapport.json").string();
    Sortie s = lance({"lecon", ecrit("juste.lecon", Juste), ecrit("faux.lecon", Faux), "--json", json, "--trace"});
    ASSERT_EQ(s.code, SortieEchec);
    nlohmann::json j = nlohmann::json::parse(std::ifstream(json));
    EXPECT_EQ(j["reussis"], 1);
    EXPECT_EQ(j["echoues"], 1);
    ASSERT_EQ(j["scripts"].size(), 2u);
    const auto& evenements = j["scripts"][1]["evenements"];
    bool controle = false, appels = false;
    for (const auto& e : evenements) {
        if (e["type"] == "controle") {
            controle = true;
            EXPECT_EQ(e["tenu"], false);
            EXPECT_EQ(e["position"], (dossier() / "faux.lecon").string() + ":3");
        }
        if (e["type"] == "appels") appels = appels || e["nombre"].get<int>() > 0;
    }
    EXPECT_TRUE(controle);
    EXPECT_TRUE(appels);
}

// A racine given on the command line is kept, one drive C: per script; a
// document saved there is graded as the lesson graded it.
TEST_F(Commandes, RacineConserveeEtNotation) {
    const std::string racine = (dossier() / "racine").string();
    const std::string script = ecrit("gras.lecon",
                                     "exercice 110\n"
                                     "ActiveDocument.Bookmarks(\"s01\").Range.Font.Bold = True\n"
                                     "teste\nattendu CauseErreur=\"B\"\n"
                                     "ActiveDocument.SaveAs FileName:=\"C:\\gras.doc\"\n");
    ASSERT_EQ(lance({"lecon", script, "--racine", racine}).code, SortieReussie);
    const std::string document = (std::filesystem::path(racine) / "01-gras" / "gras.doc").string();
    ASSERT_TRUE(std::filesystem::exists(document));
    Sortie s = lance({"noter", "110", document});
    EXPECT_EQ(s.code, SortieEchec);
    EXPECT_NE(s.texte.find("exercice 110 : ErreurGenerale=False CauseErreur=\"B\""), std::string::npos) << s.texte;
}

// Each wrong input gets an answer naming the user's own file, and its exit code.
TEST_F(Commandes, EntreesErronees) {
    const std::string source = std::string(K58204_COURS_DIR) + "/05820410.doc";
    const std::string binaire = ecrit("binaire.doc", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "reste");
    const std::string zip = ecrit("recent.doc", "PK\x03\x04reste");
    const std::string html = ecrit("page.xml", "<?xml version=\"1.0\"?>\n<html/>\n");
    const std::string vide = (dossier() / "vide").string();
    std::filesystem::create_directory(vide);
    const std::string fifo = (dossier() / "tube.xml").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string absent = (dossier() / "absent.xml").string();
    const std::string json = (dossier() / "absent" / "notes.json").string();
    struct Cas {
        std::vector<std::string> args;
        int code;
        std::string message;
    };
    for (const Cas& c : std::vector<Cas>{
             {{"noter", "110", binaire}, SortieUsage,
              binaire + " : document Word binaire : ouvrez-le dans Word 2003 et enregistrez-le au format Document XML"},
             {{"noter", "110", zip}, SortieUsage, zip + " : document Word 2007 ou plus récent (.docx)"},
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
             {{"noter", "110", source, "--csv", vide}, SortieUsage, vide + " : impossible d'écrire"},
             {{"lecon", "--json", json}, SortieUsage, json + " : impossible d'écrire"},
         }) {
        SCOPED_TRACE(c.args.back());
        Sortie s = lance(c.args);
        EXPECT_EQ(s.code, c.code) << s.texte << s.erreurs;
        EXPECT_NE((s.texte + s.erreurs).find(c.message), std::string::npos) << s.texte << s.erreurs;
        EXPECT_EQ((s.texte + s.erreurs).find("C:\\"), std::string::npos) << "a simulated path";
    }
}

// A class graded in parallel gives what one at a time gives; the JSON follows
// the schema kept in the repository; the CSV has a line a document.
TEST_F(Commandes, NoterUneClasse) {
    const std::string racine = (dossier() / "racine").string();
    const std::string script = ecrit("juste.lecon",
                                     "exercice 110\n"
                                     "ActiveDocument.Bookmarks(\"s01\").Range.Font.Bold = True\n"
                                     "ActiveDocument.Bookmarks(\"s01\").Range.Font.Italic = True\n"
                                     "ActiveDocument.SaveAs FileName:=\"C:\\juste.xml\"\n");
    ASSERT_EQ(lance({"lecon", script, "--racine", racine}).code, SortieReussie);
    const auto classe = dossier() / "classe";
    std::filesystem::create_directory(classe);
    std::filesystem::copy_file(std::filesystem::path(racine) / "01-juste" / "juste.xml", classe / "juste.xml");
    std::filesystem::copy_file(std::string(K58204_COURS_DIR) + "/05820410.doc", classe / "source.doc");
    std::filesystem::copy_file(std::string(K58204_COURS_DIR) + "/05820406.doc", classe / "autre.doc");
    std::ofstream(classe / "binaire.doc") << std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    std::ofstream(classe / "lisez-moi.txt") << "pas un document";

    EXPECT_EQ(lance({"noter", "110", (classe / "juste.xml").string()}).code, SortieReussie);

    auto notes = [&](const std::string& taches) {
        const std::string json = (dossier() / ("notes-" + taches + ".json")).string();
        Sortie s = lance({"noter", "110", classe.string(), "-j", taches, "--json", json});
        EXPECT_EQ(s.code, SortieEchec) << s.texte << s.erreurs;
        EXPECT_NE(s.texte.find("1 passed, 2 failed, 1 not gradable"), std::string::npos) << s.texte;
        return nlohmann::json::parse(std::ifstream(json));
    };
    const nlohmann::json unParUn = notes("1"), enParallele = notes("3");
    EXPECT_EQ(unParUn["documents"], enParallele["documents"]);
    ASSERT_EQ(unParUn["documents"].size(), 4u);  // the .txt is not taken
    EXPECT_EQ(unParUn["documents"][3]["path"], (classe / "source.doc").string());
    EXPECT_EQ(unParUn["documents"][2]["passed"], true);
    EXPECT_EQ(unParUn["documents"][2]["sha256"].get<std::string>().size(), 64u);

    const nlohmann::json schema =
        nlohmann::json::parse(std::ifstream(std::string(K58204_SOURCES_DIR) + "/src/host/schemas/notes.schema.json"));
    EXPECT_EQ(test::valide(unParUn, schema), std::vector<std::string>{});
    nlohmann::json abime = unParUn;
    abime["documents"][0].erase("sha256");
    abime["documents"][1]["status"] = "perdu";
    EXPECT_EQ(test::valide(abime, schema).size(), 2u);

    Sortie csv = lance({"noter", "110", classe.string(), "--csv", "-"});
    size_t lignes = 0;
    for (char c : csv.texte) lignes += c == '\n';
    EXPECT_EQ(lignes, 5u) << csv.texte;
    EXPECT_EQ(csv.texte.find("not gradable"), std::string::npos) << "only the CSV on standard output";
}

// What the reader dropped while the document still loaded reaches the report.
TEST_F(Commandes, AvertissementsDuLecteur) {
    std::ifstream f(std::string(K58204_COURS_DIR) + "/05820410.doc", std::ios::binary);
    std::string xml((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const size_t corps = xml.find("<w:body>");
    ASSERT_NE(corps, std::string::npos);
    xml.insert(corps + 8, "<aml:annotation aml:id=\"999\" w:type=\"Word.Bookmark.End\"/>");
    const std::string document = ecrit("orpheline.xml", xml);
    Sortie s = lance({"noter", "110", document});
    EXPECT_EQ(s.code, SortieEchec);
    EXPECT_NE(s.texte.find("avertissement : fin de signet ignorée : aucun début de signet n'a l'aml:id 999"),
              std::string::npos)
        << s.texte;
    const nlohmann::json j = nlohmann::json::parse(lance({"noter", "110", document, "--json", "-"}).texte);
    ASSERT_EQ(j["documents"][0]["warnings"].size(), 1u);
}

TEST_F(Commandes, ExercicesAideEtVersion) {
    struct Cas {
        std::vector<std::string> args;
        int code;
        std::string fragment;
    };
    for (const Cas& c : std::vector<Cas>{
             {{"exercices", "0115"}, SortieReussie, "115  Justifier les deux paragraphes indiqués"},
             {{"exercices", "125"}, SortieUsage, "inconnu"},
             {{"help", "noter"}, SortieReussie, "--jobs"},
             {{"help", "rien"}, SortieUsage, "inconnue"},
             {{"--help"}, SortieReussie, "Examples:"},
             {{"--version"}, SortieReussie, "k58204 "},
         }) {
        Sortie s = lance(c.args);
        EXPECT_EQ(s.code, c.code);
        EXPECT_NE((s.texte + s.erreurs).find(c.fragment), std::string::npos) << s.texte << s.erreurs;
    }
    const nlohmann::json liste = nlohmann::json::parse(lance({"exercices", "--json"}).texte);
    ASSERT_EQ(liste.size(), 24u);
    EXPECT_EQ(liste[9]["exercise"], 110);
    EXPECT_EQ(liste[9]["codes"].size(), 4u);
}

// Script mistakes go into the JSON report too; verdicts there carry their reading.
TEST_F(Commandes, JsonDeLeconAvecErreursEtMessages) {
    const std::string json = (dossier() / "rapport.json").string();
    Sortie s = lance({"lecon", ecrit("mal.lecon", "exercice 105\nteste maintenant\n"), "--json", json});
    EXPECT_EQ(s.code, SortieUsage);
    nlohmann::json j = nlohmann::json::parse(std::ifstream(json));
    ASSERT_EQ(j["erreursScript"].size(), 1u);
    EXPECT_NE(j["erreursScript"][0].get<std::string>().find("mal.lecon:2: "), std::string::npos);

    s = lance({"lecon", ecrit("faux.lecon", Faux), "--json", "-"});
    EXPECT_EQ(s.code, SortieEchec);
    j = nlohmann::json::parse(s.texte);
    const auto& teste = j["scripts"][0]["evenements"][0];
    EXPECT_EQ(teste["type"], "teste");
    EXPECT_EQ(teste["code"], "A");
    EXPECT_EQ(teste["general"], false);
    EXPECT_EQ(teste["passed"], false);
    EXPECT_EQ(teste["message"], "Les marques de mise en forme ne sont pas affichées.");
}

}  // namespace
}  // namespace k58204::lecon
