#pragma once
// What the fuzz program watches around every call it makes: a fault anywhere
// in the process (access violation, stack overflow, heap corruption…), seen
// by a vectored exception handler, and a call that has not returned within a
// bound, seen by a watchdog thread. Either prints the call being made (its
// description names the seed and the call's rank, which reproduce it) and
// ends the process with a failure: a crash or a hang is never survived.
#include <chrono>
#include <string>

namespace k58204::com::test::surveillance {

// Installs the handler and starts the watchdog (once per process).
void demarre(std::chrono::milliseconds borne);

// Brackets one call. `description` is printed if the call faults or hangs.
class Appel {
public:
    explicit Appel(std::string description);
    ~Appel();
    Appel(const Appel&) = delete;
    Appel& operator=(const Appel&) = delete;
};

}  // namespace k58204::com::test::surveillance
