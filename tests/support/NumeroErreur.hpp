#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "word/Erreur.hpp"

namespace k58204::test {

// The Erreur f raises; nullopt when it raises none.
inline std::optional<Erreur> erreurDe(const std::function<void()>& f) {
    try {
        f();
    } catch (const Erreur& e) {
        return e;
    }
    return std::nullopt;
}

// The number of the Erreur f raises; 0 when it raises none.
inline int32_t numeroErreur(const std::function<void()>& f) {
    const std::optional<Erreur> e = erreurDe(f);
    return e ? e->numero() : 0;
}

}  // namespace k58204::test
