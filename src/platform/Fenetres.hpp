#pragma once
// The window functions of user32 the component uses, behind one interface so
// that the same code runs on the simulated desktop and on Win32. Handles are
// 32-bit integers; a class or title left out (std::nullopt) matches any.
// Texts are UTF-16 here; the Win32 implementation converts to the ANSI code page.
#include <cstdint>
#include <optional>
#include <string>

namespace k58204::platform {

using Hwnd = int32_t;
using Texte = std::optional<std::u16string>;

inline constexpr int32_t SW_SHOWMINIMIZED = 2;
inline constexpr int32_t SW_MAXIMIZE = 3;
inline constexpr int32_t GW_HWNDPREV = 3;
inline constexpr int32_t GWL_EXSTYLE = -20;
inline constexpr int32_t WS_EX_DLGMODALFRAME = 1;
inline constexpr uint32_t WM_CLOSE = 16;
inline constexpr int32_t TailleTampon = 255;  // buffers of GetClassNameA and GetWindowTextA

class Fenetres {
public:
    virtual ~Fenetres() = default;

    virtual Hwnd FindWindowA(const Texte& classe, const Texte& titre) = 0;
    virtual Hwnd FindWindowExA(Hwnd parent, Hwnd apres, const Texte& classe, const Texte& titre) = 0;
    // Copies at most taille - 1 characters; returns the count copied, 0 when h names no window.
    virtual int32_t GetClassNameA(Hwnd h, std::u16string& nom, int32_t taille) = 0;
    virtual int32_t IsWindowVisible(Hwnd h) = 0;
    virtual int32_t IsIconic(Hwnd h) = 0;
    virtual int32_t ShowWindow(Hwnd h, int32_t commande) = 0;
    virtual int32_t SetForegroundWindow(Hwnd h) = 0;
    virtual Hwnd GetWindow(Hwnd h, int32_t commande) = 0;
    // Copies at most taille - 1 characters of the title; returns the count copied.
    virtual int32_t GetWindowTextA(Hwnd h, std::u16string& titre, int32_t taille) = 0;
    virtual int32_t GetWindowLongA(Hwnd h, int32_t index) = 0;
    virtual Hwnd GetParent(Hwnd h) = 0;
    virtual intptr_t SendMessageA(Hwnd h, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    virtual int32_t LockWindowUpdate(Hwnd h) = 0;
};

}  // namespace k58204::platform
