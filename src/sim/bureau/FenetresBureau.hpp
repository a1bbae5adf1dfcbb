#pragma once
// user32's window functions on the simulated desktop.
//
// - FindWindowA / FindWindowExA: class and title both compared without regard
//   to case (user32 compares titles with lstrcmpi too); hidden windows are
//   found; a title left out matches any title. FindWindowExA(0, ...) searches
//   the top-level windows, in z-order.
// - GetParent gives a child's parent, or a top-level window's owner.
// - ShowWindow: SW_HIDE 0, SW_SHOWNORMAL 1 / SW_RESTORE 9 (restored),
//   SW_SHOWMINIMIZED 2 / SW_MINIMIZE 6 / SW_SHOWMINNOACTIVE 7 (minimised),
//   SW_MAXIMIZE 3 (restored from the taskbar and maximised), SW_SHOWNOACTIVATE
//   4 / SW_SHOW 5 / SW_SHOWNA 8 (shown). Returns whether it was visible.
// - SendMessageA handles WM_CLOSE; other messages are ignored (result 0).
// - An unknown handle makes every function do nothing and return 0.
#include "platform/Fenetres.hpp"
#include "sim/bureau/Bureau.hpp"

namespace k58204::sim {

class FenetresBureau : public platform::Fenetres {
public:
    explicit FenetresBureau(Bureau& bureau) : bureau_(bureau) {}

    Hwnd FindWindowA(const platform::Texte& classe, const platform::Texte& titre) override;
    Hwnd FindWindowExA(Hwnd parent, Hwnd apres, const platform::Texte& classe, const platform::Texte& titre) override;
    int32_t GetClassNameA(Hwnd h, std::u16string& nom, int32_t taille) override;
    int32_t IsWindowVisible(Hwnd h) override;
    int32_t IsIconic(Hwnd h) override;
    int32_t ShowWindow(Hwnd h, int32_t commande) override;
    int32_t SetForegroundWindow(Hwnd h) override;
    Hwnd GetWindow(Hwnd h, int32_t commande) override;
    int32_t GetWindowTextA(Hwnd h, std::u16string& titre, int32_t taille) override;
    int32_t GetWindowLongA(Hwnd h, int32_t index) override;
    Hwnd GetParent(Hwnd h) override;
    intptr_t SendMessageA(Hwnd h, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    int32_t LockWindowUpdate(Hwnd h) override;

private:
    Bureau& bureau_;
};

}  // namespace k58204::sim
