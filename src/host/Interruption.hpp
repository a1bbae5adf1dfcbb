#pragma once
// While a GardeInterruption lives, SIGINT and SIGTERM remove the temporary
// folders of the run (DossierTemporaire) before the process ends, by the
// signal, as it would have without the guard. The signal handler only writes
// the signal's number to a pipe; a thread of the guard does the removal.
#include <thread>

namespace k58204::lecon {

class GardeInterruption {
public:
    GardeInterruption();
    ~GardeInterruption();
    GardeInterruption(const GardeInterruption&) = delete;
    GardeInterruption& operator=(const GardeInterruption&) = delete;

private:
    int tube_[2] = {-1, -1};
    std::thread veilleur_;
};

}  // namespace k58204::lecon
