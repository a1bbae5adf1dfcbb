#include "sim/docx/ArchiveZip.hpp"

#include <zip.h>

#include <algorithm>

#include "sim/docx/Docx.hpp"

namespace k58204::sim {

namespace {

constexpr uint64_t Mio = 1024 * 1024;

std::string enMio(uint64_t octets) { return std::to_string(octets / Mio) + " Mio"; }

// libzip's own words, for the teacher to pass on.
std::string raison(zip_error_t* e) {
    const char* t = zip_error_strerror(e);
    return t ? std::string(" (") + t + ")" : std::string();
}

[[noreturn]] void refuseOuverture(zip_error_t* e, bool enteteZip) {
    const int code = zip_error_code_zip(e);
    std::string r = raison(e);
    zip_error_fini(e);
    switch (code) {
        case ZIP_ER_MEMORY: throw std::bad_alloc();
        case ZIP_ER_NOZIP:
            throw ErreurDocx(ErreurDocx::Cause::PasZip,
                             enteteZip ? "archive zip tronquée ou endommagée : son répertoire central est introuvable"
                                       : "ce n'est pas une archive zip");
        default: throw ErreurDocx(ErreurDocx::Cause::PasZip, "archive zip endommagée" + r);
    }
}

[[noreturn]] void refuseLecture(std::string_view nom, zip_error_t* e) {
    const int code = zip_error_code_zip(e);
    const std::string n(nom);
    switch (code) {
        case ZIP_ER_MEMORY: throw std::bad_alloc();
        case ZIP_ER_CRC:
            throw ErreurDocx(ErreurDocx::Cause::PasZip, n + " : somme de contrôle (CRC) incorrecte, archive endommagée");
        case ZIP_ER_NOPASSWD:
        case ZIP_ER_WRONGPASSWD:
        case ZIP_ER_ENCRNOTSUPP:
            throw ErreurDocx(ErreurDocx::Cause::Chiffree, n + " : partie chiffrée");
        default: throw ErreurDocx(ErreurDocx::Cause::PasZip, n + " : partie illisible, archive endommagée" + raison(e));
    }
}

struct FermetureFichier {
    void operator()(zip_file_t* f) const noexcept { zip_fclose(f); }
};

}  // namespace

void ArchiveZip::Fermeture::operator()(zip* z) const noexcept { zip_discard(z); }

ArchiveZip::ArchiveZip(std::string_view octets) {
    zip_error_t erreur;
    zip_error_init(&erreur);
    // libzip takes an empty buffer for an archive with no entry; an empty file is none.
    if (octets.empty()) throw ErreurDocx(ErreurDocx::Cause::PasZip, "fichier vide, ce n'est pas une archive zip");
    const bool enteteZip = octets.substr(0, 4) == std::string_view("PK\x03\x04", 4);
    zip_source_t* source = zip_source_buffer_create(octets.data(), octets.size(), 0, &erreur);
    if (!source) refuseOuverture(&erreur, enteteZip);
    // Without ZIP_CHECKCONS: libzip 1.7's stricter checks refuse sound archives
    // from some common zip tools (local and central headers that differ in
    // harmless fields). The limits here rest on the central directory and on
    // what inflating actually gives, whatever the local headers say.
    zip_t* z = zip_open_from_source(source, ZIP_RDONLY, &erreur);
    if (!z) {
        zip_source_free(source);
        refuseOuverture(&erreur, enteteZip);
    }
    zip_error_fini(&erreur);
    zip_.reset(z);

    const zip_int64_t n = zip_get_num_entries(z, 0);
    if (n < 0) throw ErreurDocx(ErreurDocx::Cause::PasZip, "archive zip endommagée");
    if (static_cast<uint64_t>(n) > EntreesMax)
        throw ErreurDocx(ErreurDocx::Cause::Refusee, "archive refusée : " + std::to_string(n) +
                                                         " entrées, au-delà des " + std::to_string(EntreesMax) +
                                                         " qu'un document peut avoir");
    uint64_t total = 0;
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(n); ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(z, i, 0, &st) != 0) throw ErreurDocx(ErreurDocx::Cause::PasZip, "archive zip endommagée");
        const std::string nom = (st.valid & ZIP_STAT_NAME) && st.name ? st.name : "(sans nom)";
        if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
            throw ErreurDocx(ErreurDocx::Cause::Chiffree,
                             nom + " : partie chiffrée (un document protégé par mot de passe ne peut pas être lu)");
        const uint64_t taille = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
        // Each size is checked first, so the sum of at most EntreesMax of them cannot overflow.
        if (taille > TailleTotaleMax || (total += taille) > TailleTotaleMax)
            throw ErreurDocx(ErreurDocx::Cause::Refusee,
                             "archive refusée : ses entrées déclarent plus de " + enMio(TailleTotaleMax) +
                                 " une fois décompressées (" + nom + " : " + std::to_string(taille) + " octets)");
    }
}

ArchiveZip::~ArchiveZip() = default;

std::optional<std::string> ArchiveZip::lire(std::string_view nom) const {
    const std::string n(nom);
    // Part names are compared without regard to case in a package.
    const zip_int64_t index = zip_name_locate(zip_.get(), n.c_str(), ZIP_FL_NOCASE);
    if (index < 0) return std::nullopt;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(zip_.get(), static_cast<zip_uint64_t>(index), 0, &st) != 0)
        refuseLecture(nom, zip_get_error(zip_.get()));
    const uint64_t declaree = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
    if (declaree > TaillePartieMax)
        throw ErreurDocx(ErreurDocx::Cause::Refusee, n + " : " + std::to_string(declaree) +
                                                         " octets une fois décompressée, au-delà des " +
                                                         enMio(TaillePartieMax) + " qu'une partie peut avoir");
    std::unique_ptr<zip_file_t, FermetureFichier> f(zip_fopen_index(zip_.get(), static_cast<zip_uint64_t>(index), 0));
    if (!f) refuseLecture(nom, zip_get_error(zip_.get()));
    std::string octets;
    octets.reserve(static_cast<size_t>(declaree));
    // At most one byte past the limit is inflated, whatever the entry declares.
    char bloc[64 * 1024];
    while (octets.size() <= TaillePartieMax) {
        const uint64_t reste = TaillePartieMax + 1 - octets.size();
        const zip_int64_t lus = zip_fread(f.get(), bloc, std::min<uint64_t>(sizeof bloc, reste));
        if (lus < 0) refuseLecture(nom, zip_file_get_error(f.get()));
        if (lus == 0) break;
        octets.append(bloc, static_cast<size_t>(lus));
    }
    if (octets.size() > TaillePartieMax)
        throw ErreurDocx(ErreurDocx::Cause::Refusee, n + " : plus de " + enMio(TaillePartieMax) +
                                                         " une fois décompressée, bien qu'elle en déclare " +
                                                         std::to_string(declaree) + " octets");
    return octets;
}

}  // namespace k58204::sim
