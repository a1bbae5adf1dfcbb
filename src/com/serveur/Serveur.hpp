#pragma once
// What the DLL shares among its COM objects: its own module handle, the type
// information read from its embedded type libraries, and the count of live
// objects and locks that DllCanUnloadNow answers from.
#include <windows.h>
#include <oaidl.h>

#include <string>

namespace k58204::com::serveur {

// The DLL's module handle (set by DllMain).
HMODULE moduleDll();
void definitModuleDll(HMODULE h);

// The DLL's full path.
std::wstring cheminDll();

// The type information of an interface of the component's library (resource
// 1) or of the host's (resource 2), read once and shared. AddRef'd for the caller.
HRESULT infoType(REFGUID iid, ITypeInfo** info);
// Releases the shared type libraries (when the DLL is unloaded).
void libereInfosTypes();

// Every COM object of the DLL counts itself while it lives; LockServer counts too.
void objetCree();
void objetDetruit();
void verrouille(bool oui);
bool peutDecharger();

}  // namespace k58204::com::serveur
