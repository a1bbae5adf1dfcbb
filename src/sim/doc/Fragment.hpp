#pragma once
// A piece of a document lifted for copy or cut: its text, direct character
// formatting, the paragraph formatting of every paragraph mark it holds, and
// the bookmarks and check boxes wholly inside it. Positions are relative to
// the fragment's start.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "sim/doc/CaseACocher.hpp"
#include "sim/doc/Formats.hpp"
#include "sim/doc/Signet.hpp"

namespace k58204::sim {

struct Fragment {
    std::u16string texte;
    // Runs of direct character formatting: (start, format), starts ascending,
    // the first at 0; each run lasts until the next start (or the end).
    std::vector<std::pair<int32_t, FormatCaractere>> runs;
    // One per paragraph mark of texte, in order: that paragraph's direct formatting.
    std::vector<FormatParagraphe> paragraphes;
    std::vector<Signet> signets;
    std::vector<CaseACocher> cases;

    bool operator==(const Fragment&) const = default;
};

}  // namespace k58204::sim
