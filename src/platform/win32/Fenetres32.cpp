#include "platform/win32/Fenetres32.hpp"

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/Conversions.hpp"

namespace k58204::platform::win32 {

namespace {

// A class or title in the ANSI code page; left out stays left out (null).
std::optional<std::string> ansi(const Texte& t) {
    if (!t) return std::nullopt;
    return versAnsi(*t);
}

const char* cstr(const std::optional<std::string>& s) { return s ? s->c_str() : nullptr; }

// Fills a buffer of `taille` bytes with an A function (at most taille - 1
// characters and the terminating null) and converts what it copied.
template <class Lire>
int32_t litTexte(std::u16string& dest, int32_t taille, Lire lire) {
    dest.clear();
    if (taille <= 0) return 0;
    std::string tampon(static_cast<size_t>(taille), '\0');
    int n = lire(tampon.data(), taille);
    if (n <= 0) return 0;
    if (n > taille - 1) n = taille - 1;
    dest = depuisAnsi({tampon.data(), static_cast<size_t>(n)});
    return n;
}

}  // namespace

Hwnd Fenetres32::FindWindowA(const Texte& classe, const Texte& titre) {
    const auto c = ansi(classe), t = ansi(titre);
    return depuisHwnd(::FindWindowA(cstr(c), cstr(t)));
}

Hwnd Fenetres32::FindWindowExA(Hwnd parent, Hwnd apres, const Texte& classe, const Texte& titre) {
    const auto c = ansi(classe), t = ansi(titre);
    return depuisHwnd(::FindWindowExA(versHwnd(parent), versHwnd(apres), cstr(c), cstr(t)));
}

int32_t Fenetres32::GetClassNameA(Hwnd h, std::u16string& nom, int32_t taille) {
    return litTexte(nom, taille, [h](char* b, int n) { return ::GetClassNameA(versHwnd(h), b, n); });
}

int32_t Fenetres32::IsWindowVisible(Hwnd h) { return ::IsWindowVisible(versHwnd(h)); }

int32_t Fenetres32::IsIconic(Hwnd h) { return ::IsIconic(versHwnd(h)); }

int32_t Fenetres32::ShowWindow(Hwnd h, int32_t commande) { return ::ShowWindow(versHwnd(h), commande); }

int32_t Fenetres32::SetForegroundWindow(Hwnd h) { return ::SetForegroundWindow(versHwnd(h)); }

Hwnd Fenetres32::GetWindow(Hwnd h, int32_t commande) {
    return depuisHwnd(::GetWindow(versHwnd(h), static_cast<UINT>(commande)));
}

int32_t Fenetres32::GetWindowTextA(Hwnd h, std::u16string& titre, int32_t taille) {
    return litTexte(titre, taille, [h](char* b, int n) { return ::GetWindowTextA(versHwnd(h), b, n); });
}

int32_t Fenetres32::GetWindowLongA(Hwnd h, int32_t index) { return ::GetWindowLongA(versHwnd(h), index); }

Hwnd Fenetres32::GetParent(Hwnd h) { return depuisHwnd(::GetParent(versHwnd(h))); }

intptr_t Fenetres32::SendMessageA(Hwnd h, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return ::SendMessageA(versHwnd(h), message, wParam, lParam);
}

int32_t Fenetres32::LockWindowUpdate(Hwnd h) { return ::LockWindowUpdate(versHwnd(h)); }

}  // namespace k58204::platform::win32
