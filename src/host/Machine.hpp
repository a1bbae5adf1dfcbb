#pragma once
// The machine a lesson script is played on, as the runner (Hote) sees it:
// the module the host drives, the file system of the learner's drive C:, the
// desktop steps, and the Word the learner acts on. The simulated machine
// (MachineSimulee, Linux) and a Windows machine reached through COM
// (windows/MachineCom) implement it; the runner, the script format and the
// reports are the same on both.
#include <string>

#include "host/Etapes.hpp"
#include "module/AbstractModule.hpp"
#include "platform/SystemeFichiers.hpp"
#include "word/Objet.hpp"

namespace k58204 {
class Journal;
}

namespace k58204::lecon {

// A desktop step that cannot be done (no Word running): the script stops
// with this reason.
struct BureauImpossible {
    std::string raison;
};

class Machine {
public:
    virtual ~Machine() = default;

    // The module of this script, as the training host holds it.
    virtual AbstractModule& module() = 0;
    // The learner's files (verifie Dir, MkDir, Kill) and the host's staging.
    virtual platform::SystemeFichiers& fichiers() = 0;

    // The root of the learner's statements: the Word `application` (what
    // InitQuestion handed back, possibly empty) when it is set, else the Word
    // running on the machine; empty when none runs.
    virtual ObjetPtr racineApprenant(const ObjetPtr& application) = 0;

    // Does what a learner does outside automation, on the Word the host
    // holds, else the one running. BureauImpossible when no Word runs.
    virtual void bureau(const etape::Bureau& action, const ObjetPtr& application) = 0;

    // The end of a script, once the host has quit: ends every Word this
    // machine started that still runs. `bloque`: the Word is known to be stuck
    // and is ended at once; otherwise each is given time to end by itself
    // first. Returns how many had to be ended.
    virtual int termineWords(bool bloque) = 0;

    // The record of the automation calls the module makes, when traced.
    virtual Journal* journal() { return nullptr; }
};

}  // namespace k58204::lecon
