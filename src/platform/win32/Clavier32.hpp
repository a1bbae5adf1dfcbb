#pragma once
// The keyboard and timed waits on Windows.
//
// EnvoieEchap presses and releases Escape with SendInput, then waits until the
// thread of the foreground window has taken both keystrokes from its queue and
// handled them, for at most DelaiEchap. It follows the foreground thread's key
// state (shared for the time of the wait with AttachThreadInput): the Escape
// key's toggle bit flips when its key-down is taken, its down bit clears when
// its key-up is taken; a sent WM_NULL then returns once the handlers are done.
// Meanwhile this thread's own messages keep flowing.
//
// Attends waits while dispatching this thread's messages: the component runs
// in the host's single-threaded apartment, whose calls and window messages
// must not stall.
#include <chrono>

#include "platform/Clavier.hpp"

namespace k58204::platform::win32 {

class Clavier32 : public platform::Clavier {
public:
    // The longest EnvoieEchap waits for a window that does not take its keys.
    static constexpr std::chrono::milliseconds DelaiEchap{2000};

    void EnvoieEchap() override;
    void Attends(std::chrono::milliseconds duree) override;
};

}  // namespace k58204::platform::win32
