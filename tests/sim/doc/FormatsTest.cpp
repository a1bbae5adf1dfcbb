// Character and paragraph formatting: mixed values, the style cascade,
// insertion formatting, borders and shading.
#include <gtest/gtest.h>

#include <functional>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/Outils.hpp"

namespace k58204::sim {
namespace {

using test::document;

// One character property: how to set it, and whether the mixed view holds it.
struct CasCaractere {
    const char* nom;
    std::function<void(FormatCaractere&)> definir;
    std::function<bool(const CaractereMixte&)> defini;  // uniform (not mixed)
};

class CaractereMixteTest : public ::testing::TestWithParam<CasCaractere> {};

TEST_P(CaractereMixteTest, MixteSurUnePartieUniformeSurLeReste) {
    const auto& c = GetParam();
    ModeleDocument d = document(u"abcdef");
    FormatCaractere f;
    c.definir(f);
    d.appliquerCaracteres(0, 3, f);
    d.verifierInvariants();
    EXPECT_TRUE(c.defini(d.formatCaracteres(0, 3)));
    EXPECT_TRUE(c.defini(d.formatCaracteres(3, 6)));
    EXPECT_FALSE(c.defini(d.formatCaracteres(2, 4)));
    EXPECT_FALSE(c.defini(d.formatCaracteres(0, 7)));
    // Every other property stays uniform.
    CaractereMixte m = d.formatCaracteres(2, 4);
    int uniformes = m.gras.has_value() + m.italique.has_value() + m.couleur.has_value() + m.police.has_value() +
                    m.taille.has_value() + m.surlignage.has_value() + m.styleCaractere.has_value();
    EXPECT_EQ(uniformes, 6);
}

INSTANTIATE_TEST_SUITE_P(
    Proprietes, CaractereMixteTest,
    ::testing::Values(
        CasCaractere{"Gras", [](auto& f) { f.gras = true; }, [](const auto& m) { return m.gras.has_value(); }},
        CasCaractere{"Italique", [](auto& f) { f.italique = true; },
                     [](const auto& m) { return m.italique.has_value(); }},
        CasCaractere{"Couleur", [](auto& f) { f.couleur = 16711680; },
                     [](const auto& m) { return m.couleur.has_value(); }},
        CasCaractere{"Police", [](auto& f) { f.police = u"Arial"; }, [](const auto& m) { return m.police.has_value(); }},
        CasCaractere{"Taille", [](auto& f) { f.demiPoints = 25; }, [](const auto& m) { return m.taille.has_value(); }},
        CasCaractere{"Surlignage", [](auto& f) { f.surlignage = 7; },
                     [](const auto& m) { return m.surlignage.has_value(); }}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Caracteres, ValeursEffectives) {
    ModeleDocument d = document(u"abc");
    FormatCaractere f;
    f.gras = true;
    f.couleur = 16711680;
    f.police = u"Arial";
    f.demiPoints = 25;
    f.surlignage = 7;
    d.appliquerCaracteres(0, 4, f);
    CaractereMixte m = d.formatCaracteres(0, 4);
    EXPECT_EQ(m.gras, true);
    EXPECT_EQ(m.italique, false);
    EXPECT_EQ(m.couleur, 16711680);
    EXPECT_EQ(m.police, u"Arial");
    EXPECT_EQ(m.taille, 12.5f);
    EXPECT_EQ(m.surlignage, 7);
    ModeleDocument neuf;
    EXPECT_EQ(neuf.formatCaracteres(0, 1).couleur, CouleurAuto);
    EXPECT_EQ(neuf.formatCaracteres(0, 1).police, u"Times New Roman");
    EXPECT_EQ(neuf.formatCaracteres(0, 1).taille, 12.0f);
}

TEST(Caracteres, LaMarqueDeParagrapheCompte) {
    ModeleDocument d = document(u"abc");
    FormatCaractere gras;
    gras.gras = true;
    d.appliquerCaracteres(0, 3, gras);
    EXPECT_EQ(d.formatCaracteres(0, 3).gras, true);
    EXPECT_EQ(d.formatCaracteres(0, 4).gras, std::nullopt);
    d.appliquerCaracteres(0, 4, gras);
    EXPECT_EQ(d.formatCaracteres(0, 4).gras, true);
}

TEST(Caracteres, PointDInsertionPrendLeCaractereAvantSaufEnDebutDeParagraphe) {
    ModeleDocument d = document(u"ab\rcd");
    FormatCaractere gras;
    gras.gras = true;
    d.appliquerCaracteres(0, 2, gras);
    EXPECT_EQ(d.formatCaracteres(2, 2).gras, true);   // after "ab"
    EXPECT_EQ(d.formatCaracteres(3, 3).gras, false);  // start of "cd": the 'c'
    EXPECT_EQ(d.formatCaracteres(0, 0).gras, true);   // start of the document: the 'a'
    d.appliquerCaracteres(3, 4, gras);
    EXPECT_EQ(d.formatCaracteres(3, 3).gras, true);
}

TEST(Caracteres, LeTexteInsereReprendLaMiseEnFormeVoisine) {
    ModeleDocument d = document(u"ab\rcd");
    FormatCaractere gras;
    gras.gras = true;
    d.appliquerCaracteres(0, 2, gras);
    d.inserer(2, u"X");  // after a bold character
    EXPECT_EQ(d.formatCaractere(2).gras, true);
    d.inserer(0, u"Y");  // start of paragraph: the character after it
    EXPECT_EQ(d.formatCaractere(0).gras, true);
    d.inserer(5, u"Z");  // start of "cd"
    EXPECT_EQ(d.formatCaractere(5).gras, false);
    EXPECT_EQ(d.remplacer(5, 7, u"ef", Remplacement::Texte), 7);
    EXPECT_EQ(d.formatCaractere(5).gras, false);
    d.verifierInvariants();
}

TEST(Caracteres, ReplieNeChangeRien) {
    ModeleDocument d = document(u"ab");
    FormatCaractere gras;
    gras.gras = true;
    uint64_t v = d.version();
    d.appliquerCaracteres(1, 1, gras);
    EXPECT_EQ(d.version(), v);
    EXPECT_EQ(d.formatCaracteres(0, 3).gras, false);
}

// ---------------------------------------------------------------- styles

TEST(Styles, CascadeParagrapheCaractereDirect) {
    ModeleDocument d = document(u"Titre ici\rcorps");
    Style titre;
    titre.id = u"Titre1";
    titre.nom = u"Titre 1";
    titre.basePour = u"Normal";
    titre.caracteres.gras = true;
    titre.caracteres.police = u"Arial";
    titre.caracteres.demiPoints = 32;
    d.styles().ajouter(titre);
    Style accent;
    accent.id = u"Accent";
    accent.nom = u"Accent";
    accent.type = TypeStyle::Caractere;
    accent.caracteres.gras = true;
    accent.caracteres.italique = true;
    d.styles().ajouter(accent);

    ASSERT_TRUE(d.appliquerStyle(0, 0, u"Titre 1"));
    EXPECT_EQ(d.formatParagraphe(0).style, u"Titre 1");
    EXPECT_EQ(d.formatCaracteres(0, 10).gras, true);
    EXPECT_EQ(d.formatCaracteres(0, 10).taille, 16.0f);
    EXPECT_EQ(d.formatCaracteres(10, 16).gras, false);

    // A direct un-bolding run in the bold paragraph style shows not bold.
    FormatCaractere pasGras;
    pasGras.gras = false;
    d.appliquerCaracteres(0, 5, pasGras);
    EXPECT_EQ(d.formatCaracteres(0, 5).gras, false);
    EXPECT_EQ(d.formatCaracteres(0, 10).gras, std::nullopt);

    // A bold character style toggles the paragraph style's bold.
    ASSERT_TRUE(d.appliquerStyle(6, 9, u"Accent"));
    CaractereMixte m = d.formatCaracteres(6, 9);
    EXPECT_EQ(m.gras, false);
    EXPECT_EQ(m.italique, true);
    EXPECT_EQ(m.styleCaractere, u"Accent");
    EXPECT_EQ(m.police, u"Arial");
    EXPECT_FALSE(d.appliquerStyle(0, 1, u"Inconnu"));
}

TEST(Styles, ChaineBasePourEtCycle) {
    FeuilleStyles s;
    Style a = test::style(u"A", u"A", TypeStyle::Paragraphe, u"B");
    a.caracteres.italique = true;
    Style b = test::style(u"B", u"B", TypeStyle::Paragraphe, u"A");  // a cycle in a damaged file
    b.caracteres.gras = true;
    b.paragraphe.retraitGauche = 720;
    s.ajouter(a);
    s.ajouter(b);
    CaractereEffectif e = s.caractere(u"A", FormatCaractere{});
    EXPECT_TRUE(e.gras);
    EXPECT_TRUE(e.italique);
    FormatParagraphe direct;
    direct.style = u"A";
    EXPECT_EQ(s.paragraphe(direct).retraitGauche, 36.0f);
}

TEST(Styles, AppliquerUnStyleDeParagrapheEffaceLaMiseEnFormeDirecte) {
    ModeleDocument d = document(u"abc");
    FormatParagraphe f;
    f.alignement = 3;
    d.appliquerParagraphes(0, 0, f);
    ASSERT_TRUE(d.appliquerStyle(0, 0, u"Normal"));
    EXPECT_EQ(d.formatParagraphe(0).alignement, 0);
}

// ---------------------------------------------------------------- paragraphs

struct CasParagraphe {
    const char* nom;
    std::function<void(FormatParagraphe&)> definir;
    std::function<bool(const ParagrapheMixte&)> defini;
};

class ParagrapheMixteTest : public ::testing::TestWithParam<CasParagraphe> {};

TEST_P(ParagrapheMixteTest, MixteQuandLesParagraphesDifferent) {
    const auto& c = GetParam();
    ModeleDocument d = document(u"un\rdeux\rtrois");
    FormatParagraphe f;
    c.definir(f);
    d.appliquerParagraphes(3, 4, f);  // "deux" only
    EXPECT_TRUE(c.defini(d.formatParagraphes(3, 8)));
    EXPECT_TRUE(c.defini(d.formatParagraphes(0, 3)));  // ends at the start of "deux"
    EXPECT_FALSE(c.defini(d.formatParagraphes(0, 4)));
    EXPECT_FALSE(c.defini(d.formatParagraphes(5, 9)));
}

INSTANTIATE_TEST_SUITE_P(
    Proprietes, ParagrapheMixteTest,
    ::testing::Values(
        CasParagraphe{"RetraitGauche", [](auto& f) { f.retraitGauche = 720; },
                      [](const auto& m) { return m.retraitGauche.has_value(); }},
        CasParagraphe{"RetraitPremiereLigne", [](auto& f) { f.retraitPremiereLigne = -360; },
                      [](const auto& m) { return m.retraitPremiereLigne.has_value(); }},
        CasParagraphe{"Alignement", [](auto& f) { f.alignement = 3; },
                      [](const auto& m) { return m.alignement.has_value(); }},
        CasParagraphe{"EspaceAvant", [](auto& f) { f.espaceAvant = 240; },
                      [](const auto& m) { return m.espaceAvant.has_value(); }},
        CasParagraphe{"EspaceApres", [](auto& f) { f.espaceApres = 240; },
                      [](const auto& m) { return m.espaceApres.has_value(); }},
        CasParagraphe{"Interligne", [](auto& f) { f.interligne = Interligne{RegleLigne::Auto, 360}; },
                      [](const auto& m) { return m.regleInterligne.has_value(); }},
        CasParagraphe{"Ombrage", [](auto& f) { f.ombrage = couleurDIndex(7); },
                      [](const auto& m) { return m.indexOmbrage.has_value(); }}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Paragraphes, ValeursEnPoints) {
    ModeleDocument d = document(u"un");
    FormatParagraphe f;
    f.retraitGauche = 720;
    f.retraitPremiereLigne = -360;
    f.espaceAvant = 240;
    f.interligne = Interligne::deRegleWord(1, Interligne{});
    f.ombrage = couleurDIndex(7);
    d.appliquerParagraphes(0, 0, f);
    ParagrapheMixte m = d.formatParagraphes(0, 3);
    EXPECT_EQ(m.retraitGauche, 36.0f);
    EXPECT_EQ(m.retraitPremiereLigne, -18.0f);
    EXPECT_EQ(m.espaceAvant, 12.0f);
    EXPECT_EQ(m.espaceApres, 0.0f);
    EXPECT_EQ(m.regleInterligne, 1);
    EXPECT_EQ(m.interligne, 18.0f);
    EXPECT_EQ(m.indexOmbrage, 7);
    EXPECT_EQ(m.style, u"Normal");
}

struct CasInterligne {
    Interligne il;
    int32_t regle;
};

class RegleInterligne : public ::testing::TestWithParam<CasInterligne> {};

TEST_P(RegleInterligne, CommeWord) {
    EXPECT_EQ(GetParam().il.regleWord(), GetParam().regle);
    EXPECT_EQ(Interligne::deRegleWord(GetParam().regle, GetParam().il).regleWord(), GetParam().regle);
}

INSTANTIATE_TEST_SUITE_P(Cas, RegleInterligne,
                         ::testing::Values(CasInterligne{{RegleLigne::Auto, 240}, 0},
                                           CasInterligne{{RegleLigne::Auto, 360}, 1},
                                           CasInterligne{{RegleLigne::Auto, 480}, 2},
                                           CasInterligne{{RegleLigne::AuMoins, 300}, 3},
                                           CasInterligne{{RegleLigne::Exacte, 300}, 4},
                                           CasInterligne{{RegleLigne::Auto, 300}, 5}));

TEST(Bordures, ActiverMixteEtLargeurs) {
    ModeleDocument d = document(u"un\rdeux");
    ParagrapheMixte m = d.formatParagraphes(0, 8);
    EXPECT_EQ(m.bordures, false);
    EXPECT_EQ(m.largeurBordure[0], std::nullopt);  // no border: no width

    d.activerBordures(0, 1, true);
    m = d.formatParagraphes(0, 3);
    EXPECT_EQ(m.bordures, true);
    for (auto l : m.largeurBordure) EXPECT_EQ(l, LargeurBordureParDefaut);
    EXPECT_EQ(d.formatParagraphes(0, 8).bordures, std::nullopt);  // one of two paragraphs

    // 3/4 pt on one side only: widths differ between sides, not within one.
    FormatParagraphe f;
    f.bordures[static_cast<size_t>(Cote::Gauche)] = Bordure{trait::Simple, 6, CouleurAuto, 4};
    d.appliquerParagraphes(0, 1, f);
    m = d.formatParagraphes(0, 3);
    EXPECT_EQ(m.largeurBordure[static_cast<size_t>(Cote::Gauche)], 6);
    EXPECT_EQ(m.largeurBordure[static_cast<size_t>(Cote::Haut)], 4);

    d.activerBordures(0, 8, true, 6);
    EXPECT_EQ(d.formatParagraphes(0, 8).largeurBordure[static_cast<size_t>(Cote::Droite)], 6);
    d.activerBordures(0, 8, false);
    m = d.formatParagraphes(0, 8);
    EXPECT_EQ(m.bordures, false);
    EXPECT_EQ(m.styleBordure[0], trait::Aucun);
}

TEST(Couleurs, IndexEtBgr) {
    EXPECT_EQ(bgrDeRgb(0x0000FF), 16711680);
    EXPECT_EQ(rgbDeBgr(16711680), 0x0000FFu);
    EXPECT_EQ(indexCouleur(couleurDIndex(7)), 7);
    EXPECT_EQ(indexCouleur(CouleurAuto), 0);
    EXPECT_EQ(indexCouleur(bgrDeRgb(0xFEFE01)), 7);  // nearest: yellow
    EXPECT_EQ(coteDIndexWord(-3), Cote::Bas);
    EXPECT_EQ(coteDIndexWord(1), std::nullopt);
    EXPECT_EQ(indexWordDeCote(Cote::Droite), -4);
}

}  // namespace
}  // namespace k58204::sim
