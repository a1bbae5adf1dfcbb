#pragma once
// Helpers of the COM tests: the DLL under test, regsvr32, registry reads and
// late-bound calls made as VB makes them.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "com/commun/Possession.hpp"
#include "com/commun/ValeursCom.hpp"

namespace k58204::com::test {

// The DLL under test, as Wine names its Linux path (drive Z:).
std::wstring cheminDll();

// Runs regsvr32 /s [/u] on the DLL; its exit code.
DWORD regsvr32(bool desinscrire);
// Runs regsvr32 /s with these options ("/n /i:user") on the DLL; its exit code.
DWORD regsvr32Avec(const std::wstring& options);

// True when racine\chemin exists.
bool cleExiste(const std::wstring& chemin, HKEY racine = HKEY_CLASSES_ROOT);
// The value `nom` (the default value when null) of racine\chemin, "" when absent.
std::wstring valeurCle(const std::wstring& chemin, const wchar_t* nom = nullptr, HKEY racine = HKEY_CLASSES_ROOT);

std::wstring texteGuid(REFGUID g);

// An IDispatch call by name, as a VB late-bound caller makes it: GetIDsOfNames,
// then Invoke with the arguments reversed. `arguments` are in call order.
struct ResultatAppel {
    HRESULT hr = S_OK;
    VariantCom valeur;
    EXCEPINFO exception{};
    ~ResultatAppel();
    ResultatAppel() = default;
    ResultatAppel(ResultatAppel&&) = default;
    std::wstring source() const;
    std::wstring description() const;
};
ResultatAppel appelle(IDispatch* d, const wchar_t* membre, WORD drapeaux, std::vector<VARIANT> arguments = {});

using com::entier;
using com::parReference;
using com::texte;

}  // namespace k58204::com::test
