#pragma once
// Documents saved in another format by a headless LibreOffice with a profile
// of its own (in `profil`), so that tests running at once do not share one.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "host/ProcessusEnfant.hpp"

namespace k58204::lecon::test {

// Saves each of `sources` in `sortie` with the filter `filtre` ("doc:MS Word
// 97", "docx"); true when soffice ended well within `delai`.
inline bool enregistreSous(const std::vector<std::filesystem::path>& sources, const std::string& filtre,
                           const std::filesystem::path& sortie, const std::filesystem::path& profil,
                           std::chrono::seconds delai = std::chrono::seconds(120)) {
    std::vector<std::string> arguments = {"soffice", "--headless", "-env:UserInstallation=file://" + profil.string(),
                                          "--convert-to", filtre, "--outdir", sortie.string()};
    for (const auto& s : sources) arguments.push_back(s.string());
    ProcessusEnfant soffice(arguments);
    int code = -1;
    return soffice.attend(delai, [](const std::string&) {}, code) == ProcessusEnfant::Fin::Terminee && code == 0;
}

}  // namespace k58204::lecon::test
