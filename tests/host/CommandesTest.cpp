// The command line: exit codes, the report's last line, the JSON report,
// grading from the command line.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

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

}  // namespace
}  // namespace k58204::lecon
