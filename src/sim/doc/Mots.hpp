#pragma once
// Words as Word counts them (Range.Words, Selection moves by word), on a
// paragraph's text:
// - a run of letters and digits is a word, with the spaces that follow it;
//   an apostrophe (U+0027 or U+2019) between two letters keeps the word whole
//   ("l'avait" is one word);
// - every other character (punctuation, tab, form field, line break) is a word
//   of its own, with the spaces that follow it;
// - spaces not preceded by a word (start of a paragraph) form a word;
// - a paragraph mark is a word of its own.
// "Bonjour, le monde.\r" -> "Bonjour" ", " "le " "monde" "." "\r" = 6.
#include <cstdint>
#include <string_view>

#include "sim/doc/Etendue.hpp"

namespace k58204::sim {

// Letters and digits of any script (no ICU: the simulator builds for Windows too).
bool estLettreOuChiffre(char16_t c);

// The word holding position pos of texte (0 <= pos < size). Word boundaries
// never cross a paragraph mark, so callers may pass a single paragraph or the
// whole text; `debutRecherche` is a position known to be a word boundary at
// or before pos (a paragraph start), where scanning begins.
Etendue motA(std::u16string_view texte, int32_t pos, int32_t debutRecherche = 0);

// Number of words overlapping [debut, fin) (partly covered words count);
// 1 for a collapsed range. `debutRecherche` as above, <= debut.
int32_t compteMots(std::u16string_view texte, int32_t debut, int32_t fin, int32_t debutRecherche = 0);

}  // namespace k58204::sim
