#pragma once
// simword.exe in the registry, as Word registers itself: HKCR\CLSID\{Word's
// CLSID}\LocalServer32 = "<exe> /Automation", the ProgIDs
// "Word.Application.11" and "Word.Application" naming that CLSID, and the
// type libraries describing its objects (BibliothequeWord.hpp).
#include <windows.h>

#include <string>

namespace k58204::simword {

// Writes the keys for the executable at `chemin`; an error code of the registry, 0 on success.
LONG inscrit(const std::wstring& chemin);
// Removes them (missing keys are not an error).
LONG desinscrit();

}  // namespace k58204::simword
