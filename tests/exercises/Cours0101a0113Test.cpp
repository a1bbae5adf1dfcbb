// The course documents of exercises 101 to 113 carry the marks their checks
// and the working-document check rely on.
#include <gtest/gtest.h>

#include "exercises/support/Cours.hpp"
#include "sim/doc/WordML.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {
namespace {

// The source document of exercise n, checked for consistency.
ModeleDocument charge(int32_t n) {
    ModeleDocument d = lireWordML(test::litCours(test::nomCours(n)));
    d.verifierInvariants();
    return d;
}

Etendue etendue(const ModeleDocument& d, std::u16string_view nom) {
    auto s = d.signet(nom);
    EXPECT_TRUE(s) << versUtf8(nom);
    return s ? s->etendue : Etendue{};
}

std::u16string texte(const ModeleDocument& d, std::u16string_view nom) {
    Etendue e = etendue(d, nom);
    return d.texte(e.debut, e.fin);
}

// Every travel document: the title, several paragraphs, and "e01" around a
// non-empty passage.
class DocumentVoyage : public ::testing::TestWithParam<int32_t> {};

TEST_P(DocumentVoyage, PorteLeTexteEtLeSignetE01) {
    ModeleDocument d = charge(GetParam());
    EXPECT_EQ(d.texte().rfind(u"Voyage à CANGO\r", 0), 0u);
    EXPECT_GE(d.nombreParagraphes(), 4);
    EXPECT_EQ(d.proprietes().protection, -1);
    EXPECT_GT(etendue(d, u"e01").longueur(), 10);
}

INSTANTIATE_TEST_SUITE_P(Cours, DocumentVoyage, ::testing::Range(103, 114));

TEST(Cours0101a0113, Document06FinitParUnParagrapheVide) {
    ModeleDocument d = charge(106);
    EXPECT_EQ(d.paragraphe(d.nombreParagraphes() - 1).longueur(), 1);
    EXPECT_GT(d.paragraphe(d.nombreParagraphes() - 2).longueur(), 1);
}

TEST(Cours0101a0113, Document07PhrasesPuisS02DansLeMemeParagraphe) {
    ModeleDocument d = charge(107);
    Etendue s01 = etendue(d, u"s01"), s02 = etendue(d, u"s02");
    EXPECT_GE(d.nombreMots(s01.debut, s01.fin), 96);
    EXPECT_EQ(d.paragrapheA(s01.debut), d.paragrapheA(s02.fin - 1));
    EXPECT_EQ(d.texte(s01.fin, s02.debut), u" ");
    // Every sentence of the passage ends with ". " and the last with ".".
    std::u16string t = texte(d, u"s01");
    EXPECT_EQ(t.back(), u'.');
    for (size_t p = t.find(u'.'); p + 1 < t.size(); p = t.find(u'.', p + 1)) EXPECT_EQ(t[p + 1], u' ') << p;
    EXPECT_GE(s02.longueur(), 2);
}

// The three pieces the check of 108 compares once the two passages are gone
// (deleting them is the passing row of Question0108's test).
TEST(Cours0101a0113, Document08TroisPiecesEtDeuxPassages) {
    ModeleDocument d = charge(108);
    EXPECT_EQ(texte(d, u"s04"), u"Il l'avait finalement trouvé. Les rapaces");
    EXPECT_EQ(texte(d, u"s05"), u"ne l'auraient pas et il allait");
    EXPECT_EQ(texte(d, u"s06"), u"pouvoir prêter le serment des barbares !");
    EXPECT_LT(etendue(d, u"s02").fin, etendue(d, u"s03").debut);
}

}  // namespace
}  // namespace k58204::sim
