// libFuzzer target: the lesson-script reader. Any text is read into steps
// or refused with ErreurScript, nothing else.
#include <cstdint>
#include <string_view>

#include "host/LecteurScript.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    try {
        k58204::lecon::analyseScript(std::string_view(reinterpret_cast<const char*>(donnees), taille), "fuzz.lecon");
    } catch (const k58204::lecon::ErreurScript&) {
    }
    return 0;
}
