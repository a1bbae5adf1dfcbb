#pragma once
// The keyboard and timed waits on Windows.
//
// EnvoieEchap presses and releases Escape with SendInput, then waits until the
// thread of the foreground window is idle again (its queue drained, its
// handlers done), for at most DelaiEchap, while this thread's own messages
// keep flowing (see Clavier32.cpp).
//
// Attends waits while dispatching this thread's messages: the component runs
// in the host's single-threaded apartment, whose calls and window messages
// must not stall. Both waits end at the latest with the host call in
// progress (EcheanceAppel).
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
