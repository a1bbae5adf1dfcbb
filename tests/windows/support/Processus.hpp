#pragma once
// Runs a program of the test prefix to its end, for the Windows tests
// (regsvr32, simword.exe /RegServer…).
#include "platform/win32/Possession.hpp"

#include <windows.h>

#include <string>

namespace k58204::test {

// Runs `ligne` (a command line) and waits for it, a minute at most; its exit
// code, or ~0 when it could not start or did not end in time.
inline DWORD executeEtAttend(std::wstring ligne) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return ~0u;
    const platform::win32::Poignee processus(pi.hProcess), fil(pi.hThread);
    if (WaitForSingleObject(processus.get(), 60000) != WAIT_OBJECT_0) return ~0u;
    DWORD code = ~0u;
    GetExitCodeProcess(processus.get(), &code);
    return code;
}

// A Linux path as Wine names it (drive Z:).
inline std::wstring cheminWindows(const char* unix) {
    std::wstring chemin = L"Z:";
    for (const char* c = unix; *c; ++c) chemin += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return chemin;
}

}  // namespace k58204::test
