// libFuzzer target: the .docx reader. Bad input is only ever refused with
// ErreurDocx (or ErreurWordML); a document that reads is written as
// WordprocessingML 2003 and reads back as the same document.
//
// An input that is a zip archive is read as it is: that fuzzes the archive
// and the package. Mutated archives mostly fail their CRC, so any other input
// is taken as the XML of the parts themselves, separated by form feeds (which
// XML cannot hold) in the order of Noms below, and packaged before it is
// read: that fuzzes the 2006 vocabulary and the package's own parts.
#include <zip.h>

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "sim/doc/WordML.hpp"
#include "sim/docx/Docx.hpp"

namespace {

using k58204::sim::ModeleDocument;

// Control characters without an XML form are dropped by the writer (see FuzzWordML.cpp).
bool ecritureFideleDocx(const ModeleDocument& d) {
    for (char16_t c : d.texte())
        if (c < 0x20 && c != u'\t' && c != u'\x0B' && c != u'\x0C' && c != u'\x0E' && c != u'\x1E' &&
            c != u'\x1F' && c != u'\r' && c != u'\x15')
            return false;
    return true;
}

constexpr const char* Noms[] = {"word/document.xml", "word/styles.xml", "word/settings.xml",
                                "word/theme/theme1.xml", "docProps/core.xml", "docProps/custom.xml",
                                "word/_rels/settings.xml.rels"};

// A package of stored (uncompressed) parts.
std::string paquet(std::string_view xml) {
    std::vector<std::string_view> parties;
    for (size_t i = 0;;) {
        size_t j = xml.find('\f', i);
        parties.push_back(xml.substr(i, j == std::string_view::npos ? std::string_view::npos : j - i));
        if (j == std::string_view::npos || parties.size() == std::size(Noms)) break;
        i = j + 1;
    }
    zip_error_t erreur;
    zip_error_init(&erreur);
    zip_source_t* tampon = zip_source_buffer_create(nullptr, 0, 0, &erreur);
    zip_source_keep(tampon);
    zip_t* z = zip_open_from_source(tampon, ZIP_TRUNCATE, &erreur);
    if (!z) std::abort();
    for (size_t i = 0; i < parties.size(); ++i) {
        zip_source_t* s = zip_source_buffer(z, parties[i].data(), parties[i].size(), 0);
        zip_int64_t n = zip_file_add(z, Noms[i], s, 0);
        if (n < 0) std::abort();
        zip_set_file_compression(z, static_cast<zip_uint64_t>(n), ZIP_CM_STORE, 0);
    }
    if (zip_close(z) != 0) std::abort();
    zip_stat_t st;
    zip_source_open(tampon);
    zip_source_stat(tampon, &st);
    std::string octets(st.size, '\0');
    zip_source_read(tampon, octets.data(), st.size);
    zip_source_close(tampon);
    zip_source_free(tampon);
    return octets;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
    std::string paquetXml;
    if (!k58204::sim::ressembleDocx(octets)) {
        if (octets.size() > 4 * 1024 * 1024) return 0;
        paquetXml = paquet(octets);
        octets = paquetXml;
    }
    ModeleDocument lu;
    std::vector<std::string> avertissements;
    try {
        lu = k58204::sim::lireDocx(octets, avertissements);
    } catch (const k58204::sim::ErreurDocx&) {
        return 0;
    } catch (const k58204::sim::ErreurWordML&) {
        return 0;
    }
    lu.verifierInvariants();
    const std::string ecrit = k58204::sim::ecrireWordML(lu);
    ModeleDocument relu = k58204::sim::lireWordML(ecrit);
    relu.verifierInvariants();
    if (ecritureFideleDocx(lu)) {
        ModeleDocument attendu = lu;
        attendu.proprietes().vue = relu.proprietes().vue;
        if (!relu.memeContenu(attendu)) std::abort();
    }
    return 0;
}
