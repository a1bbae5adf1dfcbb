#pragma once
// Real top-level windows for the tests, on the test's thread. Each window
// counts the Escape keystrokes it handled.
#include "platform/Fenetres.hpp"  // before <windows.h>: its constants are user32's macro names

#include <windows.h>

#include <string>

#include "platform/win32/Possession.hpp"

namespace k58204::platform::win32::test {

struct Comportement {
    int echapBas = 0;              // WM_KEYDOWN VK_ESCAPE handled
    int echapHaut = 0;             // WM_KEYUP VK_ESCAPE handled
    DWORD lenteurEchap = 0;        // ms spent on Escape's key-down
    HANDLE apresBas = nullptr, apresHaut = nullptr;  // events set once Escape's key-down, key-up are handled
    bool quitteDetruite = false;   // WM_QUIT posted when destroyed
};

inline LRESULT CALLBACK procedure(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_NCCREATE)
        ::SetWindowLongPtrW(h, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
    auto* c = reinterpret_cast<Comportement*>(::GetWindowLongPtrW(h, GWLP_USERDATA));
    if (c) {
        if (m == WM_KEYDOWN && w == VK_ESCAPE) {
            ::Sleep(c->lenteurEchap);
            ++c->echapBas;
            if (c->apresBas) ::SetEvent(c->apresBas);
        }
        if (m == WM_KEYUP && w == VK_ESCAPE && ++c->echapHaut && c->apresHaut) ::SetEvent(c->apresHaut);
        if (m == WM_DESTROY && c->quitteDetruite) ::PostQuitMessage(0);
    }
    return ::DefWindowProcW(h, m, w, l);
}

// A top-level window of `classe` (registered once), titled `titre`; not
// shown. `c` must outlive the window.
inline Fenetre creeFenetre(const std::wstring& classe, const std::wstring& titre, Comportement& c) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = classe.c_str();
    ::RegisterClassW(&wc);  // already registered: fine
    return Fenetre(::CreateWindowExW(0, classe.c_str(), titre.c_str(), WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr,
                                     nullptr, wc.hInstance, &c));
}

}  // namespace k58204::platform::win32::test
