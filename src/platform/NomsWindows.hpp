#pragma once
// Names Windows gives a meaning of their own, whatever folder they are in.
#include <string_view>

namespace k58204::platform {

// CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9: Windows opens the device for
// these names, whatever extension follows, with trailing spaces, in any case
// ("nul.doc", "Com1", "aux ").
constexpr bool estNomDePeripherique(std::u16string_view nom) noexcept {
    std::u16string_view base = nom.substr(0, nom.find(u'.'));
    while (!base.empty() && base.back() == u' ') base.remove_suffix(1);
    auto minuscule = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    auto est = [&](std::u16string_view mot) {
        if (base.size() < mot.size()) return false;
        for (size_t i = 0; i < mot.size(); ++i)
            if (minuscule(base[i]) != mot[i]) return false;
        return true;
    };
    if (base.size() == 3) return est(u"con") || est(u"prn") || est(u"aux") || est(u"nul");
    return base.size() == 4 && (est(u"com") || est(u"lpt")) && base[3] >= u'1' && base[3] <= u'9';
}

}  // namespace k58204::platform
