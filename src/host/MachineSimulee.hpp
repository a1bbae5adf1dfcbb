#pragma once
// The simulated machine (sim::Poste) a script is played on under Linux: the
// module is created in-process on the simulated desktop; with the trace on,
// the module reaches Word's server through ServeurTrace.
#include <filesystem>
#include <memory>

#include "host/Machine.hpp"
#include "sim/Poste.hpp"

namespace k58204 {
class Module;
namespace platform {
class ServeurTrace;
}
}  // namespace k58204

namespace k58204::lecon {

class MachineSimulee final : public Machine {
public:
    // Drive C: is `racine`.
    MachineSimulee(const std::filesystem::path& racine, bool trace);
    ~MachineSimulee() override;
    MachineSimulee(const MachineSimulee&) = delete;
    MachineSimulee& operator=(const MachineSimulee&) = delete;

    AbstractModule& module() override;
    platform::SystemeFichiers& fichiers() override { return poste_.fichiers(); }
    ObjetPtr racineApprenant(const ObjetPtr& application) override;
    void bureau(const etape::Bureau& action, const ObjetPtr& application) override;
    int termineWords(bool bloque) override;
    Journal* journal() override { return journal_.get(); }

private:
    sim::InstanceWord* instance(const ObjetPtr& application);

    sim::Poste poste_;
    std::shared_ptr<Journal> journal_;
    std::unique_ptr<platform::ServeurTrace> serveurTrace_;
    std::unique_ptr<Module> module_;
};

}  // namespace k58204::lecon
