#pragma once
// The scripts of a run played on this Windows machine, one after the other,
// each with a fresh MachineCom. As the simulated machine gives each script an
// empty drive C:, what a script leaves at the top of drive C: (the folders the
// host staged the course's documents in, what the learner saved beside them)
// is removed once it is over, so that the next script starts from the same
// drive. The end-of-script rule (working documents left, Words still running)
// is the runner's, the same on every machine (Hote).
#include <filesystem>
#include <set>

#include "host/CommandeLecon.hpp"

namespace k58204::lecon::windows {

class SalleCom final : public Salle {
public:
    explicit SalleCom(std::filesystem::path lecteur = "C:\\") : lecteur_(std::move(lecteur)) {}

    bool prepare(std::ostream& erreurs) override;
    RapportScript joue(size_t rang, const Script& script, const Hote& hote) override;

private:
    std::set<std::filesystem::path> entrees() const;
    // Removes what the script added at the top of the drive.
    void range();

    std::filesystem::path lecteur_;
    std::set<std::filesystem::path> avant_;  // the drive's entries before the run
};

}  // namespace k58204::lecon::windows
