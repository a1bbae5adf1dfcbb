#pragma once
// Word's server as the host hands it to the module when the calls are to be
// traced: GetObject and CreateObject are recorded in the journal, and every
// Application they give is wrapped in an ObjetTrace, so that every automation
// call the module makes on Word, from its first InitQuestion on, is recorded.
#include <memory>

#include "platform/ServeurWord.hpp"
#include "word/ObjetTrace.hpp"

namespace k58204::lecon {

class ServeurTrace : public platform::ServeurWord {
public:
    ServeurTrace(platform::ServeurWord& serveur, std::shared_ptr<Journal> journal)
        : serveur_(serveur), journal_(std::move(journal)) {}

    ObjetPtr GetObject(std::u16string_view classe) override;
    ObjetPtr CreateObject(std::u16string_view classe) override;

private:
    template <class Fonction>
    ObjetPtr enregistre(std::u16string_view nom, std::u16string_view classe, Fonction appel);

    platform::ServeurWord& serveur_;
    std::shared_ptr<Journal> journal_;
};

// The object under a trace (or the object itself).
ObjetPtr sansTrace(const ObjetPtr& o);

}  // namespace k58204::lecon
