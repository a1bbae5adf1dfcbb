#include "com/serveur/ControleAppel.hpp"

#include <vector>

#include "com/commun/ReferencesVariant.hpp"

namespace k58204::com {

namespace {

// The parameters a caller passes: all but a final [out, retval] one.
UINT parametresDeLAppelant(const FUNCDESC& f) {
    const auto n = static_cast<UINT>(f.cParams);
    if (n > 0 && (f.lprgelemdescParam[n - 1].paramdesc.wParamFlags & PARAMFLAG_FRETVAL)) return n - 1;
    return n;
}

// A parameter the caller must pass: neither optional, nor with a default,
// nor filled in by the dispatch itself (the locale, the [retval]).
bool requis(const ELEMDESC& e) {
    return !(e.paramdesc.wParamFlags & (PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT | PARAMFLAG_FLCID | PARAMFLAG_FRETVAL));
}

HRESULT refuse(HRESULT hr, UINT rang, UINT* argErreur) {
    if (argErreur) *argErreur = rang;
    return hr;
}

}  // namespace

HRESULT controleForme(const DISPPARAMS& appel) {
    if (appel.cArgs > 0 && !appel.rgvarg) return E_INVALIDARG;
    if (appel.cNamedArgs > appel.cArgs) return E_INVALIDARG;
    if (appel.cNamedArgs > 0 && !appel.rgdispidNamedArgs) return E_INVALIDARG;
    return S_OK;
}

HRESULT controleArguments(const FUNCDESC& f, const DISPPARAMS& appel, UINT* argErreur) {
    const UINT parametres = parametresDeLAppelant(f);
    if (appel.cArgs > parametres) return DISP_E_BADPARAMCOUNT;

    // Positional arguments fill the first parameters; named ones come first
    // in rgvarg and name one of the others each.
    const UINT positionnels = appel.cArgs - appel.cNamedArgs;
    std::vector<bool> nomme(parametres, false);
    for (UINT i = 0; i < appel.cNamedArgs; ++i) {
        const DISPID id = appel.rgdispidNamedArgs[i];
        if (id < 0 || static_cast<UINT>(id) < positionnels || static_cast<UINT>(id) >= parametres ||
            nomme[static_cast<UINT>(id)])
            return refuse(DISP_E_PARAMNOTFOUND, i, argErreur);
        nomme[static_cast<UINT>(id)] = true;
    }
    // A required parameter given neither by position nor by name: the member
    // would run with an argument that was never passed.
    for (UINT p = positionnels; p < parametres; ++p)
        if (!nomme[p] && requis(f.lprgelemdescParam[p])) return DISP_E_BADPARAMCOUNT;
    for (UINT i = 0; i < appel.cArgs; ++i)
        if (!referencesSuivables(appel.rgvarg[i])) return refuse(DISP_E_TYPEMISMATCH, i, argErreur);
    return S_OK;
}

}  // namespace k58204::com
