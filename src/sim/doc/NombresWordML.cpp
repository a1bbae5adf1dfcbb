#include "sim/doc/NombresWordML.hpp"

#include <charconv>
#include <cmath>

namespace k58204::sim::wordml {

namespace {

// The number at the start of `texte` and whether it had a fraction.
struct Lu {
    double valeur = 0;
    bool fraction = false;
};

std::optional<Lu> lire(std::string_view texte) {
    // Only [+-]digits[.digits]: no exponent, no "inf" or "nan".
    size_t i = 0;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '-' || texte[i] == '+')) negatif = texte[i++] == '-';
    const size_t debutChiffres = i;
    while (i < texte.size() && texte[i] >= '0' && texte[i] <= '9') ++i;
    const size_t finEntier = i;
    bool fraction = false;
    if (i < texte.size() && texte[i] == '.') {
        size_t j = i + 1;
        while (j < texte.size() && texte[j] >= '0' && texte[j] <= '9') ++j;
        fraction = j > i + 1;
        if (fraction) i = j;
    }
    if (finEntier == debutChiffres && !fraction) return std::nullopt;
    double v = 0;
    // from_chars accepts no '+': parse from the first digit (or the point).
    auto [fin, ec] = std::from_chars(texte.data() + debutChiffres, texte.data() + i, v);
    if (ec == std::errc::result_out_of_range) v = HUGE_VAL;
    else if (ec != std::errc() || fin != texte.data() + i) return std::nullopt;
    return Lu{negatif ? -v : v, fraction};
}

int32_t borne(double v) {
    if (!(v < ValeurMax)) return ValeurMax;
    if (!(v > -ValeurMax)) return -ValeurMax;
    return static_cast<int32_t>(std::lround(v));
}

// LibreOffice's twip over the true twip (1/567 cm against 1440/2.54 per inch).
constexpr double EchelleLibreOffice = 0.254 * 567.0 / 144.0;

}  // namespace

std::optional<int32_t> entier(std::string_view texte) {
    auto lu = lire(texte);
    if (!lu) return std::nullopt;
    return borne(lu->valeur);
}

std::optional<int32_t> twips(std::string_view texte) {
    auto lu = lire(texte);
    if (!lu) return std::nullopt;
    return borne(lu->fraction ? lu->valeur / EchelleLibreOffice : lu->valeur);
}

}  // namespace k58204::sim::wordml
