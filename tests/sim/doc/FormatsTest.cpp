// Character and paragraph formatting: the paragraph mark and the insertion
// point, the style cascade, line spacing rules. (Mixed values are
// checked through the automation objects, in tests/sim/texte.)
#include <gtest/gtest.h>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/Outils.hpp"

namespace k58204::sim {
namespace {

using test::avec;
using test::document;

const FormatCaractere Gras = avec<FormatCaractere>([](auto& f) { f.gras = true; });

TEST(Caracteres, LaMarqueCompteEtLePointDInsertionPrendLeCaractereAvantSaufEnDebutDeParagraphe) {
    ModeleDocument d = document(u"ab\rcd");
    d.appliquerCaracteres(0, 2, Gras);
    EXPECT_EQ(d.formatCaracteres(0, 2).gras, true);
    EXPECT_EQ(d.formatCaracteres(0, 3).gras, std::nullopt);  // the mark is not bold
    EXPECT_EQ(d.formatCaracteres(2, 2).gras, true);   // after "ab"
    EXPECT_EQ(d.formatCaracteres(3, 3).gras, false);  // start of "cd": the 'c'
    EXPECT_EQ(d.formatCaracteres(0, 0).gras, true);   // start of the document: the 'a'
    const uint64_t v = d.version();
    d.appliquerCaracteres(3, 3, Gras);
    EXPECT_EQ(d.version(), v);  // a collapsed span changes nothing: Saved stays True
}

TEST(Styles, CascadeParagrapheCaractereDirect) {
    ModeleDocument d = document(u"Titre ici\rcorps");
    d.styles().ajouter(avec<Style>([](Style& s) {
        s.id = u"Titre1", s.nom = u"Titre 1", s.basePour = u"Normal";
        s.caracteres.gras = true, s.caracteres.police = u"Arial", s.caracteres.demiPoints = 32;
    }));
    d.styles().ajouter(avec<Style>([](Style& s) {
        s.id = s.nom = u"Accent", s.type = TypeStyle::Caractere;
        s.caracteres.gras = s.caracteres.italique = true;
    }));
    d.appliquerParagraphes(0, 0, avec<FormatParagraphe>([](auto& f) { f.alignement = 3; }));
    ASSERT_TRUE(d.appliquerStyle(0, 0, u"Titre 1"));
    EXPECT_EQ(d.formatParagraphe(0).style, u"Titre 1");
    EXPECT_EQ(d.formatParagraphe(0).alignement, 0);  // the style clears direct paragraph formatting
    EXPECT_EQ(d.formatCaracteres(0, 10).taille, 16.0f);

    // Direct un-bolding in the bold paragraph style shows not bold.
    d.appliquerCaracteres(0, 5, avec<FormatCaractere>([](auto& f) { f.gras = false; }));
    EXPECT_EQ(d.formatCaracteres(0, 5).gras, false);
    EXPECT_EQ(d.formatCaracteres(0, 10).gras, std::nullopt);

    // A bold character style toggles the paragraph style's bold.
    ASSERT_TRUE(d.appliquerStyle(6, 9, u"Accent"));
    CaractereMixte m = d.formatCaracteres(6, 9);
    EXPECT_EQ(m.gras, false);
    EXPECT_EQ(m.italique, true);
    EXPECT_EQ(m.police, u"Arial");
    EXPECT_FALSE(d.appliquerStyle(0, 1, u"Inconnu"));
}

TEST(Styles, UnCycleDeBasePourSeTermine) {
    // A cycle, as in a damaged file: each style's own values still apply.
    FeuilleStyles s;
    s.ajouter(avec<Style>([](Style& a) { a.id = a.nom = u"A", a.basePour = u"B", a.caracteres.italique = true; }));
    s.ajouter(avec<Style>([](Style& b) {
        b.id = b.nom = u"B", b.basePour = u"A", b.caracteres.gras = true, b.paragraphe.retraitGauche = 720;
    }));
    CaractereEffectif e = s.caractere(u"A", FormatCaractere{});
    EXPECT_TRUE(e.gras);
    EXPECT_TRUE(e.italique);
    EXPECT_EQ(s.paragraphe(avec<FormatParagraphe>([](auto& f) { f.style = u"A"; })).retraitGauche, 36.0f);
}

}  // namespace
}  // namespace k58204::sim
