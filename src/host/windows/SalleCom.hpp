#pragma once
// The scripts of a run played on this Windows machine, one after the other,
// each with a fresh MachineCom. As the simulated machine gives each script an
// empty drive C:, what a script leaves at the top of drive C: (the folders the
// host staged the course's documents in, what the learner saved beside them)
// is removed once it is over, so that the next script starts from the same
// drive. A working document found there is reported as a failure first.
#include <filesystem>
#include <set>
#include <vector>

#include "host/CommandeLecon.hpp"

namespace k58204::lecon::windows {

class SalleCom final : public Salle {
public:
    explicit SalleCom(std::filesystem::path lecteur = "C:\\") : lecteur_(std::move(lecteur)) {}

    bool prepare(std::ostream& erreurs) override;
    RapportScript joue(size_t rang, const Script& script, const Hote& hote) override;

private:
    std::set<std::filesystem::path> entrees() const;
    // Removes what the script added; returns the working documents it left
    // in the working folders of its exercises.
    std::vector<std::filesystem::path> range(const Script& script);

    std::filesystem::path lecteur_;
    std::set<std::filesystem::path> avant_;  // the drive's entries before the run
};

}  // namespace k58204::lecon::windows
