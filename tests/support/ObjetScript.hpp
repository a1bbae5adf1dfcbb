#pragma once
// A recording double of the automation seam: a script of the member calls the
// code under test must make, in order, each with its answer (a value, an
// error, or another scripted object). A call that departs from the script is
// recorded as a deviation and fails with an error.
#include <deque>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "word/Erreur.hpp"
#include "word/Objet.hpp"

namespace k58204::test {

struct Enfant {
    std::u16string nom;  // the scripted object answered
};

struct Etape {
    std::u16string objet;   // name of the scripted object called
    std::u16string membre;
    Appel appel;
    Arguments args;         // for a put, the value is the last one
    std::variant<Variant, Erreur, Enfant> reponse = Variant();
};

class Script : public std::enable_shared_from_this<Script> {
public:
    static std::shared_ptr<Script> cree() { return std::shared_ptr<Script>(new Script()); }

    Script& attend(Etape e) {
        etapes_.push_back(std::move(e));
        return *this;
    }
    // The scripted object of that name (the same one each time).
    ObjetPtr objet(const std::u16string& nom);

    bool termine() const { return etapes_.empty(); }
    // A readable list of what is left and what went wrong, for assertion messages.
    std::string bilan() const;

    Variant recoit(const std::u16string& objet, std::u16string_view membre, Appel appel, const Arguments& args);

private:
    Script() = default;
    std::deque<Etape> etapes_;
    std::vector<std::string> ecarts_;
    std::vector<std::pair<std::u16string, ObjetPtr>> objets_;
};

}  // namespace k58204::test
