#pragma once
// Helpers of the COM tests: the DLL under test, regsvr32, registry reads.
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "com/commun/Possession.hpp"

namespace k58204::com::test {

// The DLL under test, as Wine names its Linux path (drive Z:).
std::wstring cheminDll();

// Runs regsvr32 /s with these options ("", "/u", "/n /i:user") on the DLL; its exit code.
DWORD regsvr32(const std::wstring& options);

// True when racine\chemin exists.
bool cleExiste(const std::wstring& chemin, HKEY racine = HKEY_CLASSES_ROOT);
// The value `nom` (the default value when null) of racine\chemin, "" when absent.
std::wstring valeurCle(const std::wstring& chemin, const wchar_t* nom = nullptr, HKEY racine = HKEY_CLASSES_ROOT);

std::wstring texteGuid(REFGUID g);


}  // namespace k58204::com::test
