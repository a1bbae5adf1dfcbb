#pragma once
// The course material the host works from: a folder holding the exercises'
// source documents ("05820401.doc" …) and the lesson scripts (*.lecon).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/SystemeFichiers.hpp"

namespace k58204::lecon {

// Where the host stages an exercise's documents unless the script says otherwise.
inline constexpr char16_t DossierTravailParDefaut[] = u"C:\\Cours\\K58204\\";

class Cours {
public:
    explicit Cours(std::filesystem::path dossier) : dossier_(std::move(dossier)) {}

    const std::filesystem::path& dossier() const { return dossier_; }

    // The source document's name of exercise n: "058204" + the two digits of
    // n − 100 + ".doc" ("05820407.doc" for 107); nothing outside 100 to 199.
    static std::optional<std::u16string> nomSource(int32_t exercice);
    // Its file in the course, when the course has it.
    std::optional<std::filesystem::path> source(int32_t exercice) const;
    // Copies the source document of the exercise, when the course has it,
    // into `dossier` (a Windows folder ending with a backslash, created when
    // missing) under its source name, as the training host places it before
    // InitQuestion. False when the course has no such document.
    bool place(int32_t exercice, const std::u16string& dossier, platform::SystemeFichiers& fichiers) const;

    // The lesson scripts of the course (*.lecon), in name order.
    std::vector<std::filesystem::path> lecons() const;

private:
    std::filesystem::path dossier_;
};

// The course folder to use when none is given: "cours" beside the executable
// when there is one, else the source tree's (fixed at build time).
std::filesystem::path dossierCoursParDefaut();

// A file's bytes; std::runtime_error when it cannot be read.
std::string litFichier(const std::filesystem::path& chemin);

}  // namespace k58204::lecon
