#include "platform/win32/Clavier32.hpp"

#include <windows.h>

#include <algorithm>

#include "word/EcheanceAppel.hpp"

namespace k58204::platform::win32 {

namespace {

using Horloge = std::chrono::steady_clock;

// Dispatches this thread's waiting messages. A WM_QUIT is put back for the
// host's own loop; false then, and the caller stops dispatching.
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

// Rounded up: a wait never ends before `fin`.
DWORD millisecondesAvant(Horloge::time_point fin) {
    const auto reste = std::chrono::ceil<std::chrono::milliseconds>(fin - Horloge::now()).count();
    return reste > 0 ? static_cast<DWORD>(reste) : 0;
}

// Waits until `fin`, dispatching this thread's messages as they come. After a
// WM_QUIT (put back for the host) the wait goes on in short sleeps.
void attendsEnDistribuant(Horloge::time_point fin) {
    bool distribue = true;
    for (;;) {
        if (distribue) distribue = distribueMessages();
        const DWORD reste = millisecondesAvant(fin);
        if (reste == 0) return;
        if (distribue)
            ::MsgWaitForMultipleObjectsEx(0, nullptr, reste, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        else
            ::Sleep(std::min<DWORD>(reste, 10));
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

// One WM_NULL round trip to the window's thread; false when the window is
// gone, its thread hung, or the time is up.
bool allerRetour(HWND cible, Horloge::time_point fin) {
    DWORD_PTR resultat = 0;
    const DWORD reste = millisecondesAvant(fin);
    return reste > 0 && ::SendMessageTimeoutW(cible, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, reste, &resultat) != 0;
}

}  // namespace

void Clavier32::EnvoieEchap() {
    const auto fin = Horloge::now() + EcheanceAppel::reste(DelaiEchap);
    const HWND cible = ::GetForegroundWindow();
    INPUT touches[2] = {toucheEchap(false), toucheEchap(true)};
    if (::SendInput(2, touches, sizeof(INPUT)) != 2 || !cible) return;

    // The keystrokes now wait in the queue of the window's thread, which
    // takes sent messages before input: one WM_NULL may come back before the
    // key is even taken. So round trips are repeated, with short pauses that
    // let that thread reach its input (and dispatch this thread's own, for a
    // window of this thread), until two in a row come back at once: the
    // thread is idle, its queue drained and its handlers done. A window that
    // is gone (Escape closed it) or a hung thread ends the wait.
    constexpr auto immediat = std::chrono::milliseconds(10);
    int rapides = 0;
    while (rapides < 2) {
        const auto debut = Horloge::now();
        if (!allerRetour(cible, fin)) return;
        rapides = Horloge::now() - debut < immediat ? rapides + 1 : 0;
        attendsEnDistribuant(std::min(fin, Horloge::now() + immediat));
    }
}

void Clavier32::Attends(std::chrono::milliseconds duree) {
    attendsEnDistribuant(Horloge::now() + EcheanceAppel::reste(duree));
}

}  // namespace k58204::platform::win32
