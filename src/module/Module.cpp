// Module: creation, the host's properties, Fermer.
#include "module/Module.hpp"

#include "word/EcheanceAppel.hpp"
#include "word/Erreur.hpp"

namespace k58204 {

Module::Module(platform::Plateforme plateforme) : plateforme_(plateforme) {}

Module::~Module() = default;

bool Module::BravoNuance() {
    if (!moQuestion) leveErreurExecution(err::ObjetNonDefini);
    return moQuestion->BravoNuance();
}

std::shared_ptr<ComplementInfo> Module::Complement() {
    if (!moQuestion) leveErreurExecution(err::ObjetNonDefini);
    return moQuestion->ComplementInfo();
}

std::u16string Module::CauseErreur() {
    if (mbErreurGenerale) return msCauseErreurGenerale;
    if (!moQuestion) leveErreurExecution(err::ObjetNonDefini);
    return moQuestion->CauseErreur();
}

void Module::Fermer() {
    EcheanceAppel echeance(BorneAppel);
    FermeQuestion();
}

}  // namespace k58204
