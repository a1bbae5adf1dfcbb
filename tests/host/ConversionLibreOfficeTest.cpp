// Binary documents converted by LibreOffice: each result matched to its own
// document (the same one twice included), a missing program or a hung one
// answered in time, with what to do. The real LibreOffice converts the
// course's documents in the agreement test, and refuses a damaged one on the
// class page's test.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "host/ConversionLibreOffice.hpp"
#include "host/Cours.hpp"
#include "host/DossierTemporaire.hpp"
#include "host/ProcessusEnfant.hpp"

namespace k58204::lecon {
namespace {

namespace fs = std::filesystem;

// A stand-in for soffice: a shell script run with LibreOffice's arguments.
fs::path fauxSoffice(const fs::path& dossier, const std::string& corps) {
    const fs::path script = dossier / "soffice";
    std::ofstream(script) << "#!/bin/sh\n" << corps;
    fs::permissions(script, fs::perms::owner_all);
    return script;
}

// Converts only the inputs whose name holds "bon", as LibreOffice does: one
// line each, in order, the output named after the input's stem.
constexpr char ConvertitLesBons[] = R"(
while [ "$1" != "--outdir" ]; do shift; done
sortie="$2"; shift 2
for f in "$@"; do
  n=$(basename "$f" .doc)
  if grep -q bon "$f"; then printf 'PK' > "$sortie/$n.docx"; echo "convert $f -> $sortie/$n.docx"
  else echo "Error: source file could not be loaded"; fi
done
)";

TEST(ConversionLibreOffice, ChaqueResultatASonDocument) {
    DossierTemporaire dossier("k58204-conversion-test");
    const fs::path programme = fauxSoffice(dossier.chemin(), ConvertitLesBons);
    std::vector<fs::path> documents;
    for (const char* contenu : {"mauvais", "bon 1", "mauvais", "bon 3"}) {
        documents.push_back(dossier.chemin() / ("d" + std::to_string(documents.size()) + ".doc"));
        std::ofstream(documents.back()) << contenu;
    }
    documents.push_back(dossier.chemin() / "absent.doc");
    documents.push_back(documents[1]);
    ConversionLibreOffice conversion(programme.string());
    ASSERT_TRUE(conversion.disponible());
    size_t appels = 0;
    const std::vector<Conversion> r = conversion.convertit(documents, [&] { ++appels; });
    ASSERT_EQ(r.size(), documents.size());
    EXPECT_EQ(appels, documents.size());
    for (size_t i = 0; i < documents.size(); ++i) {
        SCOPED_TRACE(i);
        const bool bon = i == 1 || i == 3 || i == 5;
        EXPECT_EQ(r[i].docx.has_value(), bon);
        EXPECT_EQ(r[i].erreur.empty(), bon) << r[i].erreur;
    }
    EXPECT_NE(r[0].erreur.find("n'a pas pu le convertir"), std::string::npos) << r[0].erreur;
    EXPECT_NE(r[4].erreur.find("copie pour la conversion impossible"), std::string::npos) << r[4].erreur;
    EXPECT_EQ(litFichier(*r[3].docx), "PK");
    EXPECT_NE(r[1].docx, r[5].docx) << "one output per document, even the same one twice";
}

TEST(ConversionLibreOffice, ProgrammeAbsentOuQuiNeRendPasLaMain) {
    DossierTemporaire dossier("k58204-conversion-test");
    const fs::path document = dossier.chemin() / "copie.doc", pid = dossier.chemin() / "pid";
    std::ofstream(document) << "bon";
    {
        ConversionLibreOffice absente((dossier.chemin() / "absent" / "soffice").string());
        EXPECT_FALSE(absente.disponible());
        const std::vector<Conversion> r = absente.convertit({document, document});
        ASSERT_EQ(r.size(), 2u);
        for (const Conversion& c : r)
            EXPECT_NE(c.erreur.find("installez le paquet libreoffice-writer-nogui"), std::string::npos) << c.erreur;
    }
    // A program that leaves a child behind and never ends: both go at the limit.
    setenv("K58204_DELAI_LIBREOFFICE", "1", 1);
    ConversionLibreOffice bloquee(fauxSoffice(dossier.chemin(), "sleep 600 & echo $! > '" + pid.string() + "'\nwait\n").string());
    const auto debut = std::chrono::steady_clock::now();
    const std::vector<Conversion> r = bloquee.convertit({document});
    unsetenv("K58204_DELAI_LIBREOFFICE");
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(5));
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].erreur, "LibreOffice n'a pas terminé la conversion en 1 s");
    const pid_t enfant = std::stoi(litFichier(pid));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    // Gone, or a zombie waiting for a parent that no longer lives.
    const fs::path stat = "/proc/" + std::to_string(enfant) + "/stat";
    const std::string etat = fs::exists(stat) ? litFichier(stat) : "";
    EXPECT_TRUE(etat.empty() || etat.find(") Z ") != std::string::npos) << etat;
}

}  // namespace
}  // namespace k58204::lecon
