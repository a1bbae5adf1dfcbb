#include "word/ObjetTrace.hpp"

#include "word/Texte.hpp"

namespace k58204 {

// ---------------------------------------------------------------- chains

namespace {
constexpr std::u16string_view Elision = u"…";

// s cut to at most `max` units, the last of them "…" when anything was cut.
std::u16string borne(std::u16string s, size_t max) {
    if (s.size() <= max) return s;
    size_t n = max - Elision.size();
    // A high surrogate left alone at the end would be half a character.
    if (n > 0 && s[n - 1] >= 0xD800 && s[n - 1] <= 0xDBFF) --n;
    s.resize(n);
    s += Elision;
    return s;
}

// "membre(a, nom:=b)": parentheses for a call, or when there are arguments.
std::u16string appelRendu(std::u16string_view membre, Appel appel, const std::vector<std::u16string>& arguments) {
    std::u16string s(membre);
    if (!arguments.empty() || appel == Appel::Call) {
        s += u"(";
        for (size_t i = 0; i < arguments.size(); ++i) {
            if (i) s += u", ";
            s += arguments[i];
        }
        s += u")";
    }
    return s;
}

// An argument as the trace shows it: an object by its chain when it has one.
std::u16string argumentRendu(const Argument& a, std::u16string_view chemin) {
    std::u16string s;
    if (!a.nom.empty()) s += a.nom + u":=";
    s += a.valeur.type() == Variant::Type::Object && *a.valeur.si<ObjetPtr>() && !chemin.empty()
             ? std::u16string(chemin)
             : representation(a.valeur);
    return s;
}
}  // namespace

Chemin::Chemin(std::u16string_view racine) {
    if (!racine.empty()) maillons_.push_back(borne(std::u16string(racine), LongueurMaillonMax));
}

Chemin Chemin::deClasse(std::u16string_view classe) {
    auto chiffres = [](std::u16string_view t) {
        return !t.empty() && t.find_first_not_of(u"0123456789") == std::u16string_view::npos;
    };
    size_t point = classe.rfind(u'.');
    if (point != std::u16string_view::npos && chiffres(classe.substr(point + 1))) classe = classe.substr(0, point);
    point = classe.rfind(u'.');
    std::u16string nom(point == std::u16string_view::npos ? classe : classe.substr(point + 1));
    if (!nom.empty() && nom[0] >= u'a' && nom[0] <= u'z') nom[0] = static_cast<char16_t>(nom[0] - u'a' + u'A');
    return Chemin(nom);
}

Chemin Chemin::suivi(std::u16string_view membre, Appel appel, const std::vector<std::u16string>& arguments) const {
    Chemin c = *this;
    std::u16string maillon = borne(appelRendu(membre, appel, arguments), LongueurMaillonMax);
    // A member after another link is reached through a dot; a default member
    // (no name) only adds its arguments.
    if (!c.maillons_.empty() && !membre.empty()) maillon.insert(0, u".");
    c.maillons_.push_back(std::move(maillon));
    if (c.maillons_.size() > MaillonsMax) {
        c.maillons_.erase(c.maillons_.begin() + 1);
        c.coupe_ = true;
    }
    return c;
}

std::u16string Chemin::texte() const {
    std::u16string s;
    for (size_t i = 0; i < maillons_.size(); ++i) {
        if (i == 1 && coupe_) {
            s += u".";
            s += Elision;
        }
        s += maillons_[i];
    }
    return s;
}

// ---------------------------------------------------------------- tracing

ObjetTrace::ObjetTrace(ObjetPtr interne, std::shared_ptr<Journal> journal, Chemin chemin)
    : interne_(std::move(interne)), journal_(std::move(journal)), chemin_(std::move(chemin)) {}

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

std::u16string cheminDe(const Variant& v) {
    if (auto o = v.si<ObjetPtr>()) {
        if (auto t = std::dynamic_pointer_cast<ObjetTrace>(*o)) return t->chemin().texte();
    }
    return {};
}

Variant ObjetTrace::invoke(std::u16string_view membre, Appel appel, const Arguments& args) {
    // The journal records the wrapped objects' own values, never the traced
    // wrappers: a wrapper holds the journal, so recording one would make a
    // cycle. What the trace shows of an object is its chain, kept as text.
    Arguments interne = sansTrace(args);
    std::vector<std::u16string> chemins;
    chemins.reserve(args.size());
    for (const Argument& a : args) chemins.push_back(cheminDe(a.valeur));
    AppelTrace a{std::u16string(membre), appel, interne, std::nullopt, std::nullopt, journal_->profondeur,
                 chemins, {}};
    size_t rang = journal_->nombre();
    journal_->ajoute(std::move(a));
    ++journal_->profondeur;
    const auto debut = std::chrono::steady_clock::now();
    auto duree = [&] {
        return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - debut);
    };
    try {
        Variant r = interne_->invoke(membre, appel, interne);
        --journal_->profondeur;
        journal_->appel(rang).duree = duree();
        journal_->appel(rang).resultat = r;
        if (auto o = r.si<ObjetPtr>(); o && *o) {
            std::vector<std::u16string> rendus;
            size_t n = appel == Appel::Put && !args.empty() ? args.size() - 1 : args.size();
            for (size_t i = 0; i < n; ++i) rendus.push_back(argumentRendu(args[i], chemins[i]));
            Chemin c = chemin_.suivi(membre, appel, rendus);
            journal_->appel(rang).cheminResultat = c.texte();
            r = Variant(trace(*o, journal_, std::move(c)));
        }
        return r;
    } catch (const Erreur& e) {
        --journal_->profondeur;
        journal_->appel(rang).duree = duree();
        journal_->appel(rang).erreur = e;
        throw;
    }
}

ObjetPtr sansTrace(const ObjetPtr& o) {
    if (auto t = std::dynamic_pointer_cast<ObjetTrace>(o)) return t->interne();
    return o;
}

ObjetPtr trace(ObjetPtr o, std::shared_ptr<Journal> journal, Chemin chemin) {
    if (!o) return o;
    if (auto t = std::dynamic_pointer_cast<ObjetTrace>(o)) o = t->interne();
    return std::make_shared<ObjetTrace>(std::move(o), std::move(journal), std::move(chemin));
}

std::u16string Journal::ligne(const AppelTrace& a) {
    std::u16string s(static_cast<size_t>(a.profondeur) * 2, u' ');
    auto chemin = [&](size_t i) -> std::u16string_view {
        return i < a.cheminsArguments.size() ? std::u16string_view(a.cheminsArguments[i]) : std::u16string_view();
    };
    size_t n = a.arguments.size();
    std::optional<std::u16string> valeur;
    if (a.appel == Appel::Put && n > 0) {
        --n;
        Argument v = a.arguments[n];
        v.nom.clear();
        valeur = argumentRendu(v, chemin(n));
    }
    std::vector<std::u16string> rendus;
    for (size_t i = 0; i < n; ++i) rendus.push_back(argumentRendu(a.arguments[i], chemin(i)));
    s += appelRendu(a.membre.empty() ? u"(défaut)" : std::u16string_view(a.membre), a.appel, rendus);
    if (valeur) s += u" = " + *valeur;
    if (a.erreur) {
        s += u" !! erreur " + depuisUtf8(std::to_string(a.erreur->numero())) + u" : " + a.erreur->description();
    } else if (a.resultat && a.appel != Appel::Put && !a.resultat->estVide()) {
        Argument r = *a.resultat;
        s += u" -> " + argumentRendu(r, a.cheminResultat);
    }
    return s;
}

}  // namespace k58204
