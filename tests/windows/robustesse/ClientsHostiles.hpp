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
    explicit ObjetClient(Sorte s) : sorte_(s) {}
    ObjetClient(const ObjetClient&) = delete;
    ObjetClient& operator=(const ObjetClient&) = delete;

    // References held by others than the test (0 when all were given back).
    LONG referencesTenues() const { return references_ - 1; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objet) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT n, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

private:
    const Sorte sorte_;
    std::atomic<LONG> references_{1};
};

}  // namespace k58204::com::test
