#include "com/simword/Fabrique.hpp"

#include "com/simword/DispatchObjet.hpp"

namespace k58204::simword {

Fabrique::Fabrique(ServeurSimWord& serveur, std::function<void()> apresCreation)
    : serveur_(serveur), apresCreation_(std::move(apresCreation)) {}

HRESULT Fabrique::QueryInterface(REFIID iid, void** objet) {
    if (!objet) return E_POINTER;
    *objet = nullptr;
    if (!IsEqualGUID(iid, IID_IUnknown) && !IsEqualGUID(iid, IID_IClassFactory)) return E_NOINTERFACE;
    *objet = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

ULONG Fabrique::Release() {
    const ULONG n = --references_;
    if (n == 0) delete this;
    return n;
}

HRESULT Fabrique::CreateInstance(IUnknown* externe, REFIID iid, void** objet) {
    if (!objet) return E_POINTER;
    *objet = nullptr;
    if (externe) return CLASS_E_NOAGGREGATION;
    if (serveur_.instance()) return CO_E_SERVER_STOPPING;
    try {
        ObjetPtr application = serveur_.demarre(false, false);
        com::Ptr<IDispatch> d = com::DispatchObjet::pour(application);
        const HRESULT hr = d->QueryInterface(iid, objet);
        if (apresCreation_) apresCreation_();
        return hr;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace k58204::simword
