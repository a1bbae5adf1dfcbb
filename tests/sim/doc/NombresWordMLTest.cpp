// Numbers in WordprocessingML attributes: whole numbers as Word writes them,
// lengths with decimals as LibreOffice writes them.
#include <gtest/gtest.h>

#include "sim/doc/NombresWordML.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::sim {
namespace {

TEST(NombresWordML, TwipsDeLibreOfficeLusCommeWordLesStocke) {
    // What LibreOffice 7.4 wrote for each length (checked by converting
    // documents with it), and the twips Word stores for the same length.
    const std::pair<const char*, int32_t> cas[] = {
        {"239.79", 240},       // 12 pt spacing: cutting would give 239
        {"2835.5705", 2835},   // 5 cm: the nearest twip of the text would be 2836
        {"2834.4183", 2834},   // 2834, one twip under 5 cm
        {"566.9989", 567},     // 1 cm
        {"11907.5525", 11906}, // A4 width
        {"16839.881", 16838},  // A4 height
        // Whole numbers are Word's own: read as written, whatever their size.
        {"2835", 2835}, {"-720", -720}, {"+12", 12},
        {"2835.", 2835}, {"240abc", 240},
        // Rounding to the nearest once the scale is undone: 100.0125 is 100 twips exactly.
        {"100.5", 100}, {"100.5126", 101}, {"0.4", 0}, {".6", 1}, {"-0.6", -1},
        {"999999999999", wordml::ValeurMax}, {"-99999999999.5", -wordml::ValeurMax},
    };
    for (auto [texte, attendu] : cas) EXPECT_EQ(wordml::twips(texte), attendu) << texte;
}

TEST(NombresWordML, EntiersArrondisAuPlusProche) {
    const std::pair<const char*, std::optional<int32_t>> cas[] = {
        {"24", 24},  {"24.4", 24}, {"24.5", 25}, {"-24.5", -25}, {"23.9999", 24}, {"7.", 7},
        {"", std::nullopt}, {"-", std::nullopt}, {".", std::nullopt}, {"abc", std::nullopt},
        {"inf", std::nullopt}, {"nan", std::nullopt}, {"1e3", 1}, {" 5", std::nullopt},
        {"200000000", wordml::ValeurMax},
    };
    for (auto [texte, attendu] : cas) EXPECT_EQ(wordml::entier(texte), attendu) << texte;
}

}  // namespace
}  // namespace k58204::sim
