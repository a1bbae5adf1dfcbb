#pragma once
// The element nesting depth of XML text, measured before parsing: the XML
// parser recurses once per level, so a document nested deeply enough would
// overflow the stack. The scan reads the markup with the parser's own rules:
// comments, CDATA sections, processing instructions and the document type
// declaration nest nothing, and a `/>` or `<` inside an attribute value or
// one of those is just text. Linear, no allocation.
#include <string_view>

namespace k58204::sim {

enum class ProfondeurXml {
    Acceptable,    // no element nested deeper than the maximum
    TropProfonde,  // some element nested deeper
    MalFormee,     // markup the parser refuses, met before any too deep element
};

// Measures `xml` (the root is level 1) against `maximum`. The depth counted is
// never less than the depth the parser reaches on the same text.
ProfondeurXml mesureProfondeurXml(std::string_view xml, int maximum);

}  // namespace k58204::sim
