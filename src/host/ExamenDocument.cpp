#include "host/ExamenDocument.hpp"

#include <fstream>
#include <system_error>

#include "host/Cours.hpp"
#include "host/Notation.hpp"
#include "sim/doc/WordML.hpp"
#ifdef K58204_DOCX
#include "sim/docx/ApplicationDocx.hpp"
#include "sim/docx/Docx.hpp"
#endif

namespace k58204::lecon {

namespace {

constexpr std::string_view SignatureFichierCompose("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
constexpr std::string_view SignatureZip("PK\x03\x04", 4);

std::string versWordML(const std::string& nom, const std::string& octets, std::vector<std::string>& avertissements) {
#ifdef K58204_DOCX
    try {
        return sim::ecrireWordML(sim::lireDocx(octets, avertissements));
    } catch (const sim::ErreurDocx& e) {
        throw ErreurNotation(nom + " : document .docx illisible : " + e.what());
    } catch (const sim::ErreurWordML& e) {
        throw ErreurNotation(nom + " : document .docx illisible : " + e.what());
    }
#else
    (void)octets;
    (void)avertissements;
    throw ErreurNotation(nom + " : document Word 2007 ou plus récent (.docx), que cette version de k58204 ne lit pas : "
                               "ouvrez-le dans Word et enregistrez-le au format Document XML de Word 2003");
#endif
}

}  // namespace

bool lecteurDocxDisponible() {
#ifdef K58204_DOCX
    return true;
#else
    return false;
#endif
}

FormatFichier formatDesOctets(std::string_view debut) {
    if (debut.starts_with(SignatureFichierCompose)) return FormatFichier::WordBinaire;
    if (debut.starts_with(SignatureZip)) return FormatFichier::Docx;
    if (sim::ressembleWordML(debut)) return FormatFichier::WordML2003;
    return FormatFichier::Autre;
}

FormatFichier formatDuFichier(const std::filesystem::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    char debut[512] = {};
    f.read(debut, sizeof debut);
    return formatDesOctets(std::string_view(debut, static_cast<size_t>(f.gcount())));
}

const char* codeLecteur(Lecteur l) { return l == Lecteur::Docx ? "docx" : "wordml2003"; }

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

DocumentLu litDocumentANoter(const std::filesystem::path& chemin, const std::string& nomDonne) {
    const std::string nom = nomDonne.empty() ? chemin.string() : nomDonne;
    std::error_code ec;
    if (const std::string nature = natureNonOrdinaire(chemin); !nature.empty())
        throw ErreurNotation(nom + " : c'est un " + nature + ", pas un document");
    if (!std::filesystem::exists(chemin, ec)) throw ErreurNotation(nom + " : fichier introuvable");
    if (std::filesystem::file_size(chemin, ec) > TailleMaxFichierANoter)
        throw ErreurNotation(nom + " : fichier de plus de " + std::to_string(TailleMaxFichierANoter >> 20) +
                             " Mio, refusé sans être lu");
    std::string octets;
    try {
        octets = litFichier(chemin);
    } catch (const std::exception&) {
        throw ErreurNotation(nom + " : fichier illisible");
    }
    DocumentLu lu;
    const std::string extension = std::filesystem::path(nom).extension().string();
    switch (formatDesOctets(octets)) {
        case FormatFichier::WordBinaire:
            throw ErreurNotation(nom + " : document Word binaire : ouvrez-le dans Word 2003 et enregistrez-le au format "
                                       "Document XML");
        case FormatFichier::Docx:
            lu.lecteur = Lecteur::Docx;
            lu.wordml = versWordML(nom, octets, lu.avertissements);
#ifdef K58204_DOCX
            lu.application = sim::applicationDocx(octets);
#endif
            if (extension != ".docx" && extension != ".docm")
                lu.avertissements.push_back("extension « " + extension + " » pour un document .docx");
            return lu;
        case FormatFichier::WordML2003:
        case FormatFichier::Autre: break;
    }
    try {
        (void)sim::lireWordML(octets, lu.avertissements);
    } catch (const sim::ErreurWordML& e) {
        throw ErreurNotation(nom + " : pas un document WordprocessingML 2003 : " + e.what());
    }
    if (extension != ".xml" && extension != ".doc")
        lu.avertissements.push_back("extension « " + extension + " » inhabituelle pour un document Word");
    lu.wordml = std::move(octets);
    return lu;
}

}  // namespace k58204::lecon
