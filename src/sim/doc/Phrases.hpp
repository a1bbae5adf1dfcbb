#pragma once
// Sentences as Word moves by them (wdSentence), on a paragraph's text:
// - a sentence ends after a run of terminators (. ! ? and the ellipsis …),
//   the closing quotes and brackets that follow it, and the spaces after
//   those (a French closing guillemet after a space included: "« Oui. » ");
//   a terminator followed by no space ("3.5", "www.x.fr") ends nothing;
// - the paragraph mark belongs to the paragraph's last sentence, so an empty
//   paragraph is a sentence of its own;
// - spaces at a paragraph's start belong to its first sentence.
// "Oui. Non ?\r" -> "Oui. " "Non ?\r".
// Abbreviations ("M. Dupont") end a sentence, as nothing tells them apart here.
#include <cstdint>
#include <string_view>

#include "sim/doc/Etendue.hpp"

namespace k58204::sim {

// The sentence holding position pos of texte (0 <= pos < size). Sentences
// never cross a paragraph mark; `debutRecherche` is a paragraph start at or
// before pos, where scanning begins.
Etendue phraseA(std::u16string_view texte, int32_t pos, int32_t debutRecherche = 0);

}  // namespace k58204::sim
