#include "host/ExamenDocument.hpp"

#include <string_view>
#include <system_error>

#include "host/Cours.hpp"
#include "host/Notation.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::lecon {

namespace {

constexpr std::string_view SignatureFichierCompose("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
constexpr std::string_view SignatureZip("PK\x03\x04", 4);

}  // namespace

std::string natureNonOrdinaire(const std::filesystem::path& chemin) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status s = fs::status(chemin, ec);
    switch (s.type()) {
        case fs::file_type::regular:
        case fs::file_type::not_found:
        case fs::file_type::none: break;
        case fs::file_type::directory: return "dossier";
        case fs::file_type::block:
        case fs::file_type::character: return "périphérique";
        case fs::file_type::fifo: return "tube nommé (FIFO)";
        case fs::file_type::socket: return "socket";
        default: return "fichier spécial";
    }
    if (s.type() == fs::file_type::not_found && fs::is_symlink(fs::symlink_status(chemin, ec))) return "lien cassé";
    return "";
}

std::string litDocumentANoter(const std::filesystem::path& chemin, std::vector<std::string>& avertissements) {
    const std::string nom = chemin.string();
    std::error_code ec;
    if (const std::string nature = natureNonOrdinaire(chemin); !nature.empty())
        throw ErreurNotation(nom + " : c'est un " + nature + ", pas un document");
    if (!std::filesystem::exists(chemin, ec)) throw ErreurNotation(nom + " : fichier introuvable");
    std::string octets;
    try {
        octets = litFichier(chemin);
    } catch (const std::exception&) {
        throw ErreurNotation(nom + " : fichier illisible");
    }
    if (octets.starts_with(SignatureFichierCompose))
        throw ErreurNotation(nom + " : document Word binaire : ouvrez-le dans Word 2003 et enregistrez-le au format Document XML");
    if (octets.starts_with(SignatureZip))
        throw ErreurNotation(nom + " : document Word 2007 ou plus récent (.docx) : ouvrez-le dans Word et enregistrez-le au format Document XML de Word 2003");
    try {
        (void)sim::lireWordML(octets, avertissements);
    } catch (const sim::ErreurWordML& e) {
        throw ErreurNotation(nom + " : pas un document WordprocessingML 2003 : " + e.what());
    }
    const std::string extension = chemin.extension().string();
    if (extension != ".xml" && extension != ".doc")
        avertissements.push_back("extension « " + extension + " » inhabituelle pour un document Word");
    return octets;
}

}  // namespace k58204::lecon
