#include "host/ServeurTrace.hpp"

namespace k58204::lecon {

template <class Fonction>
ObjetPtr ServeurTrace::enregistre(std::u16string_view nom, std::u16string_view classe, Fonction appel) {
    const size_t rang = journal_->nombre();
    journal_->ajoute(AppelTrace{std::u16string(nom), Appel::Call, {std::u16string(classe)}, std::nullopt,
                                std::nullopt, journal_->profondeur, {}, {}});
    try {
        ObjetPtr o = sansTrace(appel());
        // The journal keeps the server's own object (a traced one would hold
        // the journal); the object shows as the chain its calls start from.
        journal_->appel(rang).resultat = Variant(o);
        if (!o) return o;
        Chemin racine = Chemin::deClasse(classe);
        journal_->appel(rang).cheminResultat = racine.texte();
        return trace(std::move(o), journal_, std::move(racine));
    } catch (const Erreur& e) {
        journal_->appel(rang).erreur = e;
        throw;
    }
}

ObjetPtr ServeurTrace::GetObject(std::u16string_view classe) {
    return enregistre(u"GetObject", classe, [&] { return serveur_.GetObject(classe); });
}

ObjetPtr ServeurTrace::CreateObject(std::u16string_view classe) {
    return enregistre(u"CreateObject", classe, [&] { return serveur_.CreateObject(classe); });
}

ObjetPtr sansTrace(const ObjetPtr& o) {
    if (auto t = std::dynamic_pointer_cast<ObjetTrace>(o)) return t->interne();
    return o;
}

}  // namespace k58204::lecon
