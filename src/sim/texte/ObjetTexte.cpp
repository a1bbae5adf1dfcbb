#include "sim/texte/ObjetTexte.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim {

namespace {
std::shared_ptr<Garde> gardeDe(const DocumentPtr& doc) {
    return doc && doc->contexte ? doc->contexte->garde() : nullptr;
}
}  // namespace

ObjetTexte::ObjetTexte(DocumentPtr doc) : ObjetSim(gardeDe(doc)), doc_(std::move(doc)) {}

std::optional<Variant> ObjetTexte::membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) {
    if (!doc_->ouvert) leveErreurWord(wderr::ObjetSupprime);
    return membreTexte(nom, appel, args);
}

Variant ObjetTexte::objetDocument() const {
    if (!doc_->contexte) return Variant(ObjetPtr());
    return Variant(doc_->contexte->objetDocument(doc_));
}

Variant ObjetTexte::objetApplication() const {
    if (!doc_->contexte) return Variant(ObjetPtr());
    return Variant(doc_->contexte->application());
}

Variant booleenWord(std::optional<bool> v) {
    if (!v) return Variant(wdUndefined);
    return Variant(*v ? VbTrue : VbFalse);
}

Variant longOuIndefini(std::optional<int32_t> v) { return Variant(v ? *v : wdUndefined); }

Variant singleOuIndefini(std::optional<float> v) {
    return Variant(v ? *v : static_cast<float>(wdUndefined));
}

Variant texteOuVide(const std::optional<std::u16string>& v) { return Variant(v ? *v : std::u16string()); }

int32_t entierOptionnel(const ArgumentsSim& args, size_t position, std::u16string_view nom, int32_t defaut) {
    auto v = args.parametre(position, nom);
    if (!v || v->estVide()) return defaut;
    return v->CLng();
}

bool booleenPut(const Variant& v, std::optional<bool> actuel) {
    if (v.estNombre() && v.CLng() == word::wd::Toggle) return !(actuel && *actuel);
    return v.CBool();
}

Variant collectionOuElement(ObjetPtr collection, const ArgumentsSim& args) {
    if (args.vide()) return Variant(std::move(collection));
    return collection->invoke(u"Item", Appel::Get, args.bruts());
}

int32_t indexElement(const Variant& index, int32_t nombre) {
    const int32_t i = index.CLng();
    if (i < 1 || i > nombre) leveErreurWord(wderr::MembreInexistant);
    return i;
}

}  // namespace k58204::sim
