#include "ClientsHostiles.hpp"

namespace k58204::com::test {

HRESULT ObjetClient::QueryInterface(REFIID iid, void** objet) {
    if (!objet) return E_POINTER;
    *objet = nullptr;
    if (sorte_ == Sorte::Defaillant && !IsEqualGUID(iid, IID_IUnknown) && !IsEqualGUID(iid, IID_IDispatch))
        return E_NOINTERFACE;
    *objet = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

HRESULT ObjetClient::GetTypeInfoCount(UINT* n) {
    if (!n) return E_POINTER;
    *n = 0;
    return sorte_ == Sorte::Defaillant ? E_FAIL : S_OK;
}

HRESULT ObjetClient::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return sorte_ == Sorte::Defaillant ? E_FAIL : DISP_E_BADINDEX;
}

HRESULT ObjetClient::GetIDsOfNames(REFIID, LPOLESTR*, UINT n, LCID, DISPID* ids) {
    if (ids)
        for (UINT i = 0; i < n; ++i) ids[i] = DISPID_UNKNOWN;
    return sorte_ == Sorte::Defaillant ? E_FAIL : DISP_E_UNKNOWNNAME;
}

HRESULT ObjetClient::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return sorte_ == Sorte::Defaillant ? E_FAIL : DISP_E_MEMBERNOTFOUND;
}

}  // namespace k58204::com::test
