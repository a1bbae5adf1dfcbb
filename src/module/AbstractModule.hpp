#pragma once
// The host interface a training host drives a lesson through, as the host's
// library defines it: four properties and four subs.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "files/ComplementInfo.hpp"
#include "word/Objet.hpp"

namespace k58204 {

class AbstractModule {
public:
    virtual ~AbstractModule() = default;

    virtual bool BravoNuance() = 0;
    // The current exercise's supplementary strings; nullptr when it holds none.
    virtual std::shared_ptr<ComplementInfo> Complement() = 0;
    virtual std::u16string CauseErreur() = 0;
    virtual bool ErreurGenerale() = 0;
    virtual void Fermer() = 0;
    virtual void InitQuestion(int32_t ilQuestion, std::u16string isPathDossier, ObjetPtr& ioApplication,
                              int32_t& ioHandleLogiciel, std::optional<std::u16string> isPathModele = std::nullopt) = 0;
    virtual void Quitter(ObjetPtr& ioApplication, int32_t& ioHandleLogiciel) = 0;
    virtual void TestePoint() = 0;
};

}  // namespace k58204
