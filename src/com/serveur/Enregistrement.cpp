// DllRegisterServer and DllUnregisterServer: the ProgID "K58204.Module", the
// class Module (in-process server, apartment threading), the component's type
// library and, when no host has registered them, the host's interfaces.
// Unregistering removes what registering wrote and nothing else.
#include <windows.h>
#include <oleauto.h>
#include <olectl.h>

#include <string>

#include "com/serveur/Identifiants.hpp"
#include "com/commun/Possession.hpp"
#include "com/serveur/Serveur.hpp"
#include "platform/win32/Possession.hpp"

namespace k58204::com {

namespace {

#ifdef _WIN64
constexpr SYSKIND Systeme = SYS_WIN64;
constexpr wchar_t CleSysteme[] = L"win64";
#else
constexpr SYSKIND Systeme = SYS_WIN32;
constexpr wchar_t CleSysteme[] = L"win32";
#endif

std::wstring texteGuid(REFGUID g) {
    wchar_t tampon[40];
    StringFromGUID2(g, tampon, 40);
    return tampon;
}


bool ecrit(const std::wstring& chemin, const wchar_t* nom, const std::wstring& valeur) {
    platform::win32::CleRegistre cle;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, chemin.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, cle.put(), nullptr) !=
        ERROR_SUCCESS)
        return false;
    return RegSetValueExW(cle.get(), nom, 0, REG_SZ, reinterpret_cast<const BYTE*>(valeur.c_str()),
                          static_cast<DWORD>((valeur.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// The default value of HKCR\chemin, or "" when there is none.
std::wstring lit(const std::wstring& chemin) {
    wchar_t tampon[MAX_PATH * 2];
    LONG taille = sizeof tampon;
    if (RegQueryValueW(HKEY_CLASSES_ROOT, chemin.c_str(), tampon, &taille) != ERROR_SUCCESS) return {};
    return tampon;
}

std::wstring cleClasse() { return L"CLSID\\" + texteGuid(CLSID_Module); }
std::wstring cleHote() { return L"TypeLib\\" + texteGuid(LIBID_K70935) + L"\\1.0\\0\\" + CleSysteme; }
std::wstring cheminHote() { return serveur::cheminDll() + L"\\2"; }

// The host's interfaces are someone else's when AbstractModule is registered
// with another library than this component's copy of the host's.
bool interfacesHoteAutrui() {
    const std::wstring bibliotheque = lit(L"Interface\\" + texteGuid(IID_AbstractModule) + L"\\TypeLib");
    return !bibliotheque.empty() && _wcsicmp(bibliotheque.c_str(), texteGuid(LIBID_K70935).c_str()) != 0;
}

// Registers the type library at `chemin` ("...\K58204.dll" or "...\K58204.dll\2")
// under that very path. Seen under Wine 8: LoadTypeLibEx(REGKIND_REGISTER)
// registers the DLL's path without the resource number, which would make the
// host's library resolve to the component's.
HRESULT enregistreBibliotheque(const std::wstring& chemin) {
    Ptr<ITypeLib> lib;
    if (const HRESULT hr = LoadTypeLibEx(chemin.c_str(), REGKIND_NONE, lib.put()); FAILED(hr)) return hr;
    std::wstring dossier = serveur::cheminDll();
    dossier.resize(dossier.find_last_of(L'\\') + 1);
    return RegisterTypeLib(lib.get(), const_cast<wchar_t*>(chemin.c_str()), dossier.data());
}

// Paths as the registry may hold them ("\\?\" prefix, any case), compared.
bool memeChemin(std::wstring a, std::wstring b) {
    for (std::wstring* c : {&a, &b})
        if (c->rfind(L"\\\\?\\", 0) == 0) c->erase(0, 4);
    return _wcsicmp(a.c_str(), b.c_str()) == 0;
}

}  // namespace

}  // namespace k58204::com

using namespace k58204::com;

extern "C" HRESULT WINAPI DllRegisterServer() {
    const std::wstring dll = serveur::cheminDll();
    if (dll.empty()) return SELFREG_E_CLASS;
    if (FAILED(enregistreBibliotheque(dll))) return SELFREG_E_TYPELIB;
    if (!interfacesHoteAutrui() && FAILED(enregistreBibliotheque(cheminHote()))) return SELFREG_E_TYPELIB;

    const std::wstring clsid = texteGuid(CLSID_Module);
    const bool ok = ecrit(ProgIdModule, nullptr, ProgIdModule) &&
                    ecrit(std::wstring(ProgIdModule) + L"\\CLSID", nullptr, clsid) &&
                    ecrit(cleClasse(), nullptr, ProgIdModule) &&
                    ecrit(cleClasse() + L"\\InprocServer32", nullptr, dll) &&
                    ecrit(cleClasse() + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
                    ecrit(cleClasse() + L"\\ProgID", nullptr, ProgIdModule) &&
                    ecrit(cleClasse() + L"\\TypeLib", nullptr, texteGuid(LIBID_K58204)) &&
                    ecrit(cleClasse() + L"\\VERSION", nullptr, L"1.0");
    return ok ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT WINAPI DllUnregisterServer() {
    // The ProgID only while it names this class.
    if (_wcsicmp(lit(std::wstring(ProgIdModule) + L"\\CLSID").c_str(), texteGuid(CLSID_Module).c_str()) == 0)
        RegDeleteTreeW(HKEY_CLASSES_ROOT, ProgIdModule);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, cleClasse().c_str());
    UnRegisterTypeLib(LIBID_K58204, 1, 0, 0, Systeme);
    // The host's library only where this DLL registered its own copy.
    if (memeChemin(lit(cleHote()), cheminHote()))
        UnRegisterTypeLib(LIBID_K70935, 1, 0, 0, Systeme);
    return S_OK;
}
