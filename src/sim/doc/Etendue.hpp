#pragma once
// A span of character positions [debut, fin), as Word's Range.Start / End.
#include <algorithm>
#include <cstdint>
#include <string_view>

namespace k58204::sim {

struct Etendue {
    int32_t debut = 0;
    int32_t fin = 0;

    int32_t longueur() const { return fin - debut; }
    bool vide() const { return debut == fin; }
    bool operator==(const Etendue&) const = default;
};

// The unit (word, sentence) of texte holding position pos, units being cut
// one after the other from `debutRecherche` (a unit start at or before pos)
// by finDepuis(texte, debut) -> the unit's end. An empty texte gives {0, 0}.
template <class Fin>
Etendue uniteA(std::u16string_view texte, int32_t pos, int32_t debutRecherche, Fin finDepuis) {
    const auto n = static_cast<int32_t>(texte.size());
    if (n == 0) return {0, 0};
    pos = std::clamp(pos, 0, n - 1);
    int32_t i = std::clamp(debutRecherche, 0, pos);
    for (;;) {
        const int32_t j = finDepuis(texte, i);
        if (pos < j) return {i, j};
        i = j;
    }
}

}  // namespace k58204::sim
