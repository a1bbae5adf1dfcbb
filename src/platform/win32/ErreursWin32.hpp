#pragma once
// Win32 error codes become VB's run-time errors (source "K58204") here and
// nowhere else.
#include <windows.h>

#include <cstdint>

namespace k58204::platform::win32 {

// VB's number for a Win32 error code: file not found 53, path not found 76,
// access denied or sharing violation 70, already exists 58, bad name 52,
// anything else 75 (path/file access error).
int32_t numeroVb(DWORD code) noexcept;

// Raises VB's run-time error `numero` with the source "K58204".
[[noreturn]] void leveVb(int32_t numero);
// Raises the VB error for a Win32 error code (by default GetLastError()).
[[noreturn]] void leveWin32(DWORD code = ::GetLastError());

}  // namespace k58204::platform::win32
