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
        {"2880.36", 2880},     // 2 inches
        {"566.9989", 567},     // 1 cm
        {"1416.9931", 1417},   // 2.5 cm
        {"11907.5525", 11906}, // A4 width
        {"16839.881", 16838},  // A4 height
        {"-566.9989", -567},
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

TEST(NombresWordML, UnDocumentDeLibreOfficeGardeSesMesures) {
    ModeleDocument d = lireWordML(
        "<w:wordDocument xmlns:w=\"http://schemas.microsoft.com/office/word/2003/wordml\"><w:body>"
        "<w:p><w:pPr><w:spacing w:before=\"239.79\" w:after=\"0\" w:line=\"276\" w:line-rule=\"auto\"/>"
        "<w:ind w:left=\"2835.5705\" w:right=\"2880.36\" w:hanging=\"566.9989\"/></w:pPr><w:r><w:t>a</w:t></w:r></w:p>"
        "<w:p><w:pPr><w:spacing w:line=\"239.79\" w:line-rule=\"exact\"/></w:pPr></w:p>"
        "<w:sectPr><w:pgSz w:w=\"11907.5525\" w:h=\"16839.881\"/>"
        "<w:pgMar w:top=\"2835.5705\" w:bottom=\"1416.9931\" w:left=\"1133.9978\" w:right=\"849.9943\" w:gutter=\"0\"/>"
        "</w:sectPr></w:body></w:wordDocument>");
    // Points, as the automation layer reports them: 12 pt, 5 cm, 2 in, 1 cm hanging.
    const ParagrapheEffectif p = d.formatParagraphe(0);
    EXPECT_EQ(std::tuple(p.espaceAvant, p.retraitGauche, p.retraitDroit, p.retraitPremiereLigne),
              std::tuple(12.0f, 141.75f, 144.0f, -28.35f));
    EXPECT_EQ(std::tuple(p.regleInterligne, p.interligne), std::tuple(5, 13.8f));  // 276/240 of a line
    const ParagrapheEffectif exacte = d.formatParagraphe(1);
    EXPECT_EQ(std::tuple(exacte.regleInterligne, exacte.interligne), std::tuple(4, 12.0f));
    const MiseEnPage& m = d.miseEnPage(0);
    EXPECT_EQ(std::tuple(m.largeur, m.hauteur, m.margeHaut, m.margeBas, m.margeGauche, m.margeDroite),
              std::tuple(11906, 16838, 2835, 1417, 1134, 850));
}

}  // namespace
}  // namespace k58204::sim
