#pragma once
// Helpers shared by the document engine's tests.
#include <string>

#include "sim/doc/ModeleDocument.hpp"
#include "word/Texte.hpp"

namespace k58204::sim::test {

// A document holding `texte` ("\r" separates paragraphs; the final mark is added).
inline ModeleDocument document(std::u16string_view texte) {
    ModeleDocument d;
    d.inserer(0, texte);
    return d;
}

inline Style style(std::u16string id, std::u16string nom, TypeStyle type = TypeStyle::Paragraphe,
                   std::u16string base = u"", std::u16string suivant = u"") {
    Style s;
    s.id = std::move(id);
    s.nom = std::move(nom);
    s.type = type;
    s.basePour = std::move(base);
    s.suivant = std::move(suivant);
    return s;
}

inline CaseACocher caseNommee(std::u16string nom, bool coche = false, int32_t demiPoints = 20, bool defaut = false) {
    CaseACocher c;
    c.nom = std::move(nom);
    c.coche = coche;
    c.demiPoints = demiPoints;
    c.parDefaut = defaut;
    return c;
}

// UTF-8 rendering of UTF-16 text for assertion messages.
inline std::string u8(std::u16string_view s) { return versUtf8(s); }

}  // namespace k58204::sim::test
