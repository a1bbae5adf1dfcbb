#pragma once
// Exercises whose check reads something that LibreOffice's conversion of a
// binary Word 97-2003 document changes, as measured by converting the
// course's documents in their passing and failing states and comparing the
// verdicts with the originals'. A converted document of such an exercise gets
// no verdict (it may be wrong): it is to be checked in Word, with the reason.
#include <cstdint>
#include <optional>
#include <string>

namespace k58204::lecon {

// The reason, for an exercise whose verdict a conversion may change.
std::optional<std::string> raisonAVerifier(int32_t exercice);

}  // namespace k58204::lecon
