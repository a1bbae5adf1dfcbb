#pragma once
// Win32 error codes become VB's run-time errors (source "K58204") through the
// table both file-system seams share (platform/ErreursWindows.hpp).
#include <windows.h>

#include "platform/ErreursWindows.hpp"

namespace k58204::platform::win32 {

using platform::leveVb;
using platform::numeroVb;

// Raises the VB error for a Win32 error code (by default GetLastError()).
[[noreturn]] inline void leveWin32(DWORD code = ::GetLastError()) { platform::leveWindows(code); }

}  // namespace k58204::platform::win32

static_assert(k58204::platform::codeWin32::FichierIntrouvable == ERROR_FILE_NOT_FOUND &&
              k58204::platform::codeWin32::CheminIntrouvable == ERROR_PATH_NOT_FOUND &&
              k58204::platform::codeWin32::AccesRefuse == ERROR_ACCESS_DENIED &&
              k58204::platform::codeWin32::LecteurInvalide == ERROR_INVALID_DRIVE &&
              k58204::platform::codeWin32::DossierCourant == ERROR_CURRENT_DIRECTORY &&
              k58204::platform::codeWin32::ViolationPartage == ERROR_SHARING_VIOLATION &&
              k58204::platform::codeWin32::ViolationVerrou == ERROR_LOCK_VIOLATION &&
              k58204::platform::codeWin32::CheminReseau == ERROR_BAD_NETPATH &&
              k58204::platform::codeWin32::NomReseau == ERROR_BAD_NET_NAME &&
              k58204::platform::codeWin32::FichierExiste == ERROR_FILE_EXISTS &&
              k58204::platform::codeWin32::NomInvalide == ERROR_INVALID_NAME &&
              k58204::platform::codeWin32::DossierNonVide == ERROR_DIR_NOT_EMPTY &&
              k58204::platform::codeWin32::DejaExistant == ERROR_ALREADY_EXISTS &&
              k58204::platform::codeWin32::NomTropLong == ERROR_FILENAME_EXCED_RANGE &&
              k58204::platform::codeWin32::NomDeDossierInvalide == ERROR_DIRECTORY,
              "the shared table names winerror.h's values");
