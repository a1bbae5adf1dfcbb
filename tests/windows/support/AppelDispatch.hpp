#pragma once
// Late-bound calls made as a VB client makes them: GetIDsOfNames then Invoke,
// arguments reversed.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "com/commun/Possession.hpp"
#include "com/commun/ValeursCom.hpp"

namespace k58204::test {

struct Reponse {
    HRESULT hr = S_OK;
    com::VariantCom valeur;
    SCODE scode = 0;  // EXCEPINFO's, for DISP_E_EXCEPTION
    std::wstring description;
};

// `positionnels` in call order (the caller's VARIANTs, not cleared here). A
// put passes its value as DISPID_PROPERTYPUT.
inline Reponse appelle(IDispatch* d, const wchar_t* membre, WORD drapeaux, std::vector<VARIANT> positionnels = {}) {
    Reponse r;
    LPOLESTR nom = const_cast<LPOLESTR>(membre);
    DISPID id = DISPID_UNKNOWN;
    r.hr = d->GetIDsOfNames(IID_NULL, &nom, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(r.hr)) return r;
    std::vector<VARIANT> args(positionnels.rbegin(), positionnels.rend());  // the last first
    const bool put = (drapeaux & DISPATCH_PROPERTYPUT) != 0;
    DISPID valeur = DISPID_PROPERTYPUT;
    DISPPARAMS p{args.data(), put ? &valeur : nullptr, static_cast<UINT>(args.size()), put ? 1u : 0u};
    EXCEPINFO ei{};
    UINT argErreur = 0;
    r.hr = d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, drapeaux, &p, put ? nullptr : r.valeur.get(), &ei, &argErreur);
    if (r.hr == DISP_E_EXCEPTION) {
        r.scode = ei.scode;
        if (ei.bstrDescription) r.description = ei.bstrDescription;
    }
    for (BSTR b : {ei.bstrSource, ei.bstrDescription, ei.bstrHelpFile}) SysFreeString(b);
    return r;
}

// The IDispatch a successful call returned (empty otherwise).
inline com::Ptr<IDispatch> objet(const Reponse& a) {
    if (FAILED(a.hr) || V_VT(a.valeur.get()) != VT_DISPATCH) return {};
    return com::Ptr<IDispatch>(V_DISPATCH(a.valeur.get()));
}

using com::booleen;
using com::entier;
using com::parReference;
using com::texte;

}  // namespace k58204::test
