// Words as Word counts them.
#include <gtest/gtest.h>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/Mots.hpp"
#include "sim/doc/Outils.hpp"

namespace k58204::sim {
namespace {

struct CasMots {
    const char* nom;
    std::u16string texte;  // the final mark is added
    int32_t debut, fin;
    int32_t mots;
};

class NombreMots : public ::testing::TestWithParam<CasMots> {};

TEST_P(NombreMots, CommeWord) {
    const auto& c = GetParam();
    ModeleDocument d = test::document(c.texte);
    EXPECT_EQ(d.nombreMots(c.debut, c.fin), c.mots) << test::u8(d.texte(c.debut, c.fin));
}

INSTANTIATE_TEST_SUITE_P(
    Cas, NombreMots,
    ::testing::Values(
        // Bonjour · ", " · le · monde · . · ¶
        CasMots{"PonctuationEtMarque", u"Bonjour, le monde.", 0, 19, 6},
        CasMots{"ApostropheDroite", u"l'avait trouv\u00e9", 0, 15, 3},
        CasMots{"ApostropheTypographique", u"l\u2019avait", 0, 8, 2},
        CasMots{"ApostropheEnFinDeMot", u"les parents' maison", 0, 19, 4},
        CasMots{"EspacesFinauxAuMotPrecedent", u"un   deux", 0, 9, 2},
        CasMots{"EspacesEnDebutDeParagraphe", u"  deux", 0, 6, 2},
        CasMots{"DeuxPonctuations", u"Quoi ?!", 0, 7, 3},
        CasMots{"ChaqueMarqueEstUnMot", u"a\rb", 0, 4, 4},
        CasMots{"MotsPartiellementCouverts", u"Bonjour le monde", 3, 10, 2},
        CasMots{"FinitAuDebutDUnMot", u"Bonjour le monde", 0, 8, 1},
        CasMots{"Replie", u"Bonjour le monde", 4, 4, 1},
        CasMots{"TabulationSeule", u"a\tb", 0, 3, 3},
        CasMots{"ChiffresEtLettres", u"extrait n10 2024", 0, 16, 3},
        CasMots{"DansLeDeuxiemeParagraphe", u"Un deux\rtrois quatre", 8, 20, 2}),
    [](const auto& info) { return std::string(info.param.nom); });

struct CasMotA {
    int32_t pos;
    Etendue mot;
};

class MotA : public ::testing::TestWithParam<CasMotA> {};

TEST_P(MotA, LimitesDuMot) {
    // "Bonjour, l'ami.\r": Bonjour [0,7) ", " [7,9) "l'ami" [9,14) "." [14,15) "\r" [15,16)
    ModeleDocument d = test::document(u"Bonjour, l'ami.");
    EXPECT_EQ(d.motA(GetParam().pos), GetParam().mot);
}

INSTANTIATE_TEST_SUITE_P(Cas, MotA,
                         ::testing::Values(CasMotA{0, {0, 7}}, CasMotA{6, {0, 7}}, CasMotA{7, {7, 9}},
                                           CasMotA{8, {7, 9}}, CasMotA{11, {9, 14}}, CasMotA{14, {14, 15}},
                                           CasMotA{15, {15, 16}}, CasMotA{99, {15, 16}}));

TEST(Mots, LettresAccentueesEtAutresEcritures) {
    EXPECT_TRUE(estLettreOuChiffre(u'\u00e9'));
    EXPECT_TRUE(estLettreOuChiffre(u'\u0416'));  // Cyrillic
    EXPECT_FALSE(estLettreOuChiffre(u'\u00ab'));  // «
    EXPECT_FALSE(estLettreOuChiffre(u'\u2019'));
    EXPECT_FALSE(estLettreOuChiffre(u'\u00d7'));
}

}  // namespace
}  // namespace k58204::sim
