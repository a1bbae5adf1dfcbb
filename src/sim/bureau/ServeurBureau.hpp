#pragma once
// Word's automation server on the simulated desktop: GetObject looks in the
// running-object table, CreateObject asks the class's registered factory.
// Either fails with VB's 429 when it finds nothing.
#include "platform/ServeurWord.hpp"
#include "sim/bureau/Bureau.hpp"

namespace k58204::sim {

class ServeurBureau : public platform::ServeurWord {
public:
    explicit ServeurBureau(Bureau& bureau) : bureau_(bureau) {}
    ObjetPtr GetObject(std::u16string_view classe) override;
    ObjetPtr CreateObject(std::u16string_view classe) override;

private:
    Bureau& bureau_;
};

}  // namespace k58204::sim
