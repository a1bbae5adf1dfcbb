#pragma once
#include <chrono>

namespace k58204::platform {

// Keystrokes and waits. The component starts no thread or timer of its own:
// it only sends a key to the active window, and waits while Word (another
// process) processes its messages.
class Clavier {
public:
    virtual ~Clavier() = default;
    // Sends the Escape key to the active window and returns once it has been processed.
    virtual void EnvoieEchap() = 0;
    // A timed wait during which other processes go on working.
    virtual void Attends(std::chrono::milliseconds duree) = 0;
};

}  // namespace k58204::platform
