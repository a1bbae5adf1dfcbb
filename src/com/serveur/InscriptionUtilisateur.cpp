// DllInstall: "regsvr32 /n /i:user K58204.dll" registers the component for the
// current user only, under HKCU\Software\Classes, so that a learner's account
// without administrator rights can use it; "regsvr32 /u /n /i:user K58204.dll"
// removes that registration. Nothing outside HKCU\Software\Classes is touched.
//
// The keys are those DllRegisterServer gives (the ProgID, the class, the type
// libraries and their interfaces), written here one by one from the embedded
// type libraries: RegisterTypeLib writes under HKEY_CLASSES_ROOT, which is the
// machine's, and RegisterTypeLibForUser is no help either (Wine 8 registers
// system-wide through it).
#include <windows.h>
#include <oleauto.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "com/serveur/Identifiants.hpp"
#include "com/commun/Possession.hpp"
#include "com/serveur/Serveur.hpp"
#include "platform/win32/Possession.hpp"

namespace k58204::com {

namespace {

#ifdef _WIN64
constexpr wchar_t CleSysteme[] = L"win64";
#else
constexpr wchar_t CleSysteme[] = L"win32";
#endif
constexpr wchar_t RacineUtilisateur[] = L"Software\\Classes\\";
// The universal marshaller, the proxy of every automation interface.
constexpr wchar_t Marshalleur[] = L"{00020424-0000-0000-C000-000000000046}";

std::wstring texteGuid(REFGUID g) {
    wchar_t tampon[40];
    StringFromGUID2(g, tampon, 40);
    return tampon;
}

struct Valeur {
    std::wstring cle;     // under the classes root
    std::wstring nom;     // "" for the default value
    std::wstring donnee;
};

// The registration of the type library at `chemin` ("...\K58204.dll", or
// "...\K58204.dll\2" for the host's): the library's key and each of its
// automation interfaces, as RegisterTypeLib writes them.
HRESULT valeursBibliotheque(const std::wstring& chemin, std::vector<Valeur>& valeurs,
                            std::vector<std::wstring>& interfaces) {
    Ptr<ITypeLib> lib;
    if (const HRESULT hr = LoadTypeLibEx(chemin.c_str(), REGKIND_NONE, lib.put()); FAILED(hr)) return hr;
    TLIBATTR* attr = nullptr;
    if (const HRESULT hr = lib->GetLibAttr(&attr); FAILED(hr)) return hr;
    const std::wstring libid = texteGuid(attr->guid);
    wchar_t version[16], lcid[16], drapeaux[16];
    swprintf(version, 16, L"%x.%x", attr->wMajorVerNum, attr->wMinorVerNum);
    swprintf(lcid, 16, L"%lx", static_cast<unsigned long>(attr->lcid));
    swprintf(drapeaux, 16, L"%u", static_cast<unsigned>(attr->wLibFlags));
    lib->ReleaseTLibAttr(attr);

    platform::win32::Bstr doc;
    lib->GetDocumentation(-1, nullptr, doc.put(), nullptr, nullptr);
    const std::wstring cle = L"TypeLib\\" + libid + L"\\" + version;
    std::wstring dossier = serveur::cheminDll();
    dossier.resize(dossier.find_last_of(L'\\') + 1);
    valeurs.push_back({cle, L"", doc.get() ? doc.get() : L""});
    valeurs.push_back({cle + L"\\FLAGS", L"", drapeaux});
    valeurs.push_back({cle + L"\\" + lcid + L"\\" + CleSysteme, L"", chemin});
    valeurs.push_back({cle + L"\\HELPDIR", L"", dossier});

    for (UINT i = 0, n = lib->GetTypeInfoCount(); i < n; ++i) {
        Ptr<ITypeInfo> info;
        TYPEATTR* type = nullptr;
        if (FAILED(lib->GetTypeInfo(i, info.put())) || FAILED(info->GetTypeAttr(&type))) continue;
        const bool automation = type->typekind == TKIND_DISPATCH ||
                                (type->typekind == TKIND_INTERFACE && (type->wTypeFlags & TYPEFLAG_FOLEAUTOMATION));
        const std::wstring iid = texteGuid(type->guid);
        info->ReleaseTypeAttr(type);
        if (!automation) continue;
        platform::win32::Bstr nom;
        lib->GetDocumentation(static_cast<INT>(i), nom.put(), nullptr, nullptr, nullptr);
        const std::wstring cleInterface = L"Interface\\" + iid;
        valeurs.push_back({cleInterface, L"", nom.get() ? nom.get() : L""});
        valeurs.push_back({cleInterface + L"\\ProxyStubClsid", L"", Marshalleur});
        valeurs.push_back({cleInterface + L"\\ProxyStubClsid32", L"", Marshalleur});
        valeurs.push_back({cleInterface + L"\\TypeLib", L"", libid});
        valeurs.push_back({cleInterface + L"\\TypeLib", L"Version", version});
        interfaces.push_back(cleInterface);
    }
    return S_OK;
}

// The default value of Software\Classes\chemin under HKCU, or of chemin under
// the machine's classes; "" when absent.
std::wstring lit(HKEY racine, const std::wstring& chemin) {
    wchar_t tampon[MAX_PATH * 2];
    DWORD taille = sizeof tampon;
    if (RegGetValueW(racine, chemin.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, tampon, &taille) != ERROR_SUCCESS)
        return {};
    return tampon;
}
std::wstring litUtilisateur(const std::wstring& chemin) {
    return lit(HKEY_CURRENT_USER, RacineUtilisateur + chemin);
}

bool ecrit(const Valeur& v) {
    platform::win32::CleRegistre cle;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, (RacineUtilisateur + v.cle).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        cle.put(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExW(cle.get(), v.nom.empty() ? nullptr : v.nom.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(v.donnee.c_str()),
                          static_cast<DWORD>((v.donnee.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

void supprime(const std::wstring& cle) { RegDeleteTreeW(HKEY_CURRENT_USER, (RacineUtilisateur + cle).c_str()); }

std::wstring cleClasse() { return L"CLSID\\" + texteGuid(CLSID_Module); }
std::wstring cleAbstractModule() { return L"Interface\\" + texteGuid(IID_AbstractModule) + L"\\TypeLib"; }
bool memeTexte(const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; }

// The host's interfaces are someone else's when AbstractModule is registered,
// for this user or for the machine, with another library than this
// component's copy of the host's.
bool interfacesHoteAutrui() {
    const std::wstring libid = texteGuid(LIBID_K70935);
    for (const std::wstring& b : {litUtilisateur(cleAbstractModule()), lit(HKEY_CLASSES_ROOT, cleAbstractModule())})
        if (!b.empty() && !memeTexte(b, libid)) return true;
    return false;
}

HRESULT inscrit() {
    const std::wstring dll = serveur::cheminDll();
    if (dll.empty()) return SELFREG_E_CLASS;
    std::vector<Valeur> valeurs;
    std::vector<std::wstring> interfaces;
    if (FAILED(valeursBibliotheque(dll, valeurs, interfaces))) return SELFREG_E_TYPELIB;
    if (!interfacesHoteAutrui() && FAILED(valeursBibliotheque(dll + L"\\2", valeurs, interfaces)))
        return SELFREG_E_TYPELIB;
    const std::wstring clsid = texteGuid(CLSID_Module);
    const std::wstring classe = cleClasse();
    valeurs.insert(valeurs.begin(), {
        {ProgIdModule, L"", ProgIdModule},
        {std::wstring(ProgIdModule) + L"\\CLSID", L"", clsid},
        {classe, L"", ProgIdModule},
        {classe + L"\\InprocServer32", L"", dll},
        {classe + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {classe + L"\\ProgID", L"", ProgIdModule},
        {classe + L"\\TypeLib", L"", texteGuid(LIBID_K58204)},
        {classe + L"\\VERSION", L"", L"1.0"},
    });
    for (const Valeur& v : valeurs)
        if (!ecrit(v)) return SELFREG_E_CLASS;
    return S_OK;
}

// Removes what inscrit wrote: the ProgID only while it names this class, the
// host's library and interfaces only where they are this DLL's copy.
HRESULT desinscrit() {
    if (memeTexte(litUtilisateur(std::wstring(ProgIdModule) + L"\\CLSID"), texteGuid(CLSID_Module)))
        supprime(ProgIdModule);
    supprime(cleClasse());
    const std::wstring dll = serveur::cheminDll();
    for (const auto& [libid, ressource] : {std::pair{LIBID_K58204, L""}, std::pair{LIBID_K70935, L"\\2"}}) {
        std::vector<Valeur> valeurs;
        std::vector<std::wstring> interfaces;
        if (FAILED(valeursBibliotheque(dll + ressource, valeurs, interfaces))) continue;
        const std::wstring texteLib = texteGuid(libid);
        for (const std::wstring& i : interfaces)
            if (memeTexte(litUtilisateur(i + L"\\TypeLib"), texteLib)) supprime(i);
        // valeurs[2] is the library's path for this system.
        if (memeTexte(litUtilisateur(valeurs[2].cle), valeurs[2].donnee)) supprime(L"TypeLib\\" + texteLib);
    }
    return S_OK;
}

}  // namespace

}  // namespace k58204::com

// regsvr32 /i[:ligne] calls DllRegisterServer then DllInstall(TRUE, ligne); with
// /n only DllInstall. "user" (any case) is the per-user registration; no
// argument leaves the machine's registration to DllRegisterServer.
extern "C" HRESULT WINAPI DllInstall(BOOL installer, LPCWSTR ligne) {
    if (!ligne || !*ligne) return S_OK;
    if (_wcsicmp(ligne, L"user") != 0) return E_INVALIDARG;
    return installer ? k58204::com::inscrit() : k58204::com::desinscrit();
}
