// Creates one top-level window and exits 0 once Wine's desktop has accepted
// it, 1 otherwise. The first program of a prefix that makes a window starts
// the desktop process, which Wine waits for 10 s only: under emulation that
// is too short, and a program whose window was refused may never exit. The
// emulated 32-bit machine's script runs this first, again each second until
// it succeeds, so that the tests then find the desktop ready.
#include <windows.h>

int main() {
    HWND fenetre = CreateWindowExW(0, L"STATIC", L"K58204", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    if (!fenetre) return 1;
    DestroyWindow(fenetre);
    return 0;
}
