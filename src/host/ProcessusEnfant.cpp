#include "host/ProcessusEnfant.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string_view>

extern char** environ;

namespace k58204::lecon {

namespace {

std::mutex verrouGroupes;
std::set<pid_t>& groupes() {
    static std::set<pid_t> g;
    return g;
}

}  // namespace

std::string trouveDansPath(const std::string& programme) {
    if (programme.find('/') != std::string::npos) return access(programme.c_str(), X_OK) == 0 ? programme : "";
    const char* path = std::getenv("PATH");
    std::string_view reste = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!reste.empty()) {
        const size_t fin = std::min(reste.find(':'), reste.size());
        const std::string dossier(reste.substr(0, fin));
        reste.remove_prefix(std::min(fin + 1, reste.size()));
        if (dossier.empty()) continue;
        const std::string candidat = dossier + "/" + programme;
        std::error_code ec;
        if (access(candidat.c_str(), X_OK) == 0 && !std::filesystem::is_directory(candidat, ec)) return candidat;
    }
    return "";
}

ProcessusEnfant::ProcessusEnfant(const std::vector<std::string>& arguments) {
    if (arguments.empty()) throw std::runtime_error("aucun programme à lancer");
    int tube[2];
    if (pipe2(tube, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe : ") + std::strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, tube[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, tube[1], STDERR_FILENO);
    posix_spawnattr_t attributs;
    posix_spawnattr_init(&attributs);
    posix_spawnattr_setflags(&attributs, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributs, 0);
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // The group is registered before it exists, so that an interruption in
    // between still finds it.
    std::unique_lock<std::mutex> garde(verrouGroupes);
    const int erreur = posix_spawnp(&pid_, argv[0], &actions, &attributs, argv.data(), environ);
    if (erreur == 0) groupes().insert(pid_);
    garde.unlock();
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributs);
    close(tube[1]);
    if (erreur != 0) {
        close(tube[0]);
        pid_ = -1;
        throw std::runtime_error(arguments[0] + " : " + std::strerror(erreur));
    }
    sortie_ = tube[0];
}

ProcessusEnfant::~ProcessusEnfant() {
    termine();
    if (sortie_ >= 0) close(sortie_);
}

void ProcessusEnfant::termine() {
    if (pid_ < 0) return;
    kill(-pid_, SIGKILL);
    oublie();
    int statut = 0;
    while (waitpid(pid_, &statut, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}

// Out of the registry before it is reaped: once reaped, its id may be another's.
void ProcessusEnfant::oublie() {
    std::lock_guard<std::mutex> garde(verrouGroupes);
    groupes().erase(pid_);
}

ProcessusEnfant::Fin ProcessusEnfant::attend(std::chrono::milliseconds delai,
                                             const std::function<void(const std::string&)>& ligne, int& code) {
    using Horloge = std::chrono::steady_clock;
    const Horloge::time_point echeance = Horloge::now() + delai;
    std::string tampon;
    code = -1;
    // Output until end of file (every writer of the pipe gone) or the limit.
    while (sortie_ >= 0) {
        const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(echeance - Horloge::now());
        if (reste.count() <= 0) {
            termine();
            return Fin::Echeance;
        }
        pollfd p{sortie_, POLLIN, 0};
        const int n = poll(&p, 1, static_cast<int>(std::min<long long>(reste.count(), 1000)));
        if (n < 0 && errno != EINTR) break;
        if (n <= 0) continue;
        char bloc[4096];
        const ssize_t lus = read(sortie_, bloc, sizeof bloc);
        if (lus < 0 && errno == EINTR) continue;
        if (lus <= 0) break;
        tampon.append(bloc, static_cast<size_t>(lus));
        for (size_t fin; (fin = tampon.find('\n')) != std::string::npos; tampon.erase(0, fin + 1))
            ligne(tampon.substr(0, fin));
    }
    if (!tampon.empty()) ligne(tampon);
    // The pipe is closed; the program itself may still be ending. It is
    // waited for without being reaped, so that its group id stays its own
    // while what it left running in the group is killed.
    for (;;) {
        siginfo_t info{};
        const int r = waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOWAIT | WNOHANG);
        if (r == 0 && info.si_pid == pid_) break;
        if (r < 0 && errno != EINTR) break;
        if (Horloge::now() >= echeance) {
            termine();
            return Fin::Echeance;
        }
        usleep(20000);
    }
    kill(-pid_, SIGKILL);
    oublie();
    int statut = 0;
    while (waitpid(pid_, &statut, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    code = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
    return Fin::Terminee;
}

void termineProcessusEnfants() {
    std::lock_guard<std::mutex> garde(verrouGroupes);
    for (pid_t g : groupes()) kill(-g, SIGKILL);
}

}  // namespace k58204::lecon
