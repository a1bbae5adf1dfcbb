#pragma once
// The time one host call into the component may take. Module sets it at the
// start of each host call; every automation call to Word checks it first and
// the component's own waits end with it. Past it, the next call to Word raises
// err::DelaiDepasse, which no "errors ignored" region swallows (sansErreur
// raises it again): the host call ends within its bound plus what the Word
// call already under way, or the system call already under way, takes.
#include <chrono>
#include <optional>

namespace k58204 {

class EcheanceAppel {
public:
    using Horloge = std::chrono::steady_clock;

    // Starts the bound of a host call on this thread. A host call made while
    // another is in progress on the thread (the component dispatches messages
    // while it waits) keeps the earlier end.
    explicit EcheanceAppel(std::chrono::milliseconds borne);
    // Puts back the end of the call in progress before, if any.
    ~EcheanceAppel();
    EcheanceAppel(const EcheanceAppel&) = delete;
    EcheanceAppel& operator=(const EcheanceAppel&) = delete;

    // True when the host call in progress on this thread is past its end.
    static bool depassee();
    // What is left before the end, at most `maximum` (`maximum` outside a host call).
    static std::chrono::milliseconds reste(std::chrono::milliseconds maximum);
    // Raises err::DelaiDepasse when the end has passed.
    static void verifie();

private:
    std::optional<Horloge::time_point> precedente_;
};

}  // namespace k58204
