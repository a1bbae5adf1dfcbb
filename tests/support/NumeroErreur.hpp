#pragma once
#include <cstdint>
#include <functional>

#include "word/Erreur.hpp"

namespace k58204::test {

// The number of the Erreur f raises; 0 when it raises none.
inline int32_t numeroErreur(const std::function<void()>& f) {
    try {
        f();
    } catch (const Erreur& e) {
        return e.numero();
    }
    return 0;
}

}  // namespace k58204::test
