#pragma once
// The enumerated values of WordprocessingML 2003 and the numbers Word's
// object model gives them, in one place for the reader and the writer.
#include <cstdint>
#include <optional>
#include <string_view>

namespace k58204::sim::wordml {

// w:highlight names <-> WdColorIndex.
std::optional<int32_t> surlignageDeNom(std::string_view nom);
std::string_view nomDeSurlignage(int32_t index);  // "none" for 0 or unknown

// w:pBdr side values <-> WdLineStyle.
std::optional<int32_t> traitDeNom(std::string_view nom);  // nil/none -> 0; unknown names -> single
std::string_view nomDeTrait(int32_t style);

// w:jc <-> WdParagraphAlignment (left 0, center 1, right 2, both 3, distribute 4).
std::optional<int32_t> alignementDeNom(std::string_view nom);
std::string_view nomDAlignement(int32_t a);

// w:view <-> WdViewType.
std::optional<int32_t> vueDeNom(std::string_view nom);

// w:documentProtection w:edit <-> WdProtectionType.
std::optional<int32_t> protectionDeNom(std::string_view nom);
std::string_view nomDeProtection(int32_t p);  // "none" for -1

}  // namespace k58204::sim::wordml
