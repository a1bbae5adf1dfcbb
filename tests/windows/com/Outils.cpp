#include "Outils.hpp"

#include "windows/support/Processus.hpp"

#include <algorithm>

namespace k58204::com::test {

std::wstring cheminDll() {
    std::string unix = K58204_DLL;
    std::wstring chemin = L"Z:";
    for (char c : unix) chemin += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return chemin;
}

DWORD regsvr32(bool desinscrire) { return regsvr32Avec(desinscrire ? L"/u" : L""); }

DWORD regsvr32Avec(const std::wstring& options) {
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

ResultatAppel::~ResultatAppel() {
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
}
std::wstring ResultatAppel::source() const { return exception.bstrSource ? exception.bstrSource : L""; }
std::wstring ResultatAppel::description() const {
    return exception.bstrDescription ? exception.bstrDescription : L"";
}

ResultatAppel appelle(IDispatch* d, const wchar_t* membre, WORD drapeaux, std::vector<VARIANT> arguments) {
    ResultatAppel r;
    LPOLESTR nom = const_cast<LPOLESTR>(membre);
    DISPID id = DISPID_UNKNOWN;
    r.hr = d->GetIDsOfNames(IID_NULL, &nom, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(r.hr)) return r;
    std::reverse(arguments.begin(), arguments.end());
    DISPPARAMS p{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
    UINT argErreur = 0;
    r.hr = d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, drapeaux, &p, r.valeur.get(), &r.exception, &argErreur);
    return r;
}

}  // namespace k58204::com::test
