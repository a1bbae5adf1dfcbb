#pragma once
// What the host checks of a file before grading it, so that a wrong input
// gets an answer naming the user's own file: what it is when it is not a
// regular file (a folder, a device, a named pipe, a socket), its format told
// by its bytes (whatever its extension), and, for a document that cannot be
// read, the reader's own reason. WordprocessingML 2003 is what the simulated
// Word opens; a .docx is read into the same document model and handed to it
// in that form; a binary Word 97-2003 document must be converted first
// (ConversionLibreOffice.hpp).
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace k58204::lecon {

enum class FormatFichier { WordML2003, Docx, WordBinaire, Autre };

// From the first bytes: the compound file signature (binary Word 97-2003,
// also an encrypted .docx), a zip's local header (.docx), else XML or other.
FormatFichier formatDesOctets(std::string_view debut);
// The same for a file (Autre when it cannot be read).
FormatFichier formatDuFichier(const std::filesystem::path& chemin);

// Which reader graded a document.
enum class Lecteur { WordML2003, Docx };
// "wordml2003" or "docx", as the machine-readable reports write it.
const char* codeLecteur(Lecteur l);

struct DocumentLu {
    std::string wordml;  // the document as WordprocessingML 2003, for the simulated Word
    Lecteur lecteur = Lecteur::WordML2003;
    std::vector<std::string> avertissements;  // what the reader noticed but could go on with
    std::string application;  // the program that saved a .docx, as the package names it
};

// The largest file read: a .docx with pictures is a few megabytes, and the
// readers refuse larger documents than this anyway.
inline constexpr uintmax_t TailleMaxFichierANoter = 64u << 20;

// Reads a WordprocessingML 2003 or .docx document. ErreurNotation ("NOM :
// reason", `nom` defaulting to the path) when it cannot be graded as it is.
DocumentLu litDocumentANoter(const std::filesystem::path& chemin, const std::string& nom = "");

// "dossier", "périphérique", "tube nommé (FIFO)", "socket", "lien cassé" or
// "fichier spécial" for what is not a regular file; empty for a regular file
// or a missing path.
std::string natureNonOrdinaire(const std::filesystem::path& chemin);

// Whether this build reads .docx (it needs the zip library).
bool lecteurDocxDisponible();

}  // namespace k58204::lecon
