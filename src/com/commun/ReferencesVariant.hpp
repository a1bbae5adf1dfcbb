#pragma once
// Whether the pointers a by-reference VARIANT carries can be followed: no null
// reference, and at most one level of VT_BYREF | VT_VARIANT, whose target
// holds a value or a non-null reference of another type (oleaut32 itself
// follows one level of VT_VARIANT only). A value that is not by reference is
// always followable. Checked before a caller's VARIANT is read or converted.
#include <windows.h>
#include <oaidl.h>

namespace k58204::com {

bool referencesSuivables(const VARIANT& v);

}  // namespace k58204::com
