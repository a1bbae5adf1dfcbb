#pragma once
// The steps of a lesson script, as the reader types them. Host steps drive
// the module (InitQuestion, TestePoint, Fermer, Quitter) and check its
// verdict; learner steps are VBA statements on Word; desktop steps are what a
// learner does outside automation.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/Ast.hpp"

namespace k58204::lecon {

// Where a step was written.
struct Position {
    std::string fichier;
    int ligne = 0;
};
// "fichier:ligne".
std::string texte(const Position& p);

namespace etape {

// exercice N ["C:\Folder\"]: stage exercise N's source document, then InitQuestion.
struct Exercice {
    int32_t numero = 0;
    std::optional<std::u16string> dossier;  // the working folder when written
};
struct Teste {};    // TestePoint
struct Fermer {};   // Fermer
struct Quitter {};  // Quitter

// attendu Name=value …: the verdict read through the module's properties;
// what is left out is not checked.
struct Attendu {
    std::optional<bool> erreurGenerale;
    std::optional<std::u16string> causeErreur;
    std::optional<bool> bravoNuance;
    std::optional<std::vector<std::u16string>> complement;  // the whole list, in order
};

// attendu erreur [number] "fragment": the step before raised an error whose
// source holds the fragment (and whose number is the number, when given).
struct AttenduErreur {
    std::optional<int32_t> numero;
    std::u16string fragment;
};

// verifie EXPRESSION = VALUE: an expression read on Word (or Dir on the file
// system) compared with a constant value.
struct Verifie {
    ExpressionPtr expression;
    Variant attendu;
};

// A VBA statement on Word's Application.
struct Vba {
    Instruction instruction;
};

// ! dialogue "Title" | ! bulle | ! occupe [n] | ! ferme-word | ! cache-word | ! reduit-word
struct Bureau {
    enum class Action { Dialogue, Bulle, Occupe, FermeWord, CacheWord, ReduitWord };
    Action action = Action::Bulle;
    std::u16string titre;            // Dialogue: the dialog box's title
    std::optional<int32_t> appels;   // Occupe: calls rejected; none = until Escape
};

}  // namespace etape

using ContenuEtape = std::variant<etape::Exercice, etape::Teste, etape::Fermer, etape::Quitter, etape::Attendu,
                                  etape::AttenduErreur, etape::Verifie, etape::Vba, etape::Bureau>;

struct Etape {
    Position position;
    std::u16string ligne;  // the step as written, comment removed
    ContenuEtape contenu;
};

struct Script {
    std::string fichier;
    std::vector<Etape> etapes;
};

}  // namespace k58204::lecon
