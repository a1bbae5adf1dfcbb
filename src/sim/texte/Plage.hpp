#pragma once
// What Range and Selection share: a span of the main story with its text,
// formatting, sub-collections and edits. Each subclass says where its span
// lives (its own, a bookmark's, the window's selection) and how a few members
// differ (Text, Paste).
#include <optional>

#include "sim/texte/ObjetTexte.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim {

class ObjetPlage : public ObjetTexte {
protected:
    using ObjetTexte::ObjetTexte;

    // The current span, inside the story.
    virtual Etendue etendue() const = 0;
    // Moves the span (already inside the story and ordered).
    virtual void definit(Etendue e) = 0;
    // The same after a move of the span's start alone (MoveStart, StartOf
    // extending): the Selection then keeps its start as the active end, as
    // Shift+Home leaves it.
    virtual void definitParLeDebut(Etendue e) { definit(e); }
    // The span as formatting objects read it, at each of their calls.
    virtual SourceEtendue source() = 0;

    // Members common to Range and Selection; nullopt for the others.
    std::optional<Variant> membreCommun(std::u16string_view nom, Appel appel, const ArgumentsSim& args);

    // Delete(Unit, Count) as Range and Selection do it; returns the units deleted.
    int32_t supprimeUnites(const ArgumentsSim& args);

    // The Selection also moves by line (wdLine); a Range does not.
    virtual bool estSelection() const { return false; }

private:
    std::optional<Variant> positions(std::u16string_view nom, Appel appel, const ArgumentsSim& args);
    std::optional<Variant> insertions(std::u16string_view nom, Appel appel, const ArgumentsSim& args);
    std::optional<Variant> miseEnForme(std::u16string_view nom, Appel appel, const ArgumentsSim& args);
    // Move, MoveStart, MoveEnd, StartOf, EndOf, Expand, MoveUntil and the like.
    std::optional<Variant> deplacements(std::u16string_view nom, Appel appel, const ArgumentsSim& args);
};

// The position one word before / after pos (starts of words), bounded by the story.
int32_t motPrecedent(const ModeleDocument& m, int32_t pos);
int32_t motSuivant(const ModeleDocument& m, int32_t pos);

}  // namespace k58204::sim
