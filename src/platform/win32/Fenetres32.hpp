#pragma once
// user32's window functions behind platform::Fenetres, called through their A
// forms as VB declares them: texts cross to the ANSI code page at this edge
// (Conversions.hpp). Handles name windows of any process; an unknown handle
// makes every function return 0, as user32 does. What would wait for another
// thread (a message sent to its window) waits at most DelaiMessage, never
// past the end of the host call in progress, and not at all for a hung thread.
#include <chrono>

#include "platform/Fenetres.hpp"

namespace k58204::platform::win32 {

class Fenetres32 : public platform::Fenetres {
public:
    // The longest a message sent to another thread's window waits for it.
    static constexpr std::chrono::milliseconds DelaiMessage{2000};

    Hwnd FindWindowA(const Texte& classe, const Texte& titre) override;
    Hwnd FindWindowExA(Hwnd parent, Hwnd apres, const Texte& classe, const Texte& titre) override;
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
};

}  // namespace k58204::platform::win32
