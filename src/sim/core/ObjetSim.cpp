#include "sim/core/ObjetSim.hpp"

#include "sim/core/ErreursWord.hpp"
#include "word/Erreur.hpp"

namespace k58204::sim {

ArgumentsSim::ArgumentsSim(const Arguments& args, Appel appel) : args_(args) {
    if (appel == Appel::Put && !args_.empty()) {
        valeur_ = args_.back().valeur;
        args_.pop_back();
    }
}

std::optional<Variant> ArgumentsSim::parametre(size_t position, std::u16string_view nom) const {
    for (const Argument& a : args_)
        if (!a.nom.empty() && memeNom(a.nom, nom)) return a.valeur;
    // Positional arguments come first, before any named one.
    if (position < args_.size() && args_[position].nom.empty()) {
        for (size_t i = 0; i < position; ++i)
            if (!args_[i].nom.empty()) return std::nullopt;
        return args_[position].valeur;
    }
    return std::nullopt;
}

Variant ArgumentsSim::requis(size_t position, std::u16string_view nom) const {
    auto v = parametre(position, nom);
    if (!v) leveErreurExecution(err::AppelIncorrect);
    return *v;
}

const Variant& ArgumentsSim::valeurPut() const {
    if (!valeur_) leveErreurExecution(err::AppelIncorrect);
    return *valeur_;
}

Variant ObjetSim::invoke(std::u16string_view membre, Appel appel, const Arguments& args) {
    if (garde_) garde_->avantAppel();
    ArgumentsSim a(args, appel);
    auto r = this->membre(membre, appel, a);
    if (!r) leveErreurExecution(err::MembreInconnu);
    return *r;
}

Variant ObjetSim::collectionOuItem(ObjetPtr collection, const ArgumentsSim& args) {
    if (args.vide()) return Variant(std::move(collection));
    return collection->invoke(u"Item", Appel::Get, args.bruts());
}

}  // namespace k58204::sim
