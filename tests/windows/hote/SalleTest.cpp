// Between scripts, k58204.exe gives the next one the drive the run started
// from: what a script added at the drive's top is removed, nothing else.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "com/Possession.hpp"
#include "host/Cours.hpp"
#include "host/Hote.hpp"
#include "host/windows/SalleCom.hpp"

namespace fs = std::filesystem;
namespace kl = k58204::lecon;

namespace {

void ecrit(const fs::path& p) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "x";
}

TEST(SalleCom, CeQueLeScriptAjouteEnHautDuLecteurDisparaitApresLui) {
    k58204::com::InitialisationCom com;
    const fs::path lecteur = fs::temp_directory_path() / "k58204-salle-test";
    fs::remove_all(lecteur);
    ecrit(lecteur / "Windows" / "system.ini");
    ecrit(lecteur / "garde.txt");

    kl::windows::SalleCom salle(lecteur);
    std::ostringstream erreurs;
    ASSERT_TRUE(salle.prepare(erreurs));
    // What a script leaves: folders and files at the top, and a file inside a folder that was there.
    ecrit(lecteur / "Cours" / "K58204" / "05820410.doc");
    ecrit(lecteur / "copie.doc");
    ecrit(lecteur / "Windows" / "laisse.tmp");

    const kl::Cours cours(lecteur);
    const kl::Hote hote(cours);
    const kl::RapportScript r = salle.joue(0, kl::Script{"vide.lecon", {}}, hote);
    EXPECT_EQ(r.fichier, "vide.lecon");

    EXPECT_FALSE(fs::exists(lecteur / "Cours"));
    EXPECT_FALSE(fs::exists(lecteur / "copie.doc"));
    EXPECT_TRUE(fs::exists(lecteur / "garde.txt"));
    EXPECT_TRUE(fs::exists(lecteur / "Windows" / "system.ini"));
    EXPECT_TRUE(fs::exists(lecteur / "Windows" / "laisse.tmp"));
    fs::remove_all(lecteur);
}

TEST(SalleCom, UnLecteurAbsentArreteLaSeanceAvantLePremierScript) {
    kl::windows::SalleCom salle(fs::temp_directory_path() / "k58204-aucun-lecteur");
    std::ostringstream erreurs;
    EXPECT_FALSE(salle.prepare(erreurs));
    EXPECT_NE(erreurs.str().find("lecteur introuvable"), std::string::npos);
}

}  // namespace
