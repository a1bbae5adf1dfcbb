// libFuzzer target: the .docx reader. Bad input is only ever refused with
// ErreurDocx (or ErreurWordML); a document that reads is written as
// WordprocessingML 2003 and reads back as the same document.
#include <cstdint>
#include <cstdlib>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
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
