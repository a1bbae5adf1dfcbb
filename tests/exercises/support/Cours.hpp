#pragma once
// The course documents as they sit in the course folder, before the host
// stages them.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace k58204::test {

// The source document of exercise n: 101 gives "05820401.doc".
inline std::string nomCours(int32_t n) {
    std::string nom = "05820";
    nom += std::to_string(n + 300);
    nom += ".doc";
    return nom;
}

// The bytes of a course document.
inline std::string litCours(const std::string& nom) {
    const std::filesystem::path chemin = std::filesystem::path(K58204_COURS_DIR) / nom;
    std::ifstream f(chemin, std::ios::binary);
    if (!f) throw std::runtime_error("course document missing: " + chemin.string());
    std::stringstream contenu;
    contenu << f.rdbuf();
    return contenu.str();
}

}  // namespace k58204::test
