#include "platform/win32/Fenetres32.hpp"

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/Conversions.hpp"
#include "word/EcheanceAppel.hpp"

namespace k58204::platform::win32 {

namespace {

// A class or title in the ANSI code page; left out stays left out (null).
std::optional<std::string> ansi(const Texte& t) {
    if (!t) return std::nullopt;
    return versAnsi(*t);
}

const char* cstr(const std::optional<std::string>& s) { return s ? s->c_str() : nullptr; }

// A message sent to a window of another thread waits for that thread: at most
// DelaiMessage and not past the end of the host call in progress
// (EcheanceAppel), and not at all for a thread that no longer takes its
// messages (SMTO_ABORTIFHUNG). A Word that works answers in milliseconds.
UINT delaiMessage() { return static_cast<UINT>(EcheanceAppel::reste(Fenetres32::DelaiMessage).count()); }

bool autreThread(HWND h) {
    const DWORD thread = ::GetWindowThreadProcessId(h, nullptr);
    return thread != 0 && thread != ::GetCurrentThreadId();
}

bool envoieBorne(HWND h, UINT message, WPARAM w, LPARAM l, DWORD_PTR& resultat) {
    resultat = 0;
    return ::SendMessageTimeoutA(h, message, w, l, SMTO_ABORTIFHUNG, delaiMessage(), &resultat) != 0;
}

// GetWindowTextA sends WM_GETTEXT to a window of this process (and reads the
// title the system keeps for any other): for another thread of this process,
// the message is sent with the bound above.
int titreA(HWND h, char* tampon, int taille) {
    DWORD processus = 0;
    const DWORD thread = ::GetWindowThreadProcessId(h, &processus);
    if (thread == 0 || thread == ::GetCurrentThreadId() || processus != ::GetCurrentProcessId())
        return ::GetWindowTextA(h, tampon, taille);
    tampon[0] = '\0';
    DWORD_PTR n = 0;
    if (!envoieBorne(h, WM_GETTEXT, static_cast<WPARAM>(taille), reinterpret_cast<LPARAM>(tampon), n)) return 0;
    return static_cast<int>(n);
}

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

// ShowWindow on a window of another thread waits for that thread: it is
// called only once the thread has answered a WM_NULL within the bound.
int32_t Fenetres32::ShowWindow(Hwnd h, int32_t commande) {
    const HWND w = versHwnd(h);
    DWORD_PTR r = 0;
    if (autreThread(w) && !envoieBorne(w, WM_NULL, 0, 0, r)) return ::IsWindowVisible(w);
    return ::ShowWindow(w, commande);
}

int32_t Fenetres32::SetForegroundWindow(Hwnd h) { return ::SetForegroundWindow(versHwnd(h)); }

Hwnd Fenetres32::GetWindow(Hwnd h, int32_t commande) {
    return depuisHwnd(::GetWindow(versHwnd(h), static_cast<UINT>(commande)));
}

int32_t Fenetres32::GetWindowTextA(Hwnd h, std::u16string& titre, int32_t taille) {
    return litTexte(titre, taille, [h](char* b, int n) { return titreA(versHwnd(h), b, n); });
}

int32_t Fenetres32::GetWindowLongA(Hwnd h, int32_t index) { return ::GetWindowLongA(versHwnd(h), index); }

Hwnd Fenetres32::GetParent(Hwnd h) { return depuisHwnd(::GetParent(versHwnd(h))); }

intptr_t Fenetres32::SendMessageA(Hwnd h, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    const HWND w = versHwnd(h);
    if (!autreThread(w)) return ::SendMessageA(w, message, wParam, lParam);
    DWORD_PTR resultat = 0;
    return envoieBorne(w, message, wParam, lParam, resultat) ? static_cast<intptr_t>(resultat) : 0;
}

int32_t Fenetres32::LockWindowUpdate(Hwnd h) { return ::LockWindowUpdate(versHwnd(h)); }

}  // namespace k58204::platform::win32
