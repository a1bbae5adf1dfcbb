// A host that keeps K58204.dll and its assembly manifest beside itself and
// names the assembly in its own manifest (HoteSansRegistre.exe.manifest):
// it creates K58204.Module by ProgID and calls it by name with the class in no
// registry. Exit code 0 when it could; each failure is printed.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <cstdio>

#include "com/serveur/Identifiants.hpp"

namespace {

bool inscrite() {
    HKEY cle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"K58204.Module", 0, KEY_READ, &cle) != ERROR_SUCCESS) return false;
    RegCloseKey(cle);
    return true;
}

int echec(const char* quoi, HRESULT hr) {
    std::printf("%s: 0x%08lX\n", quoi, static_cast<unsigned long>(hr));
    return 1;
}

}  // namespace

int main() {
    if (inscrite()) return echec("K58204.Module is registered: nothing to prove", S_FALSE);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    CLSID clsid{};
    if (const HRESULT hr = CLSIDFromProgID(L"K58204.Module", &clsid); FAILED(hr)) return echec("CLSIDFromProgID", hr);
    // Seen under Wine 8: in an activation context, CLSIDFromProgID answers
    // another CLSID than the manifest's, which creates the same class.
    IDispatch* module = nullptr;
    if (const HRESULT hr = CoCreateInstance(k58204::com::CLSID_Module, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                            reinterpret_cast<void**>(&module));
        FAILED(hr))
        return echec("CoCreateInstance by the manifest's CLSID", hr);
    module->Release();
    if (const HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                            reinterpret_cast<void**>(&module));
        FAILED(hr))
        return echec("CoCreateInstance", hr);
    LPOLESTR nom = const_cast<LPOLESTR>(L"ErreurGenerale");
    DISPID id = DISPID_UNKNOWN;
    DISPPARAMS aucun{};
    VARIANT resultat;
    VariantInit(&resultat);
    HRESULT hr = module->GetIDsOfNames(IID_NULL, &nom, 1, LOCALE_USER_DEFAULT, &id);
    if (SUCCEEDED(hr))
        hr = module->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &aucun, &resultat, nullptr,
                            nullptr);
    module->Release();
    CoUninitialize();
    if (FAILED(hr)) return echec("ErreurGenerale", hr);
    if (resultat.vt != VT_BOOL || resultat.boolVal != VARIANT_FALSE) return echec("ErreurGenerale's value", S_FALSE);
    std::printf("K58204.Module created and called without registration\n");
    return 0;
}
