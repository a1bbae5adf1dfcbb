// A class handed in as Word saves it: a .docx (here LibreOffice's save of
// the course's document), the same under a .doc name, and hostile archives.
// The format is told by the bytes; each hostile archive is refused with its
// reason and the rest of the class is graded; alone, it makes the run exit 2.
#include <gtest/gtest.h>

#include <fstream>

#include <nlohmann/json.hpp>

#include "Lance.hpp"
#include "SchemaJson.hpp"
#include "Soffice.hpp"
#include "host/Commandes.hpp"
#include "host/DossierTemporaire.hpp"
#include "sim/docx/Paquets.hpp"
#include "support/ProgrammeRequis.hpp"

namespace k58204::lecon {
namespace {

namespace fs = std::filesystem;

test::Sortie noter(std::vector<std::string> args, const char* exercice = "110") {
    args.insert(args.begin(), {"noter", exercice});
    return test::lance(args);
}

void ecrit(const fs::path& p, const std::string& octets) { std::ofstream(p, std::ios::binary) << octets; }

TEST(NoterFormats, DocxParSesOctetsEtArchivesHostiles) {
    K58204_EXIGE_PROGRAMME("soffice");
    DossierTemporaire dossier("k58204-noter-formats");
    const fs::path classe = dossier.chemin() / "classe", source = dossier.chemin() / "source.xml";
    fs::create_directories(classe);
    fs::copy_file(fs::path(K58204_COURS_DIR) / "05820410.doc", source);
    ASSERT_TRUE(test::enregistreSous({source}, "docx:MS Word 2007 XML", classe, dossier.chemin() / "p"));
    fs::copy_file(classe / "source.docx", classe / "renomme.doc");

    std::vector<sim::test::EntreeZip> milliers = sim::test::entreesDocx({.corps = "<w:p/>"});
    for (int i = 0; i < 2000; ++i) milliers.push_back({"media/" + std::to_string(i), "x"});
    ecrit(classe / "milliers.docx", sim::test::archiveZip(milliers));
    std::string bombe = sim::test::archiveZip(sim::test::entreesDocx({.corps = "<w:p/>"}));
    sim::test::declareTaille(bombe, "word/document.xml", 1024u << 20);
    ecrit(classe / "bombe.docx", bombe);
    std::vector<sim::test::EntreeZip> chiffre = sim::test::entreesDocx({.corps = "<w:p/>"});
    chiffre.front().chiffree = true;
    ecrit(classe / "chiffre.docx", sim::test::archiveZip(chiffre));

    const test::Sortie s = noter({classe.string(), "--json", "-"});
    ASSERT_EQ(s.code, SortieEchec) << s.erreurs;
    const nlohmann::json j = nlohmann::json::parse(s.texte);
    std::map<std::string, nlohmann::json> parNom;
    for (const auto& d : j["documents"]) parNom[d["name"]] = d;
    ASSERT_EQ(parNom.size(), 5u) << s.texte;
    struct Attendu {
        const char* nom;
        const char* statut;
        const char* fragment;  // of the message
        size_t avertissements;
    };
    for (const Attendu& a : {
             Attendu{"source.docx", "failed", "n'est ni en gras ni en italique", 0},
             Attendu{"renomme.doc", "failed", "n'est ni en gras ni en italique", 1},
             Attendu{"milliers.docx", "not-gradable", "document .docx illisible", 0},
             Attendu{"bombe.docx", "not-gradable", "document .docx illisible", 0},
             Attendu{"chiffre.docx", "not-gradable", "document .docx illisible", 0},
         }) {
        SCOPED_TRACE(a.nom);
        const nlohmann::json& d = parNom[a.nom];
        EXPECT_EQ(d["status"], a.statut);
        EXPECT_NE(d["message"].get<std::string>().find(a.fragment), std::string::npos) << d["message"];
        EXPECT_EQ(d["warnings"].size(), a.avertissements) << d["warnings"];
        EXPECT_EQ(d["converted"], false);
        EXPECT_EQ(d["reader"], std::string(a.statut) == "failed" ? nlohmann::json("docx") : nlohmann::json(nullptr));
    }
    // A .docx LibreOffice saved, for an exercise whose bookmark LibreOffice
    // cuts: no verdict, the reason instead; the JSON still follows its schema.
    const test::Sortie aVerifier = noter({(classe / "source.docx").string()}, "118");
    EXPECT_EQ(aVerifier.code, SortieEchec);
    EXPECT_NE(aVerifier.texte.find("source.docx : exercice 118 : à vérifier dans Word : LibreOffice, qui a enregistré ce .docx, "
                                   "coupe en deux"),
              std::string::npos)
        << aVerifier.texte;
    EXPECT_NE(aVerifier.texte.find("0 passed, 0 failed, 0 not gradable, 1 to check in Word"), std::string::npos);
    const nlohmann::json schema = nlohmann::json::parse(std::ifstream(std::string(K58204_SOURCES_DIR) + "/src/host/schemas/notes.schema.json"));
    EXPECT_EQ(test::valide(j, schema), std::vector<std::string>{});
    const test::Sortie enJson = noter({(classe / "source.docx").string(), "--json", "-"}, "118");
    const nlohmann::json jv = nlohmann::json::parse(enJson.texte);
    EXPECT_EQ(test::valide(jv, schema), std::vector<std::string>{});
    EXPECT_EQ(jv["documents"][0]["status"], "to-check");
    EXPECT_EQ(jv["summary"]["toCheck"], 1);

    // Alone, a hostile archive is a run that graded nothing.
    const test::Sortie seul = noter({(classe / "bombe.docx").string()});
    EXPECT_EQ(seul.code, SortieUsage);
    EXPECT_NE(seul.texte.find("bombe.docx : document .docx illisible"), std::string::npos) << seul.texte;
}

}  // namespace
}  // namespace k58204::lecon
