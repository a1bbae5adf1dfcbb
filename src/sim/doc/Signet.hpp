#pragma once
// A bookmark: a name and the span it marks. Names are compared without regard
// to case (Bookmarks.Exists / Item); the stored name keeps its letter case.
#include <string>
#include <string_view>

#include "sim/doc/Etendue.hpp"

namespace k58204::sim {

inline constexpr size_t LongueurMaxNomSignet = 40;

struct Signet {
    std::u16string nom;
    Etendue etendue;

    bool operator==(const Signet&) const = default;
};

// Case-insensitive name comparison (ASCII and Latin-1 letters folded).
bool memeNomSignet(std::u16string_view a, std::u16string_view b);
// The name with its letters folded as memeNomSignet folds them: two names are
// the same bookmark's exactly when their keys are equal (for indexing).
std::u16string cleNomSignet(std::u16string_view nom);
// Ordering used by Bookmarks(n): alphabetical, case-insensitive.
bool avantNomSignet(std::u16string_view a, std::u16string_view b);
// Word's rule for Bookmarks.Add: 1 to 40 characters, starts with a letter,
// then letters, digits and underscores.
bool nomSignetValide(std::u16string_view nom);
// What a document may hold (files also carry hidden bookmarks such as
// "_GoBack"): 1 to 40 characters, none of them a space or a control character.
bool nomSignetAcceptable(std::u16string_view nom);

}  // namespace k58204::sim
