#pragma once
// Recording fakes for the lesson language's tests: an Objet that writes every
// call it receives to a journal and answers property gets with a child
// object (or a value set for its path), and a file system that records ChDir.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/PlateformeVide.hpp"
#include "word/Erreur.hpp"
#include "word/Objet.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon::test {

// An argument as the journal shows it: named ones as Name:=value, Doubles
// with VBA's "#" suffix so that their type shows.
inline std::string argumentTexte(const Argument& a) {
    std::string s = a.nom.empty() ? "" : versUtf8(a.nom) + ":=";
    s += versUtf8(representation(a.valeur));
    if (a.valeur.type() == Variant::Type::Double) s += "#";
    return s;
}

struct MondeFaux {
    std::vector<std::string> journal;
    std::map<std::string, Variant> valeurs;  // "Application.Documents.Count" -> 0
};

class FauxObjet : public Objet {
public:
    FauxObjet(std::string chemin, std::shared_ptr<MondeFaux> monde) : chemin_(std::move(chemin)), monde_(std::move(monde)) {}

    Variant invoke(std::u16string_view membre, Appel appel, const Arguments& args) override {
        static const char* genres[] = {"Get", "Put", "Call"};
        std::string ligne = chemin_ + " " + genres[static_cast<int>(appel)] + " " + versUtf8(membre) + "(";
        for (size_t i = 0; i < args.size(); ++i) ligne += (i ? ", " : "") + argumentTexte(args[i]);
        monde_->journal.push_back(ligne + ")");
        std::string chemin = chemin_ + "." + versUtf8(membre);
        if (auto v = monde_->valeurs.find(chemin); v != monde_->valeurs.end()) return v->second;
        if (appel == Appel::Get) return Variant(ObjetPtr(std::make_shared<FauxObjet>(chemin, monde_)));
        return Variant();
    }

private:
    std::string chemin_;
    std::shared_ptr<MondeFaux> monde_;
};

// Records ChDir on drive C: only: another drive is a missing path, as on
// both machines.
class FauxFichiers : public k58204::test::FichiersAbsents {
public:
    std::vector<std::string> journal;

    void ChDir(std::u16string_view c) override {
        if (!c.empty() && c[0] != u'C') leveErreurExecution(err::CheminIntrouvable);
        journal.push_back("ChDir " + versUtf8(c));
    }
};

}  // namespace k58204::lecon::test
