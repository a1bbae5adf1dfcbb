#pragma once
// A Windows machine reached through COM, where only Word may be simulated:
// the module is K58204.dll's "K58204.Module" driven by name (ModuleDispatch);
// the learner's statements and verifie go over IDispatch to the Word the
// module handed back (or the one registered as running); files are the
// machine's own (SystemeFichiers32); desktop steps go to the simulated Word's
// server through its control channel (CanalSimWord).
// Word's server first: wingdi's GetObject macro would rename its member.
#include "com/client/ServeurCom.hpp"

#include <memory>
#include <set>

#include "com/client/CacheDispids.hpp"
#include "host/Machine.hpp"
#include "host/windows/ModuleDispatch.hpp"
#include "platform/win32/SystemeFichiers32.hpp"

namespace k58204::lecon::windows {

class MachineCom final : public Machine {
public:
    // Creates the module (error 429 when it is not registered).
    MachineCom();

    AbstractModule& module() override { return module_; }
    platform::SystemeFichiers& fichiers() override { return fichiers_; }
    ObjetPtr racineApprenant(const ObjetPtr& application) override;
    void bureau(const etape::Bureau& action, const ObjetPtr& application) override;
    // Waits on the processes of the simulated Words started since this
    // machine was made (up to 20 s, none when stuck), then ends those still
    // running and waits for them to be gone, so that their files are free.
    int termineWords(bool bloque) override;

private:
    std::shared_ptr<com::CacheDispids> cache_;  // Word's dispatch ids, for the learner's calls
    com::ServeurCom serveur_;                   // the Word registered as running
    ModuleDispatch module_;
    platform::win32::SystemeFichiers32 fichiers_;
    std::set<unsigned long> avant_;  // the simulated Words' process ids before the script
};

// The command the control channel takes for a desktop step; empty for
// ! ferme-word, which ends the server's process instead.
std::u16string commandeBureau(const etape::Bureau& action);

}  // namespace k58204::lecon::windows
