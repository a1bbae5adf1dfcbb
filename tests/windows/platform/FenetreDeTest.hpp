#pragma once
// Real top-level windows for the tests, on the test's thread. Each window
// counts the Escape keystrokes it handled and may refuse WM_CLOSE.
#include "platform/Fenetres.hpp"  // before <windows.h>: its constants are user32's macro names

#include <windows.h>

#include <string>

#include "platform/win32/Possession.hpp"

namespace k58204::platform::win32::test {

struct Comportement {
    bool refuseFermeture = false;  // WM_CLOSE is answered 0 without DestroyWindow
    int echapBas = 0;              // WM_KEYDOWN VK_ESCAPE handled
    int echapHaut = 0;             // WM_KEYUP VK_ESCAPE handled
};

// Registers (once) the window class `classe`, whose procedure follows the
// Comportement given to creeFenetre.
void enregistreClasse(const std::wstring& classe);

// A window of `classe`, titled `titre`, owned by `proprietaire`, with the
// extended style `styleEx`; not shown. `c` must outlive the window.
Fenetre creeFenetre(const std::wstring& classe, const std::wstring& titre, Comportement& c, HWND proprietaire = nullptr,
                    DWORD styleEx = 0, DWORD style = WS_OVERLAPPEDWINDOW);

// Dispatches this thread's waiting messages.
void pompe();

}  // namespace k58204::platform::win32::test
