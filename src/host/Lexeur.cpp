#include "host/Lexeur.hpp"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "host/ErreurSyntaxe.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon {

namespace {

bool estChiffre(char16_t c) { return c >= u'0' && c <= u'9'; }

// Letters of identifiers: ASCII letters, the underscore and the Latin letters
// beyond ASCII (VBA accepts accented names); not the typographic signs.
bool estLettre(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_') return true;
    return c >= 0xC0 && c < 0x2000 && c != 0xD7 && c != 0xF7;
}

bool estEspace(char16_t c) { return c == u' ' || c == u'\t' || c == 0xA0; }

std::string colonneTexte(size_t colonne) { return " (colonne " + std::to_string(colonne) + ")"; }

[[noreturn]] void refuse(const std::string& message, size_t colonne) {
    throw ErreurSyntaxe(message + colonneTexte(colonne));
}

Jeton litNombre(std::u16string_view s, size_t& i, size_t decalage) {
    size_t debut = i;
    while (i < s.size() && estChiffre(s[i])) ++i;
    bool decimal = false;
    if (i < s.size() && s[i] == u'.') {
        decimal = true;
        ++i;
        size_t fraction = i;
        while (i < s.size() && estChiffre(s[i])) ++i;
        if (i == fraction) refuse("nombre mal écrit « " + versUtf8(s.substr(debut, i - debut)) + " »", decalage + debut + 1);
    }
    // A letter, digit or point glued to the number makes it unreadable (1.2.3, 12abc, 1E3).
    if (i < s.size() && (estLettre(s[i]) || s[i] == u'.')) {
        size_t fin = i;
        while (fin < s.size() && (estLettre(s[fin]) || estChiffre(s[fin]) || s[fin] == u'.')) ++fin;
        refuse("nombre mal écrit « " + versUtf8(s.substr(debut, fin - debut)) + " »", decalage + debut + 1);
    }
    Jeton j;
    j.genre = Jeton::Genre::Nombre;
    j.texte = std::u16string(s.substr(debut, i - debut));
    double d = std::strtod(versUtf8(j.texte).c_str(), nullptr);
    if (!std::isfinite(d)) refuse("nombre trop grand « " + versUtf8(j.texte) + " »", decalage + debut + 1);
    // VBA reads an integer literal that does not fit in a Long as a Double.
    if (!decimal && d <= std::numeric_limits<int32_t>::max())
        j.valeur = Variant(static_cast<int32_t>(d));
    else
        j.valeur = Variant(d);
    return j;
}

Jeton litChaine(std::u16string_view s, size_t& i, size_t decalage) {
    size_t debut = i;
    ++i;
    std::u16string texte;
    for (;;) {
        if (i >= s.size()) refuse("chaîne non terminée (il manque le guillemet fermant)", decalage + debut + 1);
        if (s[i] == u'"') {
            if (i + 1 < s.size() && s[i + 1] == u'"') {
                texte += u'"';
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        texte += s[i++];
    }
    Jeton j;
    j.genre = Jeton::Genre::Chaine;
    j.texte = std::u16string(s.substr(debut, i - debut));
    j.valeur = Variant(std::move(texte));
    return j;
}

void verifieParentheses(const std::vector<Jeton>& jetons) {
    std::vector<size_t> ouvertes;
    for (const Jeton& j : jetons) {
        if (j.genre == Jeton::Genre::ParenOuvrante) ouvertes.push_back(j.colonne);
        if (j.genre == Jeton::Genre::ParenFermante) {
            if (ouvertes.empty()) refuse("parenthèses déséquilibrées : « ) » sans « ( »", j.colonne);
            ouvertes.pop_back();
        }
    }
    if (!ouvertes.empty()) refuse("parenthèses déséquilibrées : « ( » jamais fermée", ouvertes.back());
}

}  // namespace

std::vector<Jeton> decoupe(std::u16string_view s, size_t decalage) {
    std::vector<Jeton> jetons;
    size_t i = 0;
    for (;;) {
        bool espace = false;
        while (i < s.size() && estEspace(s[i])) {
            ++i;
            espace = true;
        }
        size_t debut = i;
        Jeton j;
        if (i >= s.size()) {
            j.genre = Jeton::Genre::Fin;
        } else if (estChiffre(s[i])) {
            j = litNombre(s, i, decalage);
        } else if (s[i] == u'"') {
            j = litChaine(s, i, decalage);
        } else if (estLettre(s[i])) {
            while (i < s.size() && (estLettre(s[i]) || estChiffre(s[i]))) ++i;
            j.genre = Jeton::Genre::Identificateur;
            j.texte = std::u16string(s.substr(debut, i - debut));
        } else {
            char16_t c = s[i];
            if (c == u':' && i + 1 < s.size() && s[i + 1] == u'=') {
                j.genre = Jeton::Genre::Affecte;
                i += 2;
            } else {
                switch (c) {
                    case u'.': j.genre = Jeton::Genre::Point; break;
                    case u'(': j.genre = Jeton::Genre::ParenOuvrante; break;
                    case u')': j.genre = Jeton::Genre::ParenFermante; break;
                    case u',': j.genre = Jeton::Genre::Virgule; break;
                    case u'=': j.genre = Jeton::Genre::Egal; break;
                    case u'&': j.genre = Jeton::Genre::Esperluette; break;
                    case u'-': j.genre = Jeton::Genre::Moins; break;
                    default:
                        refuse("caractère inattendu « " + versUtf8(s.substr(i, 1)) + " »", decalage + i + 1);
                }
                ++i;
            }
            j.texte = std::u16string(s.substr(debut, i - debut));
        }
        j.colonne = decalage + debut + 1;
        j.espaceAvant = espace;
        bool fin = j.genre == Jeton::Genre::Fin;
        jetons.push_back(std::move(j));
        if (fin) break;
    }
    verifieParentheses(jetons);
    return jetons;
}

std::string cite(const Jeton& j) {
    if (j.genre == Jeton::Genre::Fin) return "la fin de la ligne";
    return "« " + versUtf8(j.texte) + " »" + colonneTexte(j.colonne);
}

}  // namespace k58204::lecon
