#include "com/client/ObjetDispatch.hpp"

#include <vector>

#include "com/client/Conversions.hpp"
#include "com/commun/Erreurs.hpp"
#include "word/Erreur.hpp"

namespace k58204::com {

ObjetDispatch::ObjetDispatch(Ptr<IDispatch> d, std::shared_ptr<CacheDispids> cache, TypeDispatch* declare)
    : d_(std::move(d)), cache_(std::move(cache)) {
    // QueryInterface for IUnknown is answered by a proxy itself: no round trip.
    inconnu_ = d_.interroge<IUnknown>(IID_IUnknown);
    if (!cache_) return;
    if (!declare) ++cache_->compteurs().nonDeclares;
    if (!cache_->actif()) return;
    if (TypeDispatch* vivant = cache_->typeVivant(inconnu_.get())) {
        type_ = vivant;
        confirme_ = true;
        cache_->inscritVivant(inconnu_.get(), vivant);
        inscrit_ = true;
    } else {
        type_ = declare;
    }
}

ObjetDispatch::~ObjetDispatch() {
    if (inscrit_) cache_->oublieVivant(inconnu_.get());
    inconnu_.reset();
    if (cache_) cache_->relache(d_.detache());
}

const Dispids& ObjetDispatch::dispids(std::u16string_view membre, Appel appel, const Arguments& args,
                                      const Declaration*& declaration) {
    if (!type_) {
        type_ = cache_->typePour(d_.get());
        confirme_ = true;
        if (type_ && inconnu_) {
            cache_->inscritVivant(inconnu_.get(), type_);
            inscrit_ = true;
        }
        if (!type_) type_ = &propres_;
    }
    std::vector<std::u16string_view> noms;
    for (const Argument& a : args)
        if (!a.nom.empty()) noms.push_back(a.nom);
    if (cache_->actif() && type_->info) {
        const size_t nombre = appel == Appel::Put && !args.empty() ? args.size() - 1 : args.size();
        declaration = &cache_->declaration(*type_, membre, noms, nombre, appel == Appel::Put);
        if (!declaration->ids.empty()) return declaration->ids;
    }
    // A name the type does not declare: asked of the object, and kept for its
    // type only when the object said it is of that type.
    TableDispids* table = confirme_ ? &type_->ids : &propres_.ids;
    CleMembre cle = cleMembre(membre, noms);
    if (cache_->actif())
        if (auto it = table->find(cle); it != table->end()) return it->second;

    NomsOle n(membre, noms);
    Dispids ids(n.nombre(), DISPID_UNKNOWN);
    ++cache_->compteurs().getIDsOfNames;
    const HRESULT hr = d_->GetIDsOfNames(IID_NULL, n.pointeurs.data(), n.nombre(), LOCALE_USER_DEFAULT, ids.data());
    if (FAILED(hr)) {
        // The member is known but one of the argument names is not.
        if (hr == DISP_E_UNKNOWNNAME && ids[0] != DISPID_UNKNOWN && ids.size() > 1)
            leveErreurExecution(err::ArgumentNommeIntrouvable);
        throw erreurHresult(hr);
    }
    return (*table)[std::move(cle)] = std::move(ids);
}

Variant ObjetDispatch::invoke(std::u16string_view membre, Appel appel, const Arguments& args) {
    // The default member needs no lookup.
    static const Dispids valeurParDefaut{DISPID_VALUE};
    bool nommes = false;
    for (const Argument& a : args) nommes = nommes || !a.nom.empty();
    const Declaration* declaration = nullptr;
    if (membre.empty() && !nommes && type_ && type_->info && cache_->actif()) {
        const size_t nombre = appel == Appel::Put && !args.empty() ? args.size() - 1 : args.size();
        declaration = &cache_->declaration(*type_, membre, {}, nombre, appel == Appel::Put);
    }
    const Dispids& ids = membre.empty() && !nommes ? valeurParDefaut : dispids(membre, appel, args, declaration);

    // rgvarg holds the named arguments first (in the order of their ids), then
    // the positional ones from the last to the first. A put's value is named
    // DISPID_PROPERTYPUT and comes first of all.
    const size_t n = args.size();
    std::vector<VariantCom> valeurs(n);
    std::vector<DISPID> idsNommes;
    std::vector<const Argument*> positionnels;
    size_t rang = 0;
    size_t rangNom = 1;
    if (appel == Appel::Put && n > 0) {
        versVariant(args.back().valeur, valeurs[rang++].get());
        idsNommes.push_back(DISPID_PROPERTYPUT);
    }
    const size_t fin = appel == Appel::Put && n > 0 ? n - 1 : n;
    for (size_t i = 0; i < fin; ++i) {
        if (args[i].nom.empty()) {
            positionnels.push_back(&args[i]);
            continue;
        }
        versVariant(args[i].valeur, valeurs[rang++].get());
        idsNommes.push_back(ids[rangNom++]);
    }
    for (auto it = positionnels.rbegin(); it != positionnels.rend(); ++it)
        versVariant((*it)->valeur, valeurs[rang++].get());

    std::vector<VARIANT> brut(n);
    for (size_t i = 0; i < n; ++i) brut[i] = *valeurs[i].get();  // shallow: valeurs keeps ownership
    DISPPARAMS parametres{brut.data(), idsNommes.data(), static_cast<UINT>(n), static_cast<UINT>(idsNommes.size())};
    WORD drapeaux = DISPATCH_METHOD;
    if (appel == Appel::Get) drapeaux = DISPATCH_PROPERTYGET | DISPATCH_METHOD;
    if (appel == Appel::Put) drapeaux = DISPATCH_PROPERTYPUT;

    VariantCom resultat;
    EXCEPINFO ei{};
    UINT argErreur = 0;
    ++cache_->compteurs().acces;
    ++cache_->compteurs().invoke;
    const HRESULT hr = d_->Invoke(ids[0], IID_NULL, LOCALE_USER_DEFAULT, drapeaux, &parametres,
                                  appel == Appel::Put ? nullptr : resultat.get(), &ei, &argErreur);
    if (FAILED(hr)) leveErreurDispatch(hr, ei);
    // An object returned takes the type the member declares, if any.
    return depuisVariant(*resultat.get(), cache_, declaration ? declaration->resultat : nullptr);
}

}  // namespace k58204::com
