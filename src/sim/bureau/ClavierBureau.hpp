#pragma once
// The keyboard on the simulated desktop: Escape goes to the foreground window
// at once (Bureau::echap); a wait returns at once and is added to the
// desktop's total (Bureau::attenteTotale), so tests run without sleeping.
#include "platform/Clavier.hpp"
#include "sim/bureau/Bureau.hpp"

namespace k58204::sim {

class ClavierBureau : public platform::Clavier {
public:
    explicit ClavierBureau(Bureau& bureau) : bureau_(bureau) {}
    void EnvoieEchap() override { bureau_.echap(); }
    void Attends(std::chrono::milliseconds duree) override { bureau_.ajouteAttente(duree); }

private:
    Bureau& bureau_;
};

}  // namespace k58204::sim
