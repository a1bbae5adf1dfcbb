#pragma once
// The conversions between the seam's types and Win32's, all in one place:
// window handles, UTF-16 texts as wide strings, and the ANSI code page of the
// A functions.
// platform/Fenetres.hpp is not included here: it declares constants named as
// user32's macros (SW_MAXIMIZE, WM_CLOSE ...), so it must come before
// <windows.h> wherever both are used. Its Hwnd is int32_t.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace k58204::platform::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");

// User handles keep 32 significant bits even on Win64, so Hwnd (int32_t) loses
// nothing: truncated on the way out, sign-extended on the way in.
inline HWND versHwnd(int32_t h) noexcept { return reinterpret_cast<HWND>(static_cast<intptr_t>(h)); }
inline int32_t depuisHwnd(HWND h) noexcept { return static_cast<int32_t>(reinterpret_cast<intptr_t>(h)); }

// A UTF-16 text as the wide API takes it (null-terminated by std::wstring).
std::wstring versLarge(std::u16string_view s);
std::u16string depuisLarge(std::wstring_view s);

// UTF-16 to the ANSI code page (CP_ACP) and back. A character the code page
// lacks becomes its default character ('?'), never a look-alike ("best fit"),
// so a title or path is never silently matched against another one.
std::string versAnsi(std::u16string_view s);
std::u16string depuisAnsi(std::string_view s);
// Whether every character of s has its own form in the ANSI code page.
bool representableEnAnsi(std::u16string_view s);

}  // namespace k58204::platform::win32
