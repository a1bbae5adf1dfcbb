#include "word/ObjetTrace.hpp"

#include "word/Texte.hpp"

namespace k58204 {

ObjetTrace::ObjetTrace(ObjetPtr interne, std::shared_ptr<Journal> journal)
    : interne_(std::move(interne)), journal_(std::move(journal)) {}

namespace {
Arguments sansTrace(const Arguments& args) {
    // Objects passed back in are handed to the wrapped object unwrapped, as the
    // real server would receive its own objects.
    Arguments out;
    for (const Argument& a : args) {
        Argument b = a;
        if (auto o = a.valeur.si<ObjetPtr>()) {
            if (auto t = std::dynamic_pointer_cast<ObjetTrace>(*o)) b.valeur = Variant(t->interne());
        }
        out.push_back(std::move(b));
    }
    return out;
}
}  // namespace

Variant ObjetTrace::invoke(std::u16string_view membre, Appel appel, const Arguments& args) {
    // The journal records the wrapped objects' own values, never the traced
    // wrappers: a wrapper holds the journal, so recording one would make a cycle.
    Arguments interne = sansTrace(args);
    AppelTrace a{std::u16string(membre), appel, interne, std::nullopt, std::nullopt, journal_->profondeur};
    size_t rang = journal_->nombre();
    journal_->ajoute(a);
    ++journal_->profondeur;
    try {
        Variant r = interne_->invoke(membre, appel, interne);
        --journal_->profondeur;
        journal_->appel(rang).resultat = r;
        if (auto o = r.si<ObjetPtr>(); o && *o) r = Variant(trace(*o, journal_));
        return r;
    } catch (const Erreur& e) {
        --journal_->profondeur;
        journal_->appel(rang).erreur = e;
        throw;
    }
}

ObjetPtr trace(ObjetPtr o, std::shared_ptr<Journal> journal) {
    if (!o) return o;
    if (auto t = std::dynamic_pointer_cast<ObjetTrace>(o)) o = t->interne();
    return std::make_shared<ObjetTrace>(std::move(o), std::move(journal));
}

std::u16string Journal::ligne(const AppelTrace& a) {
    std::u16string s(static_cast<size_t>(a.profondeur) * 2, u' ');
    s += a.membre.empty() ? u"(défaut)" : a.membre;
    Arguments args = a.arguments;
    std::optional<Variant> valeur;
    if (a.appel == Appel::Put && !args.empty()) {
        valeur = args.back().valeur;
        args.pop_back();
    }
    if (!args.empty() || a.appel == Appel::Call) {
        s += u"(";
        for (size_t i = 0; i < args.size(); ++i) {
            if (i) s += u", ";
            if (!args[i].nom.empty()) s += args[i].nom + u":=";
            s += representation(args[i].valeur);
        }
        s += u")";
    }
    if (valeur) s += u" = " + representation(*valeur);
    if (a.erreur) {
        s += u" !! erreur " + depuisUtf8(std::to_string(a.erreur->numero())) + u" : " + a.erreur->description();
    } else if (a.resultat && a.appel != Appel::Put && !a.resultat->estVide()) {
        s += u" -> " + representation(*a.resultat);
    }
    return s;
}

}  // namespace k58204
