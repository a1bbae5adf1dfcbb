#pragma once
// The training host played from a lesson script: one machine (Machine.hpp:
// the simulated one, or Windows through COM) and one Module per script. Host steps drive the module (exercice stages the
// course's source document, then InitQuestion; teste, fermer, quitter) and
// check its verdict; learner steps run VBA on the Word the host holds;
// desktop steps inject what a learner does outside automation.
//
// Rules of a run:
// - an error raised by a host or learner step must be expected by the line
//   right after it ("attendu erreur"); otherwise the script stops there, and
//   the failure and every check line not reached count as failed;
// - a check line that does not hold is counted and the script goes on;
// - a script that has run an exercise and ends without "quitter" is quit;
// - then, on every machine alike, a working document left as a file in one
//   of the script's working folders is a failure when the module was asked
//   to end the exercise (Fermer or Quitter returned) and Word was not stuck;
//   and every Word the machine started that still runs is ended.
#include <filesystem>

#include "host/Cours.hpp"
#include "host/Etapes.hpp"
#include "host/Rapport.hpp"

namespace k58204::lecon {

class Machine;

struct OptionsHote {
    // Record the automation calls the module makes during each host step.
    bool trace = false;
};

class Hote {
public:
    explicit Hote(const Cours& cours, OptionsHote options = {}) : cours_(cours), options_(options) {}

    // Plays the script on `machine`, fresh for it.
    RapportScript joue(const Script& script, Machine& machine) const;

    // Plays the script on a fresh simulated machine whose drive C: is
    // `racine` (it must exist and should be empty). Builds with the
    // simulator only (MachineSimulee.cpp).
    RapportScript joue(const Script& script, const std::filesystem::path& racine) const;

private:
    const Cours& cours_;
    OptionsHote options_;
};

}  // namespace k58204::lecon
