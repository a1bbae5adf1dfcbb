#pragma once
// Scripting clients (VBScript, JScript, PowerShell, late-bound Python) pass a
// variable by reference as VT_BYREF | VT_VARIANT pointing at whatever the
// variable holds (an Integer -1, Nothing, Empty); some pass a by-reference
// parameter by value. ITypeInfo::Invoke refuses both for a parameter typed
// long* or IDispatch** (DISP_E_TYPEMISMATCH, as VB6 components do).
//
// Seen under Wine 8: converting each such argument into a temporary of the
// parameter's type, passing VT_BYREF | that type to ITypeInfo::Invoke, then
// copying the temporary back into the caller's VARIANT, lets VBScript call the
// member and read the result back with the parameter's type.
#include <windows.h>
#include <oaidl.h>

#include <vector>

#include "com/commun/Possession.hpp"

namespace k58204::com {

class ParReference {
public:
    ParReference() = default;
    ParReference(const ParReference&) = delete;
    ParReference& operator=(const ParReference&) = delete;

    // Prepares the call of `membre` (flags as given to Invoke). Returns
    // DISP_E_TYPEMISMATCH with *argErreur set when an argument cannot be
    // converted; S_OK otherwise (also when the member is unknown: Invoke then
    // answers for it).
    HRESULT prepare(ITypeInfo* info, DISPID membre, WORD drapeaux, const DISPPARAMS& appel, UINT* argErreur);
    // The arguments to pass on (the caller's, with the converted ones replaced).
    DISPPARAMS* parametres() { return &parametres_; }
    // Writes each converted temporary back into the caller's VARIANT that
    // was passed by reference. Called after Invoke, whether it failed or not.
    void rend();

private:
    struct Conversion {
        VARIANT* appelant = nullptr;  // the caller's variable (VT_BYREF | VT_VARIANT), or null
        VariantCom temporaire;
    };
    DISPPARAMS parametres_{};
    std::vector<VARIANT> arguments_;
    std::vector<Conversion> conversions_;
};

}  // namespace k58204::com
