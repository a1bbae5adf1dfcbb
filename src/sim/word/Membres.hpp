#pragma once
// Small helpers that keep the members of the automation objects readable:
//   if (est(nom, u"Name")) return lecture(appel, [&] { return doc->nom; });
//   if (est(nom, u"Visible")) return propriete(appel, args, getter, setter);
// A read-only property answers a put with "unknown member" (438), as
// IDispatch does (DISP_E_MEMBERNOTFOUND).
#include <optional>
#include <string_view>
#include <utility>

#include "sim/core/ObjetSim.hpp"
#include "word/Objet.hpp"

namespace k58204::sim {

inline bool est(std::u16string_view nom, std::u16string_view membre) { return memeNom(nom, membre); }

template <class Lire>
std::optional<Variant> lecture(Appel appel, Lire&& lire) {
    if (appel == Appel::Put) return std::nullopt;
    return Variant(lire());
}

template <class Lire, class Ecrire>
std::optional<Variant> propriete(Appel appel, const ArgumentsSim& args, Lire&& lire, Ecrire&& ecrire) {
    if (appel == Appel::Put) {
        ecrire(args.valeurPut());
        return Variant();
    }
    return Variant(lire());
}

// A Boolean setting kept in a field.
inline std::optional<Variant> booleen(Appel appel, const ArgumentsSim& args, bool& champ) {
    return propriete(appel, args, [&] { return champ; }, [&](const Variant& v) { champ = v.CBool(); });
}

// A method: answers a call or a get (VB calls a method through either), not a put.
template <class Faire>
std::optional<Variant> methode(Appel appel, Faire&& faire) {
    if (appel == Appel::Put) return std::nullopt;
    return faire();
}

}  // namespace k58204::sim
