#pragma once
// Reads a lesson script (*.lecon, UTF-8): one step per line, "#" or "'"
// starting a comment outside string literals, blank lines skipped. The whole
// script is read before anything runs; every mistake is reported with its
// file and line.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/Etapes.hpp"

namespace k58204::lecon {

// The mistakes of a script, each "fichier:ligne: what is wrong"; what() gives
// them one a line.
class ErreurScript : public std::runtime_error {
public:
    explicit ErreurScript(std::vector<std::string> erreurs);
    const std::vector<std::string>& erreurs() const { return erreurs_; }

private:
    std::vector<std::string> erreurs_;
};

// A script larger than this is refused unread (the course's are a few kB).
inline constexpr size_t TailleMaxScript = 1024 * 1024;
// Reading stops after this many mistakes, the last line saying so.
inline constexpr size_t ErreursMaxScript = 50;

// Host steps are the lower-case keywords exercice, teste, fermer, quitter,
// attendu, verifie (in any case); desktop steps start with "!". Any other
// line is a VBA statement, and must start with a member of Word: a line whose
// first word is written all in lower case is taken for a misspelt step.
Script analyseScript(std::string_view contenu, const std::string& fichier);
// Reads the file (a UTF-8 byte order mark is skipped); an unreadable file,
// or one larger than TailleMaxScript, is an ErreurScript too.
Script litScript(const std::filesystem::path& chemin);

// The line without its comment ("#" or "'" outside a string literal).
std::u16string sansCommentaire(std::u16string_view ligne);

}  // namespace k58204::lecon
