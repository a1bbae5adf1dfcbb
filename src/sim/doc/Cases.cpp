// Check-box form fields of the document model.
#include <algorithm>

#include "sim/doc/ModeleDocument.hpp"

namespace k58204::sim {

int32_t ModeleDocument::insererCaseACocher(int32_t pos, CaseACocher c) {
    pos = std::clamp(pos, 0, longueur() - 1);
    inserer(pos, std::u16string_view(&CaractereChamp, 1));  // moves the boxes at or after pos
    c.position = pos;
    auto it = std::lower_bound(cases_.begin(), cases_.end(), pos,
                               [](const CaseACocher& x, int32_t p) { return x.position < p; });
    it = cases_.insert(it, std::move(c));
    return static_cast<int32_t>(it - cases_.begin());
}

void ModeleDocument::cocher(int32_t i, bool coche) {
    auto& c = cases_.at(static_cast<size_t>(i));
    if (c.coche == coche) return;
    c.coche = coche;
    ++version_;
}

std::pair<int32_t, int32_t> ModeleDocument::casesDans(int32_t debut, int32_t fin) const {
    auto [a, b] = borne(debut, fin);
    auto premier = std::lower_bound(cases_.begin(), cases_.end(), a,
                                    [](const CaseACocher& x, int32_t p) { return x.position < p; });
    auto fin_ = std::lower_bound(premier, cases_.end(), b,
                                 [](const CaseACocher& x, int32_t p) { return x.position < p; });
    return {static_cast<int32_t>(premier - cases_.begin()), static_cast<int32_t>(fin_ - cases_.begin())};
}

}  // namespace k58204::sim
