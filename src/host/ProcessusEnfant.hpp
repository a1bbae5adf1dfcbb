#pragma once
// A program the host runs and waits for with a time limit: its own process
// group (so that a time limit or an interruption ends it with every process
// it started), its standard output and error read line by line as they come.
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace k58204::lecon {

class ProcessusEnfant {
public:
    // Starts `arguments[0]`, searched in PATH, with the rest as its arguments
    // and standard input on /dev/null. std::runtime_error when it cannot start.
    explicit ProcessusEnfant(const std::vector<std::string>& arguments);
    ~ProcessusEnfant();  // ends the group when it still runs
    ProcessusEnfant(const ProcessusEnfant&) = delete;
    ProcessusEnfant& operator=(const ProcessusEnfant&) = delete;

    enum class Fin { Terminee, Echeance };
    // Calls `ligne` for each line the program writes (output and error alike)
    // until it ends, or until `delai` has passed: then its whole group is
    // killed. `code` is its exit status (-1 when killed by a signal).
    Fin attend(std::chrono::milliseconds delai, const std::function<void(const std::string&)>& ligne, int& code);

private:
    void termine();
    void oublie();
    pid_t pid_ = -1;
    int sortie_ = -1;
};

// Kills the process group of every ProcessusEnfant still running (on an
// interruption of the host, before it ends). Safe to call from any thread.
void termineProcessusEnfants();

// The absolute path of `programme` found in PATH; empty when it is not there.
std::string trouveDansPath(const std::string& programme);

}  // namespace k58204::lecon
