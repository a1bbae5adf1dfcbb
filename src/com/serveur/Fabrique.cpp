// The DLL's COM plumbing: DllMain, the class factory of Module,
// DllGetClassObject and DllCanUnloadNow. Module is the one creatable class.
#include <windows.h>
#include <objbase.h>

#include <new>

#include "com/serveur/Identifiants.hpp"
#include "com/serveur/ModuleCom.hpp"
#include "com/serveur/Serveur.hpp"

namespace k58204::com {

namespace {

// A static object: it lives as long as the DLL and does not count as an
// object that keeps the DLL loaded; LockServer does.
class FabriqueModule final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objet) override {
        if (!objet) return E_POINTER;
        *objet = nullptr;
        if (!IsEqualGUID(iid, IID_IUnknown) && !IsEqualGUID(iid, IID_IClassFactory)) return E_NOINTERFACE;
        *objet = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* exterieur, REFIID iid, void** objet) override {
        if (!objet) return E_POINTER;
        *objet = nullptr;
        if (exterieur) return CLASS_E_NOAGGREGATION;
        try {
            Ptr<::AbstractModule> module = creeModuleCom();
            return module->QueryInterface(iid, objet);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_UNEXPECTED;
        }
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL verrouiller) override {
        serveur::verrouille(verrouiller != FALSE);
        return S_OK;
    }
};

FabriqueModule fabrique;

}  // namespace

}  // namespace k58204::com

using namespace k58204::com;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD raison, LPVOID reserve) {
    switch (raison) {
        case DLL_PROCESS_ATTACH:
            serveur::definitModuleDll(instance);
            DisableThreadLibraryCalls(instance);
            break;
        case DLL_PROCESS_DETACH:
            // On FreeLibrary only: at process exit the COM runtime may be gone.
            if (!reserve) serveur::libereInfosTypes();
            break;
    }
    return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** objet) {
    if (!objet) return E_POINTER;
    *objet = nullptr;
    if (!IsEqualGUID(clsid, CLSID_Module)) return CLASS_E_CLASSNOTAVAILABLE;
    return fabrique.QueryInterface(iid, objet);
}

extern "C" HRESULT WINAPI DllCanUnloadNow() { return serveur::peutDecharger() ? S_OK : S_FALSE; }
