#pragma once
// The round-trip oracle both document fuzz targets share: a document that
// reads keeps its invariants, is written as WordprocessingML 2003, reads back
// as the same document, and once written is a fixed point.
#include <cstdlib>
#include <string>

#include "sim/doc/WordML.hpp"

namespace k58204::sim::fuzz {

// The writer stores the print view whatever the view read, and drops control
// characters that have no XML form: a document holding them is compared once
// they are gone (after its first trip).
inline bool ecritureFidele(const ModeleDocument& d) {
    for (char16_t c : d.texte())
        if (c < 0x20 && c != u'\t' && c != u'\x0B' && c != u'\x0C' && c != u'\x0E' && c != u'\x1E' &&
            c != u'\x1F' && c != u'\r' && c != u'\x15')
            return false;
    return true;
}

// Aborts (which the fuzzer reports) where `lu` does not survive its trip.
inline void verifieAllerRetour(const ModeleDocument& lu) {
    lu.verifierInvariants();
    const std::string ecrit = ecrireWordML(lu);
    ModeleDocument relu = lireWordML(ecrit);
    relu.verifierInvariants();
    if (ecritureFidele(lu)) {
        ModeleDocument attendu = lu;
        attendu.proprietes().vue = relu.proprietes().vue;
        if (!relu.memeContenu(attendu)) std::abort();
    }
    const std::string reecrit = ecrireWordML(relu);
    if (!lireWordML(reecrit).memeContenu(relu)) std::abort();
    if (ecritureFidele(lu) && reecrit != ecrit) std::abort();
}

}  // namespace k58204::sim::fuzz
