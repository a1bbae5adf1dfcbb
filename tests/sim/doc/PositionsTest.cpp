// Positions, paragraphs, words and sentences of the document model. (The
// paragraphs a span touches, the word a position is in and the lines: through
// Range and Selection, in tests/sim/texte.)
#include <gtest/gtest.h>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/Mots.hpp"
#include "sim/doc/Outils.hpp"

namespace k58204::sim {
namespace {

using test::document;

TEST(Positions, LaMarqueFinaleResteEtLesPositionsSontBornees) {
    ModeleDocument d;
    EXPECT_EQ(d.contenu(), (Etendue{0, 1}));
    EXPECT_EQ(d.inserer(1, u"abc"), 3);  // after the final mark: before it
    EXPECT_EQ(d.inserer(99, u"d"), 4);
    EXPECT_EQ(d.texte(), u"abcd\r");
    EXPECT_EQ(d.texte(-5, 99), u"abcd\r");
    d.supprimer(0, d.longueur());
    EXPECT_EQ(d.texte(), u"\r");
    d.verifierInvariants();
}

TEST(Paragraphes, CoupureEtJonctionGardentLaMiseEnForme) {
    ModeleDocument d = document(u"Un deux\rTrois");
    FormatParagraphe f;
    f.alignement = 1;
    d.appliquerParagraphes(0, 0, f);
    d.insererParagraphe(2);  // both halves keep the split paragraph's format
    EXPECT_EQ(d.texte(), u"Un\r deux\rTrois\r");
    EXPECT_EQ(d.formatParagraphe(0).alignement, 1);
    EXPECT_EQ(d.formatParagraphe(1).alignement, 1);
    EXPECT_EQ(d.formatParagraphe(2).alignement, 0);
    f.alignement = 2;
    d.appliquerParagraphes(9, 9, f);
    d.supprimer(8, 9);  // the surviving mark, the second one, gives the format
    EXPECT_EQ(d.texte(), u"Un\r deuxTrois\r");
    EXPECT_EQ(d.formatParagraphe(1).alignement, 2);
    d.verifierInvariants();
}

TEST(Mots, CommeWordLesCompte) {
    struct { std::u16string texte; int32_t debut, fin, mots; } cas[] = {
        {u"Bonjour, le monde.", 0, 19, 6},  // Bonjour · ", " · le · monde · . · ¶
        {u"l'avait trouv\u00e9", 0, 15, 3},
        {u"les parents' maison", 0, 19, 4},
        {u"un   deux", 0, 9, 2},            // trailing spaces belong to the word before
        {u"a\rb", 0, 4, 4},                 // every mark is a word
        {u"\u0416\u00e9\u00d7\u00ab", 0, 5, 4},  // letters; ×, « are not
        {u"Bonjour le monde", 3, 10, 2},    // words partly covered count
        {u"Bonjour le monde", 0, 8, 1},     // ends where a word starts
    };
    for (const auto& c : cas) {
        ModeleDocument d = document(c.texte);
        EXPECT_EQ(d.nombreMots(c.debut, c.fin), c.mots) << test::u8(d.texte(c.debut, c.fin));
    }
}

TEST(Phrases, UneFinDePhraseEstSuivieDUnEspace) {
    struct { std::u16string texte; int32_t pos; Etendue phrase; } cas[] = {
        {u"Oui. Non ?", 5, {5, 11}},             // spaces to the sentence before, the mark to the last
        {u"Il p\u00e8se 3.5 kg. Fin", 3, {0, 16}},  // no space after the point: no end
        {u"\u00ab Oui. \u00bb Non.", 1, {0, 9}},   // closing quotes go with it
        {u"Quoi ?! Bon", 7, {0, 8}},
        {u"Fin.   ", 2, {0, 8}},                 // spaces before the mark: one sentence
        {u"a. b\rc", 5, {5, 7}},                 // never across a paragraph mark
    };
    for (const auto& c : cas) EXPECT_EQ(document(c.texte).phraseA(c.pos), c.phrase) << test::u8(c.texte);
}

}  // namespace
}  // namespace k58204::sim
