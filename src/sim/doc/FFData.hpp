#pragma once
// The binary FFData record of a check-box form field, as w:fldData carries it
// (base64), and the base64 coding it needs.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sim/doc/CaseACocher.hpp"

namespace k58204::sim {

// Standard base64 (RFC 4648, padding optional on input, whitespace ignored);
// nullopt when the input holds other characters or a bad length.
std::optional<std::string> decodeBase64(std::string_view texte);
std::string encodeBase64(std::string_view octets);

// Decodes a check box's FFData: name, size, default and state. nullopt when
// the record is truncated, not version 0xFFFFFFFF, or not a check box (iType 1).
// Checked = iRes 1, or iRes 25 ("undefined") with the default checked.
std::optional<CaseACocher> lireFFData(std::string_view octets);
// Encodes with iRes 0 or 1 explicitly.
std::string ecrireFFData(const CaseACocher& c);

}  // namespace k58204::sim
