#pragma once
// VARIANTs made by hand for a late-bound call, as a VB client passes them.
// Each returns a VARIANT the caller owns (a BSTR inside is freed by
// VariantClear).
#include <windows.h>
#include <oleauto.h>

namespace k58204::com {

// A variable passed by reference: VT_BYREF | VT_VARIANT pointing at it.
inline VARIANT parReference(VARIANT* variable) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&v) = variable;
    return v;
}

inline VARIANT entier(LONG n) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = n;
    return v;
}

inline VARIANT booleen(bool b) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = b ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

inline VARIANT texte(const wchar_t* s) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(s);
    return v;
}

}  // namespace k58204::com
