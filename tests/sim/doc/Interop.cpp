// A saved document opened by LibreOffice: its text must be the document's
// text. Skipped where soffice is not installed, except in continuous
// integration (the CI environment variable set), where it must be.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "sim/doc/WordML.hpp"
#include "support/ProgrammeRequis.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {
namespace {

TEST(Interop, LibreOfficeLitLeTexte) {
    K58204_EXIGE_PROGRAMME("soffice");
    ModeleDocument d;
    d.inserer(0, u"Voyage \u00e0 CANGO\rIl l'avait finalement trouv\u00e9.");
    FormatCaractere gras;
    gras.gras = true;
    d.appliquerCaracteres(0, 6, gras);
    d.activerBordures(0, 0, true, 6);
    d.ajouterSignet(u"s01", 17, 30);
    d.modifierMiseEnPage(-1, [](MiseEnPage& m) { m.definirOrientation(1); });

    auto dossier = std::filesystem::temp_directory_path() / ("k58204-interop-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dossier);
    std::ofstream(dossier / "essai.doc", std::ios::binary) << ecrireWordML(d);
    std::string commande =
        "cd '" + dossier.string() + "' && soffice --headless --convert-to txt:Text essai.doc >/dev/null 2>&1";
    ASSERT_EQ(std::system(commande.c_str()), 0);
    std::stringstream lu;
    lu << std::ifstream(dossier / "essai.txt", std::ios::binary).rdbuf();
    std::filesystem::remove_all(dossier);
    // Line ends and a byte-order mark aside, the text is the document's.
    std::string texte = lu.str(), attendu = versUtf8(d.texte(0, d.longueur() - 1));
    if (texte.rfind("\xEF\xBB\xBF", 0) == 0) texte.erase(0, 3);
    std::replace(attendu.begin(), attendu.end(), '\r', '\n');
    std::erase(texte, '\r');
    while (!texte.empty() && texte.back() == '\n') texte.pop_back();
    EXPECT_EQ(texte, attendu);
}

}  // namespace
}  // namespace k58204::sim
