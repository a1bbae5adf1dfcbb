#include "sim/bureau/ServeurBureau.hpp"

#include "word/Erreur.hpp"

namespace k58204::sim {

ObjetPtr ServeurBureau::GetObject(std::u16string_view classe) {
    if (ObjetPtr o = bureau_.objetActif(classe)) return o;
    leveErreurExecution(err::CreationImpossible);
}

ObjetPtr ServeurBureau::CreateObject(std::u16string_view classe) {
    if (ObjetPtr o = bureau_.creeObjet(classe)) return o;
    leveErreurExecution(err::CreationImpossible);
}

}  // namespace k58204::sim
