#include "host/AVerifierDansWord.hpp"

namespace k58204::lecon {

std::optional<std::string> raisonAVerifier(int32_t exercice) {
    switch (exercice) {
        default: return std::nullopt;
    }
}

}  // namespace k58204::lecon
