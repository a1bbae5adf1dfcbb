#pragma once
// What the host checks of a file before grading it, so that a wrong input
// gets an answer naming the user's own file: what it is when it is not a
// regular file (a folder, a device, a named pipe, a socket), and, for a
// regular file, why it is not a WordprocessingML 2003 document: a binary
// Word 97-2003 document (compound file signature), a Word 2007 or later
// document (zip signature), or the reader's own reason.
#include <filesystem>
#include <string>
#include <vector>

namespace k58204::lecon {

// The file's bytes when it is a readable WordprocessingML document, with
// what the reader noticed but could go on with added to `avertissements`.
// ErreurNotation ("CHEMIN : reason") otherwise.
std::string litDocumentANoter(const std::filesystem::path& chemin, std::vector<std::string>& avertissements);

// "dossier", "périphérique", "tube nommé (FIFO)", "socket", "lien cassé" or
// "fichier spécial" for what is not a regular file; empty for a regular file
// or a missing path.
std::string natureNonOrdinaire(const std::filesystem::path& chemin);

}  // namespace k58204::lecon
