#pragma once
// Numbers in WordprocessingML attributes. Word writes whole numbers; other
// programs write lengths with decimals (LibreOffice: w:before="239.79" for
// 12 pt, w:top="2835.5705" for 5 cm). Both read as the whole number Word
// would have stored.
#include <cstdint>
#include <optional>
#include <string_view>

namespace k58204::sim::wordml {

// Values are kept within ±ValeurMax: no count or length in a document comes near it.
inline constexpr int32_t ValeurMax = 100000000;

// A count or a measure other than twips (half-points, eighths of a point,
// percent): leading decimal digits with an optional sign and fraction,
// rounded to the nearest whole number (halves away from zero). Trailing
// characters are ignored, as Word does with "240abc". nullopt when no number starts the text.
std::optional<int32_t> entier(std::string_view texte);

// A length in twips. A whole number reads as itself. A number with a fraction
// comes from a program that converts lengths with its own twip: LibreOffice's
// export takes a twip as 1/567 cm (0.017636684 mm) instead of 1/566.929 cm,
// so its lengths are 1.000125 times too large (5 cm, stored by Writer as 2835
// twips, is written 2835.5705). That scale is undone before rounding to the
// nearest twip, so the twips Writer held, which are Word's, come back.
std::optional<int32_t> twips(std::string_view texte);

}  // namespace k58204::sim::wordml
