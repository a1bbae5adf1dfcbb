#include "word/Objet.hpp"

namespace k58204 {

bool estLeMeme(const ObjetPtr& a, const ObjetPtr& b) {
    if (!a || !b) return !a && !b;
    return a->identite() == b->identite();
}

bool memeNom(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i], y = b[i];
        if (x >= u'A' && x <= u'Z') x = static_cast<char16_t>(x - u'A' + u'a');
        if (y >= u'A' && y <= u'Z') y = static_cast<char16_t>(y - u'A' + u'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace k58204
