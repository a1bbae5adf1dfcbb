#pragma once
// The named constants a lesson script may use in VBA statements: Word's and
// Office's enumerations (wd…, mso…) and VBA's own (vbCr, vbTab, vbDirectory…).
// Names are matched without regard to case, as VBA does.
#include <optional>
#include <string_view>
#include <vector>

#include "word/Variant.hpp"

namespace k58204::lecon {

// The value of a known constant, or nothing.
std::optional<Variant> constante(std::u16string_view nom);

// True when a name is written as a Word, Office or VBA constant ("wd", "mso"
// or "vb" followed by a capital or a digit): such a name that the table does
// not know is a mistake in the script, not a member of Word.
bool ressembleAUneConstante(std::u16string_view nom);

// Every name of the table, for documentation and tests.
std::vector<std::u16string_view> nomsDesConstantes();

}  // namespace k58204::lecon
