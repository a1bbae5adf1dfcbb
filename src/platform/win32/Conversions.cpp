#include "platform/win32/Conversions.hpp"

namespace k58204::platform::win32 {

namespace {

// WideCharToMultiByte on CP_ACP without best-fit mapping; `perte` (when given)
// tells whether a default character had to be used.
std::string ansi(std::u16string_view s, BOOL* perte) {
    if (s.empty()) return {};
    const auto* w = reinterpret_cast<const wchar_t*>(s.data());
    const int nw = static_cast<int>(s.size());
    const int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w, nw, nullptr, 0, nullptr, perte);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w, nw, out.data(), n, nullptr, perte);
    return out;
}

}  // namespace

std::wstring versLarge(std::u16string_view s) { return {reinterpret_cast<const wchar_t*>(s.data()), s.size()}; }

std::u16string depuisLarge(std::wstring_view s) { return {reinterpret_cast<const char16_t*>(s.data()), s.size()}; }

std::string versAnsi(std::u16string_view s) { return ansi(s, nullptr); }

bool representableEnAnsi(std::u16string_view s) {
    BOOL perte = FALSE;
    ansi(s, &perte);
    return !perte;
}

std::u16string depuisAnsi(std::string_view s) {
    if (s.empty()) return {};
    const int nb = static_cast<int>(s.size());
    const int n = ::MultiByteToWideChar(CP_ACP, 0, s.data(), nb, nullptr, 0);
    std::u16string out(static_cast<size_t>(n > 0 ? n : 0), u'\0');
    if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, s.data(), nb, reinterpret_cast<wchar_t*>(out.data()), n);
    return out;
}

}  // namespace k58204::platform::win32
