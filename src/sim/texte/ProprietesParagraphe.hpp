#pragma once
// The paragraph properties Paragraphs, Paragraph and ParagraphFormat share,
// over every paragraph the span touches: Alignment, LeftIndent, RightIndent,
// FirstLineIndent, SpaceBefore, SpaceAfter, LineSpacingRule, LineSpacing
// (get: the common value, 9999999 when the paragraphs differ; put: all of
// them), Borders and Shading.
#include <optional>

#include "sim/texte/ObjetTexte.hpp"

namespace k58204::sim {

std::optional<Variant> proprieteParagraphe(const DocumentPtr& doc, const SourceEtendue& source,
                                           std::u16string_view nom, Appel appel, const ArgumentsSim& args);

}  // namespace k58204::sim
