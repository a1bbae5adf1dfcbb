#include "sim/doc/Mots.hpp"

#include <algorithm>

namespace k58204::sim {

bool estLettreOuChiffre(char16_t c) {
    if (c < 0x80)
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    if (c < 0xC0) return c == 0xAA || c == 0xB5 || c == 0xBA || c == 0xB2 || c == 0xB3 || c == 0xB9;
    if (c <= 0x1FFF) return c != 0xD7 && c != 0xF7;          // Latin, Greek, Cyrillic, ... (marks included)
    if (c <= 0x2BFF) return false;                            // punctuation, symbols, arrows
    if (c <= 0x2DFF) return true;                             // Glagolitic, Coptic, ...
    if (c <= 0x303F) return false;                            // supplemental and CJK punctuation
    if (c <= 0xDFFF) return true;                             // kana, CJK, Hangul, surrogates
    if (c <= 0xF8FF) return false;                            // private use
    if (c <= 0xFDFF) return true;                             // compatibility ideographs, presentation forms
    if (c >= 0xFF10 && c <= 0xFF19) return true;              // fullwidth digits
    if (c >= 0xFF21 && c <= 0xFF3A) return true;              // fullwidth letters
    if (c >= 0xFF41 && c <= 0xFF5A) return true;
    if (c >= 0xFF66 && c <= 0xFFDC) return true;              // halfwidth kana, Hangul
    return false;
}

namespace {

bool apostrophe(char16_t c) { return c == u'\'' || c == u'\u2019'; }

// End of the word starting at i (i < n).
int32_t finDuMot(std::u16string_view t, int32_t i) {
    const auto n = static_cast<int32_t>(t.size());
    int32_t j = i + 1;
    char16_t c = t[static_cast<size_t>(i)];
    if (c == u'\r') return j;
    if (estLettreOuChiffre(c)) {
        while (j < n) {
            char16_t d = t[static_cast<size_t>(j)];
            if (estLettreOuChiffre(d)) {
                ++j;
            } else if (apostrophe(d) && j + 1 < n && estLettreOuChiffre(t[static_cast<size_t>(j) + 1])) {
                j += 2;
            } else {
                break;
            }
        }
    }
    while (j < n && t[static_cast<size_t>(j)] == u' ') ++j;
    return j;
}

}  // namespace

Etendue motA(std::u16string_view texte, int32_t pos, int32_t debutRecherche) {
    return uniteA(texte, pos, debutRecherche, finDuMot);
}

int32_t compteMots(std::u16string_view texte, int32_t debut, int32_t fin, int32_t debutRecherche) {
    const auto n = static_cast<int32_t>(texte.size());
    debut = std::clamp(debut, 0, n);
    fin = std::clamp(fin, debut, n);
    if (debut == fin) return 1;
    int32_t i = std::clamp(debutRecherche, 0, debut);
    int32_t compte = 0;
    while (i < fin) {
        int32_t j = finDuMot(texte, i);
        if (j > debut) ++compte;
        i = j;
    }
    return compte;
}

}  // namespace k58204::sim
