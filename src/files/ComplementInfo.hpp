#pragma once
#include <cstdint>
#include <string>

#include "files/TableauIndexe.hpp"

namespace k58204 {

// Supplementary strings an exercise hands back to the host with its verdict.
class ComplementInfo {
public:
    // The second argument is part of the host's interface and is not used.
    void add(std::u16string texte, int32_t /*inutilise*/ = 0) { textes_.add(std::move(texte)); }
    int32_t count() const { return textes_.count(); }
    // A copy of entry noItem (1 to count; 0 gives ""); error 9 otherwise.
    std::u16string item(int32_t noItem) const { return textes_.item(noItem); }

private:
    TableauIndexe<std::u16string> textes_;
};

}  // namespace k58204
