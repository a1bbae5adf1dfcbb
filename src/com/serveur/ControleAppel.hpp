#pragma once
// The mistakes in a late-bound call that the component refuses before any
// argument is read or converted, with the HRESULTs Windows' own
// type-information dispatch gives for them. Wine's ITypeInfo::Invoke lets some
// through (extra arguments are ignored and the member runs) and follows null
// references (an access violation inside the host): both are checked here, and
// missing required arguments before any argument is converted.
#include <windows.h>
#include <oaidl.h>

namespace k58204::com {

// The shape of DISPPARAMS itself: E_INVALIDARG for arguments announced with no
// array to hold them (rgvarg or rgdispidNamedArgs null) or more named
// arguments than arguments; S_OK otherwise.
HRESULT controleForme(const DISPPARAMS& appel);

// The arguments against the member's description `f`, in this order:
// - DISP_E_BADPARAMCOUNT: more arguments than parameters (the [retval] one
//   is not the caller's to pass);
// - DISP_E_PARAMNOTFOUND, *argErreur = the named argument's index: a named
//   argument that names no parameter, a parameter already given by position,
//   or one named twice;
// - DISP_E_BADPARAMCOUNT: a required parameter (not optional, without a
//   default) given neither by position nor by name, as ITypeInfo::Invoke
//   answers it (*argErreur is not set: no argument is at fault);
// - DISP_E_TYPEMISMATCH, *argErreur = the argument's index: a by-reference
//   argument that cannot be followed (referencesSuivables).
// `appel` has passed controleForme.
HRESULT controleArguments(const FUNCDESC& f, const DISPPARAMS& appel, UINT* argErreur);

}  // namespace k58204::com
