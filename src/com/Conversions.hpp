#pragma once
// Values crossing between the automation seam and COM, converted in one place:
// strings as BSTRs, Variant as VARIANT, objects as IDispatch.
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <string>
#include <string_view>

#include "com/Possession.hpp"
#include "word/Variant.hpp"

namespace k58204::com {

class CacheDispids;

// A new BSTR holding s (UTF-16 as it is). Throws std::bad_alloc when none can be made.
Bstr bstr(std::u16string_view s);
// The text of a BSTR; a null BSTR is "".
std::u16string texte(BSTR b);

// True when every pointer a by-reference VARIANT carries can be followed: no
// null reference, and at most one level of VT_BYREF | VT_VARIANT, whose target
// holds a value or a non-null reference of another type (oleaut32 itself
// follows one level of VT_VARIANT only). A value that is not by reference is
// always followable.
bool referencesSuivables(const VARIANT& v);

// The Variant a VARIANT holds, by reference or not. Numbers keep their kind
// (every integer type as Long when it fits, else Double; currency, dates and
// decimals as Double), an object arrives as an ObjetDispatch using `cache`, a
// null object as Nothing, an omitted argument (VT_ERROR DISP_E_PARAMNOTFOUND)
// and Null as Empty. Arrays, other types and references that cannot be
// followed (referencesSuivables) raise error 13.
Variant depuisVariant(const VARIANT& v, const std::shared_ptr<CacheDispids>& cache);

// Writes v into `destination`, which must hold nothing (VT_EMPTY). Objects go
// as their IDispatch (see dispatchDe).
void versVariant(const Variant& v, VARIANT* destination);

// The object behind an automation object: Nothing gives null. An object that
// does not come from COM is served by this process as a DispatchObjet.
Ptr<IDispatch> dispatchDe(const ObjetPtr& o);

// An automation object for d (Nothing for null); an object this process serves
// (DispatchObjet) comes back as the object it serves.
ObjetPtr objetDe(IDispatch* d, const std::shared_ptr<CacheDispids>& cache);

}  // namespace k58204::com
