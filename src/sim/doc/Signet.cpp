#include "sim/doc/Signet.hpp"

#include <algorithm>

namespace k58204::sim {

namespace {
char16_t plie(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}
bool lettre(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}
}  // namespace

bool memeNomSignet(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (plie(a[i]) != plie(b[i])) return false;
    return true;
}

std::u16string cleNomSignet(std::u16string_view nom) {
    std::u16string cle(nom);
    for (char16_t& c : cle) c = plie(c);
    return cle;
}

bool avantNomSignet(std::u16string_view a, std::u16string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char16_t x, char16_t y) { return plie(x) < plie(y); });
}

bool nomSignetValide(std::u16string_view nom) {
    if (nom.empty() || nom.size() > LongueurMaxNomSignet || !lettre(nom[0])) return false;
    return std::all_of(nom.begin(), nom.end(),
                       [](char16_t c) { return lettre(c) || (c >= u'0' && c <= u'9') || c == u'_'; });
}

bool nomSignetAcceptable(std::u16string_view nom) {
    if (nom.empty() || nom.size() > LongueurMaxNomSignet) return false;
    return std::none_of(nom.begin(), nom.end(), [](char16_t c) { return c <= u' '; });
}

}  // namespace k58204::sim
