// Clavier32: the Escape keystroke reaching a window of this thread and of
// another process (the waits are the lesson's desktop steps').
#include "FenetreDeTest.hpp"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Clavier32.hpp"
#include "platform/win32/Conversions.hpp"

namespace k58204::platform::win32 {
namespace {

using test::Comportement;

constexpr wchar_t SwitchEnfant[] = L"--fenetre-echap";
constexpr wchar_t ClasseEnfant[] = L"K58204EchapEnfant";

// Named events the child sets when it has handled Escape's key-down and key-up.
// They are read without waiting, so the test sees what was done when
// EnvoieEchap returned (a sent message would itself wait for the child).
std::wstring nomEvenement(const wchar_t* quoi, DWORD processus) {
    return L"K58204-" + std::wstring(quoi) + L"-" + std::to_wstring(processus);
}

// The child process: a foreground window whose handler of Escape's key-down
// is slow, so that a sender that does not wait returns before it is done.
int fenetreEnfant() {
    const DWORD moi = ::GetCurrentProcessId();
    Comportement c{.lenteurEchap = 300,
                   .apresBas = ::CreateEventW(nullptr, TRUE, FALSE, nomEvenement(L"bas", moi).c_str()),
                   .apresHaut = ::CreateEventW(nullptr, TRUE, FALSE, nomEvenement(L"haut", moi).c_str()),
                   .quitteDetruite = true};
    const Fenetre w = test::creeFenetre(ClasseEnfant, L"Échap", c);
    ::ShowWindow(w.get(), SW_SHOWNORMAL);
    ::SetForegroundWindow(w.get());
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

// gtest_main owns main(): the child is started by the same program with
// SwitchEnfant, and runs before main, instead of the tests.
const bool estEnfant = [] {
    if (std::wstring(::GetCommandLineW()).find(SwitchEnfant) == std::wstring::npos) return false;
    ::ExitProcess(static_cast<UINT>(fenetreEnfant()));
}();

// Seen under Wine 8: the child's key-down handler, 300 ms long, and its
// key-up handler have both run when EnvoieEchap returns; without the wait
// neither had. (A single WM_NULL round trip was enough here for another
// process, not for a window of the sending thread.)
TEST(Clavier32, EscapeIsHandledByAWindowOfAnotherProcessBeforeReturning) {
    wchar_t programme[MAX_PATH];
    ::GetModuleFileNameW(nullptr, programme, MAX_PATH);
    std::wstring ligne = L"\"" + std::wstring(programme) + L"\" " + SwitchEnfant;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(::CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    const Poignee processus(pi.hProcess), fil(pi.hThread);
    // A child left running by a failed assertion would keep the program's
    // output open, and ctest waiting for it.
    struct Termine {
        HANDLE p;
        ~Termine() {
            if (::WaitForSingleObject(p, 0) == WAIT_TIMEOUT) ::TerminateProcess(p, 1);
        }
    } termine{pi.hProcess};
    // Generous waits, left as soon as met: an emulated machine under load
    // takes seconds to start a process.
    HWND h = nullptr;
    for (int i = 0; i < 1200 && !h; ++i, ::Sleep(50)) h = ::FindWindowW(ClasseEnfant, nullptr);
    ASSERT_NE(h, nullptr);
    ::SetForegroundWindow(h);
    for (int i = 0; i < 1500 && ::GetForegroundWindow() != h; ++i) ::Sleep(20);
    ASSERT_EQ(::GetForegroundWindow(), h);
    const Poignee bas(::OpenEventW(SYNCHRONIZE, FALSE, nomEvenement(L"bas", pi.dwProcessId).c_str()));
    const Poignee haut(::OpenEventW(SYNCHRONIZE, FALSE, nomEvenement(L"haut", pi.dwProcessId).c_str()));
    ASSERT_TRUE(bas && haut);

    Clavier32().EnvoieEchap();
    EXPECT_EQ(::WaitForSingleObject(bas.get(), 0), WAIT_OBJECT_0) << "key-down handled";
    EXPECT_EQ(::WaitForSingleObject(haut.get(), 0), WAIT_OBJECT_0) << "key-up handled";

    ::PostMessageW(h, WM_CLOSE, 0, 0);
    EXPECT_EQ(::WaitForSingleObject(processus.get(), 30000), WAIT_OBJECT_0);
}

}  // namespace
}  // namespace k58204::platform::win32
