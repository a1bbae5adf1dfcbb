#pragma once
// Late-bound calls made as a VB client makes them: GetIDsOfNames then Invoke,
// arguments reversed, named ones first.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <utility>
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

// `positionnels` in call order; `nommes` as (name, value). The VARIANTs are
// the caller's (not cleared here). A put passes its value as DISPID_PROPERTYPUT.
inline Reponse appelle(IDispatch* d, const wchar_t* membre, WORD drapeaux, std::vector<VARIANT> positionnels = {},
                       std::vector<std::pair<std::wstring, VARIANT>> nommes = {}) {
    Reponse r;
    std::vector<std::wstring> noms{membre};
    for (const auto& [n, v] : nommes) noms.push_back(n);
    std::vector<LPOLESTR> pointeurs;
    for (std::wstring& n : noms) pointeurs.push_back(n.data());
    std::vector<DISPID> ids(noms.size(), DISPID_UNKNOWN);
    r.hr = d->GetIDsOfNames(IID_NULL, pointeurs.data(), static_cast<UINT>(pointeurs.size()), LOCALE_USER_DEFAULT,
                            ids.data());
    if (FAILED(r.hr)) return r;
    std::vector<VARIANT> args;
    std::vector<DISPID> idsNommes;
    for (size_t i = 0; i < nommes.size(); ++i) {
        args.push_back(nommes[i].second);
        idsNommes.push_back(ids[i + 1]);
    }
    const bool put = (drapeaux & DISPATCH_PROPERTYPUT) != 0;
    if (put && !positionnels.empty()) {
        // The value goes first, named DISPID_PROPERTYPUT.
        args.insert(args.begin(), positionnels.back());
        idsNommes.insert(idsNommes.begin(), DISPID_PROPERTYPUT);
        positionnels.pop_back();
    }
    for (auto it = positionnels.rbegin(); it != positionnels.rend(); ++it) args.push_back(*it);
    DISPPARAMS p{args.data(), idsNommes.data(), static_cast<UINT>(args.size()), static_cast<UINT>(idsNommes.size())};
    EXCEPINFO ei{};
    UINT argErreur = 0;
    r.hr = d->Invoke(ids[0], IID_NULL, LOCALE_USER_DEFAULT, drapeaux, &p, put ? nullptr : r.valeur.get(), &ei,
                     &argErreur);
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
