#pragma once
// The support trace of K58204.dll, off unless asked for: when the environment
// variable K58204_TRACE or the registry value HKCU\Software\K58204\Trace
// (REG_SZ) names a file, the module appends to it each host call (member,
// arguments, result or error with its number and source, time) and, under it,
// each automation call the module made on Word during that call (the member
// chains of the command-line host's --trace, with their results and times).
//
// Each host call's block is written and the file closed before the call
// returns, so that a crash loses nothing. Before a block is written, a file
// of TailleMax bytes or more becomes "<file>.1" (replacing the previous one)
// and a new file is started: at most twice TailleMax bytes on disk, give or
// take one block. A file that cannot be written changes nothing in what the
// module does: the trace is lost, silently.
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "platform/ServeurTrace.hpp"
#include "word/ObjetTrace.hpp"

namespace k58204::com {

class TraceSupport {
public:
    static constexpr std::uintmax_t TailleMax = 1024 * 1024;

    // The file the trace is asked for in on this machine (the environment
    // variable first, then the registry value), "" when it is off.
    static std::wstring fichierDemande();

    TraceSupport(std::wstring fichier, platform::ServeurWord& serveur);

    // Word's server for the module: the Applications it gives are traced.
    platform::ServeurWord& serveur() { return serveur_; }
    // An application the host hands in, traced as "Application".
    ObjetPtr trace(ObjetPtr application);

    // One host call: starts the block's clock; ecrit ends it with the
    // result (or the error), then writes the calls recorded since debut.
    // hr is the call's outcome; erreur the module's error when it failed with one.
    void debut(std::u16string appel);
    void ecrit(const std::u16string& resultat, long hr, const Erreur* erreur);

private:
    std::wstring fichier_;
    std::shared_ptr<Journal> journal_;
    platform::ServeurTrace serveur_;
    std::u16string appel_;
    std::chrono::steady_clock::time_point debut_;
};

}  // namespace k58204::com
