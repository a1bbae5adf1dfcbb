#include "com/simword/Inscription.hpp"

#include <oleauto.h>

#include <initializer_list>

#include "com/commun/Possession.hpp"
#include "com/simword/BibliothequeWord.hpp"

namespace k58204::simword {

namespace {

constexpr wchar_t Clsid[] = L"{000209FF-0000-0000-C000-000000000046}";
constexpr wchar_t Nom[] = L"Microsoft Word Application";

LONG ecrit(const std::wstring& cle, const wchar_t* valeur, const std::wstring& donnee) {
    HKEY h = nullptr;
    LONG r = RegCreateKeyExW(HKEY_CLASSES_ROOT, cle.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr);
    if (r != ERROR_SUCCESS) return r;
    r = RegSetValueExW(h, valeur, 0, REG_SZ, reinterpret_cast<const BYTE*>(donnee.c_str()),
                       static_cast<DWORD>((donnee.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(h);
    return r;
}

}  // namespace

LONG inscrit(const std::wstring& chemin) {
    const std::wstring clsid = std::wstring(L"CLSID\\") + Clsid;
    struct Entree {
        std::wstring cle;
        std::wstring valeur;
    };
    for (const Entree& e : {Entree{clsid, Nom}, Entree{clsid + L"\\LocalServer32", L"\"" + chemin + L"\" /Automation"},
                            Entree{clsid + L"\\ProgID", L"Word.Application.11"},
                            Entree{clsid + L"\\VersionIndependentProgID", L"Word.Application"},
                            Entree{L"Word.Application.11", Nom}, Entree{L"Word.Application.11\\CLSID", Clsid},
                            Entree{L"Word.Application", Nom}, Entree{L"Word.Application\\CLSID", Clsid},
                            Entree{L"Word.Application\\CurVer", L"Word.Application.11"}})
        if (LONG r = ecrit(e.cle, nullptr, e.valeur); r != ERROR_SUCCESS) return r;
    // The type libraries, the command bars' first: Word's refers to it. Each
    // is registered under the path a client loads it from (resource 2 as
    // "<exe>\\2").
    for (const std::wstring& bibliotheque : {chemin + L"\\2", chemin}) {
        com::Ptr<ITypeLib> lib;
        if (FAILED(LoadTypeLibEx(bibliotheque.c_str(), REGKIND_NONE, lib.put())) ||
            FAILED(RegisterTypeLib(lib.get(), const_cast<OLECHAR*>(bibliotheque.c_str()), nullptr)))
            return ERROR_INVALID_DATA;
    }
    return ERROR_SUCCESS;
}

LONG desinscrit() {
    LONG resultat = ERROR_SUCCESS;
    const SYSKIND systeme = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
    struct Bibliotheque {
        const GUID& libid;
        const WORD* version;
    };
    for (const Bibliotheque& b : {Bibliotheque{LibidWord, VersionWord}, Bibliotheque{LibidOffice, VersionOffice}}) {
        // A library not registered is not an error.
        const HRESULT hr = UnRegisterTypeLib(b.libid, b.version[0], b.version[1], LOCALE_NEUTRAL, systeme);
        if (FAILED(hr) && hr != TYPE_E_REGISTRYACCESS && hr != TYPE_E_LIBNOTREGISTERED) resultat = ERROR_INVALID_DATA;
    }
    for (const std::wstring& cle : {std::wstring(L"CLSID\\") + Clsid, std::wstring(L"Word.Application.11"),
                                    std::wstring(L"Word.Application")}) {
        const LONG r = RegDeleteTreeW(HKEY_CLASSES_ROOT, cle.c_str());
        if (r != ERROR_SUCCESS && r != ERROR_FILE_NOT_FOUND) resultat = r;
    }
    return resultat;
}

}  // namespace k58204::simword
