#pragma once
// The COM side shared by the component's objects: reference counting, the
// interfaces an object answers for, IDispatch from the type library (names,
// dispatch ids, argument coercion and EXCEPINFO left to ITypeInfo), by-
// reference arguments of scripting clients (ParReference), and
// ISupportErrorInfo. A class derives from ObjetServeur<I> with I its dual
// interface and writes only I's typed members.
#include <windows.h>
#include <oaidl.h>

#include <atomic>
#include <initializer_list>
#include <vector>

#include "com/serveur/ParReference.hpp"
#include "com/commun/Possession.hpp"
#include "com/serveur/Serveur.hpp"

namespace k58204::com {

template <class I>
class ObjetServeur : public I, public ISupportErrorInfo {
public:
    ObjetServeur(const ObjetServeur&) = delete;
    ObjetServeur& operator=(const ObjetServeur&) = delete;

    // ---- IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objet) override {
        if (!objet) return E_POINTER;
        *objet = nullptr;
        if (IsEqualGUID(iid, IID_ISupportErrorInfo)) {
            *objet = static_cast<ISupportErrorInfo*>(this);
        } else if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IDispatch) || repondA(iid)) {
            *objet = static_cast<I*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG n = --references_;
        if (n == 0) delete this;
        return n;
    }

    // ---- IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        if (!n) return E_POINTER;
        *n = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT rang, LCID, ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        if (rang != 0) return DISP_E_BADINDEX;
        return serveur::infoType(iidDispatch_, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* noms, UINT n, LCID, DISPID* ids) override {
        if (!IsEqualGUID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
        Ptr<ITypeInfo> info;
        if (const HRESULT hr = serveur::infoType(iidDispatch_, info.put()); FAILED(hr)) return hr;
        return info->GetIDsOfNames(noms, n, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID membre, REFIID iid, LCID, WORD drapeaux, DISPPARAMS* appel,
                                     VARIANT* resultat, EXCEPINFO* exception, UINT* argErreur) override {
        if (!IsEqualGUID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
        if (!appel) return E_INVALIDARG;
        Ptr<ITypeInfo> info;
        if (const HRESULT hr = serveur::infoType(iidDispatch_, info.put()); FAILED(hr)) return hr;
        ParReference adaptation;
        if (const HRESULT hr = adaptation.prepare(info.get(), membre, drapeaux, *appel, argErreur); FAILED(hr))
            return hr;
        const HRESULT hr = info->Invoke(static_cast<I*>(this), membre, drapeaux, adaptation.parametres(), resultat,
                                        exception, argErreur);
        adaptation.rend();
        return hr;
    }

    // ---- ISupportErrorInfo
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
        return IsEqualGUID(iid, iidDispatch_) || repondA(iid) ? S_OK : S_FALSE;
    }

protected:
    // iidDispatch: the interface whose type information serves IDispatch;
    // autres: further interfaces answered by the same vtable (a default
    // interface without members of its own).
    ObjetServeur(const IID& iidDispatch, std::initializer_list<IID> autres)
        : iidDispatch_(iidDispatch), autres_(autres) {
        serveur::objetCree();
    }
    virtual ~ObjetServeur() { serveur::objetDetruit(); }

    const IID& iidDispatch() const { return iidDispatch_; }

private:
    bool repondA(REFIID iid) const {
        if (IsEqualGUID(iid, iidDispatch_)) return true;
        for (const IID& a : autres_)
            if (IsEqualGUID(iid, a)) return true;
        return false;
    }

    std::atomic<ULONG> references_{1};
    const IID iidDispatch_;
    const std::vector<IID> autres_;
};

}  // namespace k58204::com
