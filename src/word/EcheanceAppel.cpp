#include "word/EcheanceAppel.hpp"

#include <algorithm>

#include "word/Erreur.hpp"

namespace k58204 {

namespace {
thread_local std::optional<EcheanceAppel::Horloge::time_point> fin;
}  // namespace

EcheanceAppel::EcheanceAppel(std::chrono::milliseconds borne) : precedente_(fin) {
    const Horloge::time_point demandee = Horloge::now() + borne;
    fin = precedente_ ? std::min(*precedente_, demandee) : demandee;
}

EcheanceAppel::~EcheanceAppel() { fin = precedente_; }

bool EcheanceAppel::depassee() { return fin && Horloge::now() >= *fin; }

std::chrono::milliseconds EcheanceAppel::reste(std::chrono::milliseconds maximum) {
    if (!fin) return maximum;
    const auto r = std::chrono::ceil<std::chrono::milliseconds>(*fin - Horloge::now());
    return std::clamp(r, std::chrono::milliseconds::zero(), maximum);
}

void EcheanceAppel::verifie() {
    if (depassee()) leveErreurExecution(err::DelaiDepasse);
}

}  // namespace k58204
