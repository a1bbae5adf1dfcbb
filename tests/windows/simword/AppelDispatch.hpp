#pragma once
// Late-bound calls made as a VB client makes them, for the simword tests:
// GetIDsOfNames then Invoke, arguments reversed, named ones first.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <utility>
#include <vector>

#include "com/commun/Possession.hpp"
#include "com/commun/ValeursCom.hpp"

namespace k58204::simword::test {

struct Reponse {
    HRESULT hr = S_OK;
    com::VariantCom valeur;
    SCODE scode = 0;  // EXCEPINFO's, for DISP_E_EXCEPTION
    std::wstring description;
};

// `positionnels` in call order; `nommes` as (name, value). The VARIANTs are
// the caller's (not cleared here). A put passes its value as DISPID_PROPERTYPUT.
Reponse appelle(IDispatch* d, const wchar_t* membre, WORD drapeaux, std::vector<VARIANT> positionnels = {},
              std::vector<std::pair<std::wstring, VARIANT>> nommes = {});

// The IDispatch a successful call returned (empty otherwise).
com::Ptr<IDispatch> objet(const Reponse& a);

using com::booleen;
using com::entier;
using com::texte;

}  // namespace k58204::simword::test
