// libFuzzer target: the WordprocessingML reader, with a round-trip oracle.
// Whatever it reads, it writes, and reading that back gives the same
// document (ModeleDocument::memeContenu); bad input is only ever refused
// with ErreurWordML.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/OracleWordML.hpp"
#include "sim/doc/WordML.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
    k58204::sim::ModeleDocument lu;
    std::vector<std::string> avertissements;
    try {
        lu = k58204::sim::lireWordML(octets, avertissements);
    } catch (const k58204::sim::ErreurWordML&) {
        return 0;
    }
    k58204::sim::fuzz::verifieAllerRetour(lu);
    return 0;
}
