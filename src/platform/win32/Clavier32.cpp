#include "platform/win32/Clavier32.hpp"

#include <windows.h>

#include <cstdint>

namespace k58204::platform::win32 {

namespace {

using Horloge = std::chrono::steady_clock;

// Dispatches this thread's waiting messages. A WM_QUIT is put back for the
// host's own loop; false then, and the caller stops pumping.
bool distribueMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return true;
}

DWORD millisecondesAvant(Horloge::time_point fin) {
    const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(fin - Horloge::now()).count();
    return reste > 0 ? static_cast<DWORD>(reste) : 0;
}

// Waits until `fini()` holds or `fin` comes, dispatching this thread's
// messages; true when `fini()` held. After a WM_QUIT the wait goes on without
// dispatching, in short sleeps.
template <class Condition>
bool attendsEnDistribuant(Horloge::time_point fin, Condition fini, DWORD pas = INFINITE) {
    bool distribue = true;
    for (;;) {
        if (distribue) distribue = distribueMessages();
        if (fini()) return true;
        const DWORD reste = millisecondesAvant(fin);
        if (reste == 0) return false;
        const DWORD attente = reste < pas ? reste : pas;
        if (distribue)
            ::MsgWaitForMultipleObjectsEx(0, nullptr, attente, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        else
            ::Sleep(attente < 10 ? attente : 10);
    }
}

INPUT toucheEchap(bool relachee) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = VK_ESCAPE;
    in.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = relachee ? KEYEVENTF_KEYUP : 0;
    return in;
}

// Shares this thread's input state with another thread's for its lifetime.
class EntreeAttachee {
public:
    EntreeAttachee(DWORD moi, DWORD autre) noexcept
        : moi_(moi), autre_(autre), attachee_(moi != autre && ::AttachThreadInput(moi, autre, TRUE)) {}
    ~EntreeAttachee() {
        if (attachee_) ::AttachThreadInput(moi_, autre_, FALSE);
    }
    EntreeAttachee(const EntreeAttachee&) = delete;
    EntreeAttachee& operator=(const EntreeAttachee&) = delete;

private:
    DWORD moi_, autre_;
    bool attachee_;
};

}  // namespace

void Clavier32::EnvoieEchap() {
    const auto fin = Horloge::now() + DelaiEchap;
    const HWND cible = ::GetForegroundWindow();
    const DWORD fil = cible ? ::GetWindowThreadProcessId(cible, nullptr) : 0;
    const EntreeAttachee attache(::GetCurrentThreadId(), fil ? fil : ::GetCurrentThreadId());

    const auto etat = [] { return static_cast<uint16_t>(::GetKeyState(VK_ESCAPE)); };
    const uint16_t bascule = etat() & 1;
    INPUT touches[2] = {toucheEchap(false), toucheEchap(true)};
    const UINT envoyees = ::SendInput(2, touches, sizeof(INPUT));
    if (!cible || envoyees != 2) return;

    // Both keystrokes taken by the window's thread (for a window of this
    // thread, by the dispatching below) ...
    attendsEnDistribuant(fin, [&] {
        const uint16_t e = etat();
        return (e & 1) != bascule && !(e & 0x8000);
    }, 5);
    // ... and their handlers finished: a sent message is handled only when
    // that thread next looks for messages.
    DWORD_PTR resultat = 0;
    ::SendMessageTimeoutW(cible, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, millisecondesAvant(fin), &resultat);
}

void Clavier32::Attends(std::chrono::milliseconds duree) {
    attendsEnDistribuant(Horloge::now() + duree, [] { return false; });
}

}  // namespace k58204::platform::win32
