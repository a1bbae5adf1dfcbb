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

// Whether a .docx saved by `application` (its package's own name for the
// program) was written as LibreOffice writes it.
bool ecritParLibreOffice(const std::string& application);

// The reason, for an exercise whose verdict LibreOffice's writing of the
// document may change; `converti`: LibreOffice converted the document for
// the host (else it saved the .docx itself).
std::optional<std::string> raisonAVerifier(int32_t exercice, bool converti);

}  // namespace k58204::lecon
