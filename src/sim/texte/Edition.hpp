#pragma once
// The edits the text-side objects make, done in one place: each checks the
// document's protection, changes the model (which keeps bookmarks and check
// boxes in step) and keeps the window's selection in step, as Word moves its
// selection when text is inserted or deleted elsewhere.
//
// Protection: a document protected for comments (1), for form filling (2) or
// read-only (3) refuses every change of its text, formatting or page setup
// with 4605; form fields are check boxes here, whose text cannot be typed
// into, so only CheckBox.Value may still change. Protection for revisions (0)
// lets every edit through.
#include <cstdint>
#include <string_view>

#include "sim/core/DocumentOuvert.hpp"

namespace k58204::sim::edition {

// Raises 4605 when the document's protection forbids changing it.
void verifieModifiable(const DocumentOuvert& d);

// [debut, fin] clamped into the story and ordered.
Etendue borne(const DocumentOuvert& d, Etendue e);
// Where text can go: never after the final paragraph mark.
int32_t positionInsertion(const DocumentOuvert& d, int32_t pos);
// A span as the window's selection may hold it: an insertion point stands
// before the final mark, never after it.
Etendue selectionPossible(const DocumentOuvert& d, Etendue e);
// The end of a span whose text goes up to the final mark, when it is
// collapsed to its end: just before that mark.
int32_t finRepliee(const DocumentOuvert& d, int32_t fin);

// Each returns the span of the new text (collapsed at the edit's position
// when nothing was inserted).
Etendue inserer(DocumentOuvert& d, int32_t pos, std::u16string_view texte);
Etendue remplacer(DocumentOuvert& d, Etendue e, std::u16string_view texte, Remplacement mode);
// Deletes e (never the final mark); returns the number of characters deleted.
int32_t supprimer(DocumentOuvert& d, Etendue e);

// Cut and Copy raise 4605 on an empty span, Paste on an empty clipboard, as
// Word does ("... not available because the object is empty" / "... the
// Clipboard is empty or not valid"). Paste replaces e.
void couper(DocumentOuvert& d, Etendue e);
void copier(DocumentOuvert& d, Etendue e);
Etendue coller(DocumentOuvert& d, Etendue e);

// Formatting changes: the protection check; the model call is the caller's.
inline void avantMiseEnForme(const DocumentOuvert& d) { verifieModifiable(d); }

}  // namespace k58204::sim::edition
