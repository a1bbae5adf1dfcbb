#include "host/Cours.hpp"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "word/Texte.hpp"

#ifdef _WIN32
#include <windows.h>
#endif

#ifndef K58204_COURS_SOURCES
#define K58204_COURS_SOURCES "cours"
#endif

namespace k58204::lecon {

std::optional<std::u16string> Cours::nomSource(int32_t exercice) {
    if (exercice < 100 || exercice > 199) return std::nullopt;
    const int32_t rang = exercice - 100;
    std::u16string nom = u"058204";
    nom += static_cast<char16_t>(u'0' + rang / 10);
    nom += static_cast<char16_t>(u'0' + rang % 10);
    return nom + u".doc";
}

std::optional<std::filesystem::path> Cours::source(int32_t exercice) const {
    auto nom = nomSource(exercice);
    if (!nom) return std::nullopt;
    std::filesystem::path chemin = dossier_ / versUtf8(*nom);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(chemin, ec)) return std::nullopt;
    return chemin;
}

bool Cours::place(int32_t exercice, const std::u16string& dossier, platform::SystemeFichiers& fichiers) const {
    fichiers.MakeSureDirectoryPathExists(dossier);
    auto chemin = source(exercice);
    if (!chemin) return false;
    fichiers.Ecrit(dossier + *nomSource(exercice), litFichier(*chemin));
    return true;
}

std::vector<std::filesystem::path> Cours::lecons() const {
    std::vector<std::filesystem::path> scripts;
    std::error_code ec;
    for (const auto& entree : std::filesystem::directory_iterator(dossier_, ec)) {
        if (entree.is_regular_file(ec) && entree.path().extension() == ".lecon") scripts.push_back(entree.path());
    }
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

namespace {

// The running program's file.
std::filesystem::path executable() {
#ifdef _WIN32
    std::wstring chemin(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, chemin.data(), static_cast<DWORD>(chemin.size()));
        if (n == 0) return {};
        if (n < chemin.size()) return std::filesystem::path(chemin.substr(0, n));
        chemin.resize(chemin.size() * 2);
    }
#else
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec);
#endif
}

// The source tree's course. Built on Linux for Windows, its path is a Linux
// one, which Wine shows on drive Z:.
std::filesystem::path coursDesSources() {
    std::string chemin = K58204_COURS_SOURCES;
#ifdef _WIN32
    if (!chemin.empty() && chemin.front() == '/') chemin.insert(0, "Z:");
#endif
    return chemin;
}

}  // namespace

std::filesystem::path dossierCoursParDefaut() {
    std::error_code ec;
    const std::filesystem::path exe = executable();
    if (!exe.empty()) {
        std::filesystem::path voisin = exe.parent_path() / "cours";
        if (std::filesystem::is_directory(voisin, ec)) return voisin;
    }
    return coursDesSources();
}

std::string litFichier(const std::filesystem::path& chemin) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(chemin, ec)) throw std::runtime_error(chemin.string() + ": fichier introuvable");
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream contenu;
    if (f) contenu << f.rdbuf();
    if (!f) throw std::runtime_error(chemin.string() + ": fichier illisible");
    return contenu.str();
}

}  // namespace k58204::lecon
