// libFuzzer target: the WordprocessingML reader, with a round-trip oracle.
// Whatever it reads, it writes, and reading that back gives the same
// document (ModeleDocument::memeContenu); bad input is only ever refused
// with ErreurWordML.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "sim/doc/WordML.hpp"

namespace {

using k58204::sim::ModeleDocument;

// The writer stores the print view whatever the view read, and drops control
// characters that have no XML form: a document holding them is compared once
// they are gone (after its first trip).
bool ecritureFidele(const ModeleDocument& d) {
    for (char16_t c : d.texte())
        if (c < 0x20 && c != u'\t' && c != u'\x0B' && c != u'\x0C' && c != u'\x0E' && c != u'\x1E' &&
            c != u'\x1F' && c != u'\r' && c != u'\x15')
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
    ModeleDocument lu;
    std::vector<std::string> avertissements;
    try {
        lu = k58204::sim::lireWordML(octets, avertissements);
    } catch (const k58204::sim::ErreurWordML&) {
        return 0;
    }
    lu.verifierInvariants();
    const std::string ecrit = k58204::sim::ecrireWordML(lu);
    ModeleDocument relu = k58204::sim::lireWordML(ecrit);
    relu.verifierInvariants();
    if (ecritureFidele(lu)) {
        ModeleDocument attendu = lu;
        attendu.proprietes().vue = relu.proprietes().vue;
        if (!relu.memeContenu(attendu)) std::abort();
    }
    // Once written, a document is a fixed point.
    const std::string reecrit = k58204::sim::ecrireWordML(relu);
    if (!k58204::sim::lireWordML(reecrit).memeContenu(relu)) std::abort();
    if (ecritureFidele(lu) && reecrit != ecrit) std::abort();
    return 0;
}
