#include "support/ObjetScript.hpp"

#include "word/Texte.hpp"

namespace k58204::test {

namespace {

class ObjetScript : public Objet {
public:
    ObjetScript(std::weak_ptr<Script> script, std::u16string nom) : script_(std::move(script)), nom_(std::move(nom)) {}
    Variant invoke(std::u16string_view membre, Appel appel, const Arguments& args) override {
        return script_.lock()->recoit(nom_, membre, appel, args);
    }

private:
    std::weak_ptr<Script> script_;
    std::u16string nom_;
};

const char* nomAppel(Appel a) { return a == Appel::Get ? "get" : a == Appel::Put ? "put" : "call"; }

std::string decrit(const std::u16string& objet, std::u16string_view membre, Appel appel, const Arguments& args) {
    std::string s = versUtf8(objet) + "." + versUtf8(membre) + " " + nomAppel(appel) + "(";
    for (size_t i = 0; i < args.size(); ++i) {
        if (i) s += ", ";
        if (!args[i].nom.empty()) s += versUtf8(args[i].nom) + ":=";
        s += versUtf8(representation(args[i].valeur));
    }
    return s + ")";
}

bool memesArguments(const Arguments& a, const Arguments& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!memeNom(a[i].nom, b[i].nom)) return false;
        // Objects are compared by identity; other values by type and value.
        if (!(a[i].valeur == b[i].valeur)) return false;
    }
    return true;
}

}  // namespace

ObjetPtr Script::objet(const std::u16string& nom) {
    for (auto& [n, o] : objets_)
        if (n == nom) return o;
    auto o = std::make_shared<ObjetScript>(weak_from_this(), nom);
    objets_.emplace_back(nom, o);
    return o;
}

Variant Script::recoit(const std::u16string& objet, std::u16string_view membre, Appel appel, const Arguments& args) {
    std::string recu = decrit(objet, membre, appel, args);
    if (etapes_.empty()) {
        ecarts_.push_back("unexpected call " + recu);
        throw Erreur(-1, u"script", u"appel inattendu");
    }
    Etape e = etapes_.front();
    if (e.objet != objet || !memeNom(e.membre, membre) || e.appel != appel || !memesArguments(e.args, args)) {
        ecarts_.push_back("expected " + decrit(e.objet, e.membre, e.appel, e.args) + ", got " + recu);
        throw Erreur(-1, u"script", u"appel inattendu");
    }
    etapes_.pop_front();
    if (auto v = std::get_if<Variant>(&e.reponse)) return *v;
    if (auto err = std::get_if<Erreur>(&e.reponse)) throw *err;
    return Variant(this->objet(std::get<Enfant>(e.reponse).nom));
}

std::string Script::bilan() const {
    std::string s;
    for (const auto& ecart : ecarts_) s += ecart + "\n";
    for (const auto& e : etapes_) s += "not called: " + decrit(e.objet, e.membre, e.appel, e.args) + "\n";
    return s;
}

}  // namespace k58204::test
