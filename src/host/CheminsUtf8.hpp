#pragma once
// File names on the command line and in reports are UTF-8 text on every
// host. A path's narrow form is the ANSI code page on Windows, so paths are
// made from, and named in, UTF-8 explicitly.
#include <filesystem>
#include <string>
#include <string_view>

namespace k58204::lecon {

inline std::filesystem::path cheminUtf8(std::string_view texte) {
    return std::filesystem::path(std::u8string(texte.begin(), texte.end()));
}

inline std::string texteChemin(const std::filesystem::path& chemin) {
    const std::u8string u = chemin.u8string();
    return std::string(u.begin(), u.end());
}

}  // namespace k58204::lecon
