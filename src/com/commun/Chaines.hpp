#pragma once
// Strings crossing COM: UTF-16 as it is, in BSTRs.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

#include "com/commun/Possession.hpp"

namespace k58204::com {

// A new BSTR holding s (UTF-16 as it is). Throws std::bad_alloc when none can be made.
Bstr bstr(std::u16string_view s);
// The text of a BSTR; a null BSTR is "".
std::u16string texte(BSTR b);

}  // namespace k58204::com
