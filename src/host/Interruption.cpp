#include "host/Interruption.hpp"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "host/DossierTemporaire.hpp"
#include "host/ProcessusEnfant.hpp"

namespace k58204::lecon {

namespace {

constexpr int Signaux[] = {SIGINT, SIGTERM};
std::atomic<int> tubeEcriture{-1};
struct sigaction anciennes[2];

void recoit(int signal) {
    const int fd = tubeEcriture.load();
    const unsigned char octet = static_cast<unsigned char>(signal);
    if (fd >= 0) (void)!write(fd, &octet, 1);
}

}  // namespace

GardeInterruption::GardeInterruption() {
    if (pipe2(tube_, O_CLOEXEC) != 0) return;  // no guard: the process ends as before
    tubeEcriture = tube_[1];
    struct sigaction action {};
    action.sa_handler = recoit;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 2; ++i) sigaction(Signaux[i], &action, &anciennes[i]);
    veilleur_ = std::thread([lecture = tube_[0]] {
        unsigned char octet = 0;
        for (;;) {
            const ssize_t n = read(lecture, &octet, 1);
            if (n < 0 && errno == EINTR) continue;
            if (n != 1 || octet == 0) return;  // the guard goes
            termineProcessusEnfants();
            supprimeDossiersTemporaires();
            signal(octet, SIG_DFL);
            raise(octet);
            return;
        }
    });
}

GardeInterruption::~GardeInterruption() {
    if (tube_[1] < 0) return;
    for (int i = 0; i < 2; ++i) sigaction(Signaux[i], &anciennes[i], nullptr);
    tubeEcriture = -1;
    const unsigned char fin = 0;
    (void)!write(tube_[1], &fin, 1);
    if (veilleur_.joinable()) veilleur_.join();
    close(tube_[0]);
    close(tube_[1]);
}

}  // namespace k58204::lecon
