#pragma once
// How Range and Selection move by Word's units, as pure functions of the
// document model and a span: each gives the new span and the value Word
// returns. Range and Selection call them (Plage.cpp); the keyboard's moves of
// the Selection (MoveLeft, MoveDown...) build on the same units.
//
// A unit is a span of the story: a character, a word (Mots.hpp), a sentence
// (Phrases.hpp), a paragraph with its mark, a line (ModeleDocument::ligneA),
// a section, the whole story. Its boundaries are the positions where a unit
// starts, and the story's end. Moving by one unit goes to the next (or
// previous) boundary, so a position in the middle of a unit reaches that
// unit's end (or start) in one unit, as Word counts it. Move of a span that
// is not collapsed collapses it to its end (Count > 0) or start (Count < 0),
// on to that unit's boundary: that is its first unit, as Word counts it too.
//
// Choices where Word's behaviour is not documented (kept consistent here):
// - A collapsed span never stands after the final paragraph mark: a move that
//   would leave it there leaves it before the mark (as Collapse does). A
//   span's end may take the final mark in (MoveEnd, EndOf and Expand with
//   the story's last unit); its start never passes before that mark.
// - Move, MoveStart and MoveEnd return the units moved with Count's sign
//   (negative backward); 0 when Count is 0 or nothing could move.
// - StartOf and EndOf return the characters the start (end) moved, negative
//   backward; when the start (end) is already at a unit's boundary nothing
//   changes, wdMove included. The unit EndOf looks at is the one holding the
//   span's last character (the one after a collapsed span).
// - Expand returns the characters the span gained.
// - MoveUntil and the like examine at most |Count| characters, from the end
//   forward or from the start backward (MoveStart*/MoveEnd* from their own
//   end). Until: forward, the span lands just before the character found
//   and Word returns the characters moved plus one; backward, just after it
//   and the characters moved minus one (negative). While: the span passes
//   the characters of the set and the count moved is returned. No character
//   found (an empty set finds none): nothing changes, 0. The set is case-sensitive.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "sim/doc/ModeleDocument.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim::deplacement {

enum class Unite { Caractere, Mot, Phrase, Paragraphe, Ligne, Section, Document };

// The unit of a WdUnits value. 4120 for those that need tables or layout
// (cells, rows, columns, tables, screens, windows) and for wdLine unless
// `ligneAdmise`: only the Selection moves by line.
Unite unite(int32_t wdUnits, bool ligneAdmise);

// The unit holding pos (clamped into [0, longueur - 1]).
Etendue uniteA(const ModeleDocument& m, Unite u, int32_t pos);
// The first boundary after p (the story's length at most), the last before p (0 at least).
int32_t limiteSuivante(const ModeleDocument& m, Unite u, int32_t p);
int32_t limitePrecedente(const ModeleDocument& m, Unite u, int32_t p);

// A Count as the moves take it: within wdBackward..wdForward, which reach
// any position of a story, so that no count overflows when negated.
inline int32_t nombreBorne(int32_t n) { return std::clamp(n, word::wd::Backward, word::wd::Forward); }

struct Resultat {
    Etendue etendue;
    int32_t rendu;
};

Resultat deplace(const ModeleDocument& m, Etendue e, Unite u, int32_t nombre);       // Move
Resultat deplaceDebut(const ModeleDocument& m, Etendue e, Unite u, int32_t nombre);  // MoveStart
Resultat deplaceFin(const ModeleDocument& m, Etendue e, Unite u, int32_t nombre);    // MoveEnd
Resultat debutDe(const ModeleDocument& m, Etendue e, Unite u, bool etendre);         // StartOf
Resultat finDe(const ModeleDocument& m, Etendue e, Unite u, bool etendre);           // EndOf
Resultat agrandit(const ModeleDocument& m, Etendue e, Unite u);                      // Expand

enum class Recherche { Jusqua, TantQue };      // ...Until, ...While
enum class Bout { DeuxBouts, Debut, Fin };     // Move..., MoveStart..., MoveEnd...
Resultat parCaracteres(const ModeleDocument& m, Etendue e, std::u16string_view jeu, int32_t nombre, Recherche r,
                       Bout b);

}  // namespace k58204::sim::deplacement
