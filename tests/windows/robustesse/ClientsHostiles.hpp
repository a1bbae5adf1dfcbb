#pragma once
// Objects of a client's own that a hostile or buggy client passes to the
// component: one whose QueryInterface answers S_OK with itself for every
// interface id, one that fails every call. Both live as long as the test and
// count their references, so that a reference the component keeps shows.
#include <windows.h>
#include <oaidl.h>

#include <atomic>

namespace k58204::com::test {

class ObjetClient final : public IDispatch {
public:
    enum class Sorte { Menteur, Defaillant };
    explicit ObjetClient(Sorte s) : defaillant_(s == Sorte::Defaillant) {}
    ObjetClient(const ObjetClient&) = delete;
    ObjetClient& operator=(const ObjetClient&) = delete;

    // References held by others than the test (0 when all were given back).
    LONG referencesTenues() const { return references_ - 1; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objet) override {
        if (!objet) return E_POINTER;
        *objet = nullptr;
        if (defaillant_ && !IsEqualGUID(iid, IID_IUnknown) && !IsEqualGUID(iid, IID_IDispatch)) return E_NOINTERFACE;
        *objet = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        if (!n) return E_POINTER;
        *n = 0;
        return defaillant_ ? E_FAIL : S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return defaillant_ ? E_FAIL : DISP_E_BADINDEX;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT n, LCID, DISPID* ids) override {
        for (UINT i = 0; ids && i < n; ++i) ids[i] = DISPID_UNKNOWN;
        return defaillant_ ? E_FAIL : DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return defaillant_ ? E_FAIL : DISP_E_MEMBERNOTFOUND;
    }

private:
    const bool defaillant_;
    std::atomic<LONG> references_{1};
};

}  // namespace k58204::com::test
