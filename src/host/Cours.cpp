#include "host/Cours.hpp"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "word/Texte.hpp"

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

std::filesystem::path dossierCoursParDefaut() {
    std::error_code ec;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        std::filesystem::path voisin = executable.parent_path() / "cours";
        if (std::filesystem::is_directory(voisin, ec)) return voisin;
    }
    return K58204_COURS_SOURCES;
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
