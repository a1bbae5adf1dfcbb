// libFuzzer target: the .docx reader. Bad input is only ever refused with
// ErreurDocx (or ErreurWordML); a document that reads is written as
// WordprocessingML 2003 and reads back as the same document.
//
// An input that is a zip archive is read as it is: that fuzzes the archive
// and the package. Mutated archives mostly fail their CRC, so any other input
// is taken as the XML of the parts themselves, separated by form feeds (which
// XML cannot hold) in the order of Noms below, and packaged before it is
// read: that fuzzes the 2006 vocabulary and the package's own parts.
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/OracleWordML.hpp"
#include "sim/doc/WordML.hpp"
#include "sim/docx/Docx.hpp"
#include "sim/docx/Paquets.hpp"

namespace {

constexpr const char* Noms[] = {"word/document.xml", "word/styles.xml", "word/settings.xml",
                                "word/theme/theme1.xml", "docProps/core.xml", "docProps/custom.xml",
                                "word/_rels/settings.xml.rels"};

// A package of stored (uncompressed) parts.
std::string paquet(std::string_view xml) {
    std::vector<k58204::sim::test::EntreeZip> parties;
    for (size_t i = 0;;) {
        size_t j = xml.find('\f', i);
        parties.push_back({Noms[parties.size()],
                           std::string(xml.substr(i, j == std::string_view::npos ? std::string_view::npos : j - i)),
                           ZIP_CM_STORE});
        if (j == std::string_view::npos || parties.size() == std::size(Noms)) break;
        i = j + 1;
    }
    return k58204::sim::test::archiveZip(parties);
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
    k58204::sim::ModeleDocument lu;
    std::vector<std::string> avertissements;
    try {
        lu = k58204::sim::lireDocx(octets, avertissements);
    } catch (const k58204::sim::ErreurDocx&) {
        return 0;
    } catch (const k58204::sim::ErreurWordML&) {
        return 0;
    }
    k58204::sim::fuzz::verifieAllerRetour(lu);
    return 0;
}
