// Between scripts, k58204.exe gives the next one the drive the run started
// from: what a script added at the drive's top is removed, nothing else.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "com/commun/Possession.hpp"
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

// What was there stays, a file a script added inside it included; what a
// script added at the top, read-only or not, goes. (That nothing a script
// made is left is the lesson's, under Wine.)
TEST(SalleCom, CeQueLeScriptAjouteEnHautDuLecteurDisparaitApresLui) {
    k58204::com::InitialisationCom com;
    const fs::path lecteur = fs::temp_directory_path() / "k58204-salle-test";
    fs::remove_all(lecteur);
    for (const char* f : {"Windows/system.ini", "garde.txt"}) ecrit(lecteur / f);
    kl::windows::SalleCom salle(lecteur);
    std::ostringstream erreurs;
    ASSERT_TRUE(salle.prepare(erreurs));
    for (const char* f : {"Cours/K58204/05820410.doc", "copie.doc", "Windows/laisse.tmp"}) ecrit(lecteur / f);
    fs::permissions(lecteur / "copie.doc", fs::perms::owner_write, fs::perm_options::remove);
    salle.joue(0, kl::Script{"vide.lecon", {}}, kl::Hote(kl::Cours(lecteur)));
    for (const auto& [chemin, reste] : {std::pair{fs::path("Cours"), false}, {"copie.doc", false}, {"garde.txt", true},
                                        {"Windows/laisse.tmp", true}})
        EXPECT_EQ(fs::exists(lecteur / chemin), reste) << chemin;
    fs::remove_all(lecteur);
}

// An absent drive stops the session before the first script.
TEST(SalleCom, LecteurAbsent) {
    std::ostringstream erreurs;
    EXPECT_FALSE(kl::windows::SalleCom(fs::temp_directory_path() / "k58204-aucun-lecteur").prepare(erreurs));
    EXPECT_NE(erreurs.str().find("lecteur introuvable"), std::string::npos);
}

}  // namespace
