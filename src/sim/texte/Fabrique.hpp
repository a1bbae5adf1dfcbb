#pragma once
// Constructors of the text-side objects that only this folder makes (the
// public ones, creeRange, creeSelection..., are in DocumentOuvert.hpp).
#include <cstdint>
#include <string>

#include "sim/texte/ObjetTexte.hpp"

namespace k58204::sim {

// A Range on a bookmark: it follows the bookmark's span until the Range is
// itself moved or the bookmark disappears (then it keeps the last span).
ObjetPtr creeRangeSignet(const DocumentPtr& doc, std::u16string nom);

// Collections whose span is read from `source` at every call.
ObjetPtr creeParagraphsSur(const DocumentPtr& doc, SourceEtendue source);
ObjetPtr creeCharactersSur(const DocumentPtr& doc, SourceEtendue source);
ObjetPtr creeWordsSur(const DocumentPtr& doc, SourceEtendue source);

// Formatting of the span `source` gives.
ObjetPtr creeFont(const DocumentPtr& doc, SourceEtendue source);
ObjetPtr creeParagraphFormat(const DocumentPtr& doc, SourceEtendue source);
// Paragraph borders of the paragraphs the span touches (ParagraphFormat.Borders).
ObjetPtr creeBorders(const DocumentPtr& doc, SourceEtendue source);
// The text's own border (Font.Borders).
ObjetPtr creeBordersTexte(const DocumentPtr& doc, SourceEtendue source);
// Range.Borders, Selection.Borders: the text's own border for a span inside
// one paragraph short of its mark, else the paragraphs' borders.
ObjetPtr creeBordersPlage(const DocumentPtr& doc, SourceEtendue source);
ObjetPtr creeShading(const DocumentPtr& doc, SourceEtendue source);

ObjetPtr creeBookmark(const DocumentPtr& doc, std::u16string nom);

// A fixed span, or the whole story followed through edits when `e` is the
// whole story (Document.Paragraphs, Document.Characters...).
SourceEtendue sourceFixeOuDocument(const DocumentPtr& doc, Etendue e);

}  // namespace k58204::sim
