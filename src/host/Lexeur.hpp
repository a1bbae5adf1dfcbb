#pragma once
// Cuts one line of VBA (or of a lesson step) into tokens: identifiers,
// literals (strings with "" escapes, integers, decimals with a point),
// punctuation and the operators the lesson language knows (= := & -).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "word/Variant.hpp"

namespace k58204::lecon {

struct Jeton {
    enum class Genre {
        Identificateur,
        Nombre,        // valeur: Long, or Double for a decimal or an integer beyond 32 bits
        Chaine,        // valeur: the text without its quotes, "" read as "
        Point,
        ParenOuvrante,
        ParenFermante,
        Virgule,
        Affecte,       // :=
        Egal,
        Esperluette,
        Moins,
        Fin,
    };
    Genre genre = Genre::Fin;
    std::u16string texte;    // as written
    Variant valeur;          // literals only
    size_t colonne = 0;      // 1-based, in UTF-16 units
    bool espaceAvant = false;  // white space right before the token
};

// Raises ErreurSyntaxe for an unterminated string, a malformed number
// ("1.", "1.2.3", "12abc") or a character the language does not use. The
// last token is always Fin. Parentheses are checked for balance.
// decalage: where the text starts in its line, so that columns are the line's.
std::vector<Jeton> decoupe(std::u16string_view ligne, size_t decalage = 0);

// The token as the error messages quote it.
std::string cite(const Jeton& j);

}  // namespace k58204::lecon
