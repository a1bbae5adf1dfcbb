#pragma once
// A span of character positions [debut, fin), as Word's Range.Start / End.
#include <cstdint>

namespace k58204::sim {

struct Etendue {
    int32_t debut = 0;
    int32_t fin = 0;

    int32_t longueur() const { return fin - debut; }
    bool vide() const { return debut == fin; }
    bool operator==(const Etendue&) const = default;
};

}  // namespace k58204::sim
