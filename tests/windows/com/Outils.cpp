#include "Outils.hpp"

#include "windows/support/Processus.hpp"

namespace k58204::com::test {

std::wstring cheminDll() { return k58204::test::cheminWindows(K58204_DLL); }

DWORD regsvr32(const std::wstring& options) {
    return k58204::test::executeEtAttend(L"regsvr32.exe /s " + options + L" \"" + cheminDll() + L"\"");
}

bool cleExiste(const std::wstring& chemin, HKEY racine) {
    HKEY cle = nullptr;
    if (RegOpenKeyExW(racine, chemin.c_str(), 0, KEY_READ, &cle) != ERROR_SUCCESS) return false;
    RegCloseKey(cle);
    return true;
}

std::wstring valeurCle(const std::wstring& chemin, const wchar_t* nom, HKEY racine) {
    wchar_t tampon[1024];
    DWORD taille = sizeof tampon;
    if (RegGetValueW(racine, chemin.c_str(), nom, RRF_RT_REG_SZ, nullptr, tampon, &taille) != ERROR_SUCCESS)
        return {};
    return tampon;
}

std::wstring texteGuid(REFGUID g) {
    wchar_t tampon[40];
    StringFromGUID2(g, tampon, 40);
    return tampon;
}

}  // namespace k58204::com::test
