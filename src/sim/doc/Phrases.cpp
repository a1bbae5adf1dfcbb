#include "sim/doc/Phrases.hpp"

#include <algorithm>

namespace k58204::sim {

namespace {

bool terminateur(char16_t c) { return c == u'.' || c == u'!' || c == u'?' || c == u'\u2026'; }
bool fermant(char16_t c) {
    return c == u'"' || c == u'\'' || c == u')' || c == u']' || c == u'\u00bb' || c == u'\u2019' || c == u'\u201d';
}
bool fermantSeul(char16_t c) { return c == u')' || c == u']' || c == u'\u00bb' || c == u'\u201d'; }
bool espace(char16_t c) { return c == u' ' || c == u'\u00a0'; }

// End of the sentence starting at i (i < size).
int32_t finDePhrase(std::u16string_view t, int32_t i) {
    const auto n = static_cast<int32_t>(t.size());
    auto c = [&](int32_t k) { return t[static_cast<size_t>(k)]; };
    for (int32_t k = i; k < n; ++k) {
        if (c(k) == u'\r') return k + 1;
        if (!terminateur(c(k))) continue;
        int32_t j = k + 1;
        // Closing marks and spaces; after a space only a closing mark that
        // cannot open anything (French "« Oui. »").
        bool espaceVu = false;
        while (j < n) {
            if (espace(c(j))) espaceVu = true;
            else if (!fermant(c(j)) || (espaceVu && !fermantSeul(c(j)))) break;
            ++j;
        }
        // Spaces before the mark still leave the mark to this sentence.
        if (espaceVu) return j < n && c(j) == u'\r' ? j + 1 : j;
        k = j - 1;
    }
    return n;
}

}  // namespace

Etendue phraseA(std::u16string_view texte, int32_t pos, int32_t debutRecherche) {
    return uniteA(texte, pos, debutRecherche, finDePhrase);
}

}  // namespace k58204::sim
