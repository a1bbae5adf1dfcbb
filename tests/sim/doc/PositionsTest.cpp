// Positions, characters and paragraphs of the document model.
#include <gtest/gtest.h>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/Outils.hpp"

namespace k58204::sim {
namespace {

using test::document;

TEST(Positions, NouveauDocumentEstUneMarqueFinale) {
    ModeleDocument d;
    EXPECT_EQ(d.texte(), u"\r");
    EXPECT_EQ(d.contenu(), (Etendue{0, 1}));
    EXPECT_EQ(d.nombreParagraphes(), 1);
    EXPECT_EQ(d.nombreSections(), 1);
    d.verifierInvariants();
}

TEST(Positions, InsertionApresLaMarqueFinaleSeFaitAvant) {
    ModeleDocument d;
    EXPECT_EQ(d.inserer(1, u"abc"), 3);
    EXPECT_EQ(d.inserer(99, u"d"), 4);
    EXPECT_EQ(d.texte(), u"abcd\r");
    d.verifierInvariants();
}

TEST(Positions, LaMarqueFinaleNeSeSupprimeJamais) {
    ModeleDocument d = document(u"Un\rDeux");
    d.supprimer(0, d.longueur());
    EXPECT_EQ(d.texte(), u"\r");
    EXPECT_EQ(d.nombreParagraphes(), 1);
    d.verifierInvariants();
}

TEST(Positions, TexteDUneEtendueBorneeEtOrdonnee) {
    ModeleDocument d = document(u"abc");
    EXPECT_EQ(d.texte(2, 0), u"ab");
    EXPECT_EQ(d.texte(-5, 99), u"abc\r");
}

// "Un deux\r" [0,8)  "Trois\r" [8,14)  "Quatre\r" [14,21)
struct CasParagraphes {
    const char* nom;
    int32_t debut, fin;
    int32_t premier, dernier;
};

class ParagraphesDe : public ::testing::TestWithParam<CasParagraphes> {};

TEST_P(ParagraphesDe, CommeWord) {
    const auto& c = GetParam();
    ModeleDocument d = document(u"Un deux\rTrois\rQuatre");
    auto [p, q] = d.paragraphesDe(c.debut, c.fin);
    EXPECT_EQ(p, c.premier);
    EXPECT_EQ(q, c.dernier);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ParagraphesDe,
    ::testing::Values(CasParagraphes{"DansUnParagraphe", 2, 5, 0, 0}, CasParagraphes{"SurDeux", 5, 10, 0, 1},
                      CasParagraphes{"FinitSurLaMarque", 0, 8, 0, 0}, CasParagraphes{"FinitAvantLaMarque", 0, 7, 0, 0},
                      CasParagraphes{"CouvreLaMarque", 7, 9, 0, 1}, CasParagraphes{"Replie", 3, 3, 0, 0},
                      CasParagraphes{"ReplieEnDebutDeParagraphe", 8, 8, 1, 1}, CasParagraphes{"Tout", 0, 21, 0, 2},
                      CasParagraphes{"ReplieApresLaFin", 21, 21, 2, 2}, CasParagraphes{"Inverse", 10, 5, 0, 1}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Paragraphes, EtenduesEtIndex) {
    ModeleDocument d = document(u"Un deux\rTrois\rQuatre");
    ASSERT_EQ(d.nombreParagraphes(), 3);
    EXPECT_EQ(d.paragraphe(1), (Etendue{8, 14}));
    EXPECT_EQ(d.paragrapheA(13), 1);
    EXPECT_EQ(d.paragrapheA(14), 2);
    EXPECT_EQ(d.texte(d.paragraphe(2).debut, d.paragraphe(2).fin), u"Quatre\r");
}

TEST(Paragraphes, UneCoupureGardeLaMiseEnFormeDesDeuxCotes) {
    ModeleDocument d = document(u"Un deux\rTrois");
    FormatParagraphe centre;
    centre.alignement = 1;
    d.appliquerParagraphes(0, 0, centre);
    d.insererParagraphe(2);
    ASSERT_EQ(d.nombreParagraphes(), 3);
    EXPECT_EQ(d.formatParagraphe(0).alignement, 1);
    EXPECT_EQ(d.formatParagraphe(1).alignement, 1);
    EXPECT_EQ(d.formatParagraphe(2).alignement, 0);
    EXPECT_EQ(d.texte(0, 3), u"Un\r");
    d.verifierInvariants();
}

TEST(Paragraphes, JoindreGardeLaMiseEnFormeDeLaMarqueRestante) {
    ModeleDocument d = document(u"Un\rDeux");
    FormatParagraphe f;
    f.alignement = 1;
    d.appliquerParagraphes(0, 0, f);
    f.alignement = 2;
    d.appliquerParagraphes(3, 3, f);
    d.supprimer(2, 3);
    ASSERT_EQ(d.nombreParagraphes(), 1);
    EXPECT_EQ(d.texte(), u"UnDeux\r");
    EXPECT_EQ(d.formatParagraphe(0).alignement, 2);
    d.verifierInvariants();
}

TEST(Paragraphes, TexteAvecMarquesCreeDesParagraphes) {
    ModeleDocument d = document(u"a");
    d.inserer(1, u"\rb\rc");
    EXPECT_EQ(d.texte(), u"a\rb\rc\r");
    EXPECT_EQ(d.nombreParagraphes(), 3);
    d.verifierInvariants();
}

}  // namespace
}  // namespace k58204::sim
