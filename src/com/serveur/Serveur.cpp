#include "com/serveur/Serveur.hpp"

#include <atomic>
#include <mutex>
#include <utility>

#include "com/serveur/Identifiants.hpp"

namespace k58204::com::serveur {

namespace {

HMODULE moduleDll_ = nullptr;
std::atomic<long> vivants{0};
std::atomic<long> verrous{0};

// Raw pointers, released by libereInfosTypes only: at process exit nothing
// may call into a COM runtime that may already be gone.
std::mutex garde;
ITypeLib* composant = nullptr;  // resource 1
ITypeLib* hote = nullptr;       // resource 2

HRESULT charge(ITypeLib*& lib, const wchar_t* suffixe) {
    if (lib) return S_OK;
    const std::wstring chemin = cheminDll() + suffixe;
    return LoadTypeLibEx(chemin.c_str(), REGKIND_NONE, &lib);
}

}  // namespace

HMODULE moduleDll() { return moduleDll_; }
void definitModuleDll(HMODULE h) { moduleDll_ = h; }

std::wstring cheminDll() {
    std::wstring chemin(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(moduleDll_, chemin.data(), static_cast<DWORD>(chemin.size()));
        if (n == 0) return {};
        if (n < chemin.size()) {
            chemin.resize(n);
            return chemin;
        }
        chemin.resize(chemin.size() * 2);
    }
}

HRESULT infoType(REFGUID iid, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    const bool deLHote = IsEqualGUID(iid, IID_AbstractModule) || IsEqualGUID(iid, IID_ComplementInfo);
    std::lock_guard verrou(garde);
    ITypeLib*& lib = deLHote ? hote : composant;
    if (const HRESULT hr = charge(lib, deLHote ? L"\\2" : L""); FAILED(hr)) return hr;
    return lib->GetTypeInfoOfGuid(iid, info);
}

void libereInfosTypes() {
    std::lock_guard verrou(garde);
    for (ITypeLib** lib : {&composant, &hote})
        if (*lib) std::exchange(*lib, nullptr)->Release();
}

void objetCree() { ++vivants; }
void objetDetruit() { --vivants; }
void verrouille(bool oui) { oui ? ++verrous : --verrous; }
bool peutDecharger() { return vivants == 0 && verrous == 0; }

}  // namespace k58204::com::serveur
