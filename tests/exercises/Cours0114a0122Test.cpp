// The course documents of exercises 114 to 122 carry the marks their checks
// and the working-document check rely on: bookmark "e01" everywhere, the
// "sNN" bookmarks each over one whole paragraph's text, and the starting
// formatting the learner is to change.
#include <gtest/gtest.h>

#include <vector>

#include "exercises/support/Cours.hpp"
#include "sim/doc/WordML.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {
namespace {

// The source document of exercise 100 + numero.
ModeleDocument charge(int numero) { return lireWordML(test::litCours(test::nomCours(100 + numero))); }

Etendue signet(const ModeleDocument& d, const char16_t* nom) {
    auto s = d.signet(nom);
    EXPECT_TRUE(s.has_value()) << versUtf8(nom);
    return s ? s->etendue : Etendue{};
}

struct Marques {
    int numero;
    std::vector<const char16_t*> signets;  // besides "e01"
    int32_t paragraphes;
    // The bookmarks cover their paragraph's mark too (118: the paragraph the
    // learner selects to border it, so that the selection's borders are the
    // paragraph's and not its text's).
    bool avecMarque = false;
};

class CoursDocuments : public testing::TestWithParam<Marques> {};

TEST_P(CoursDocuments, PortentLeursSignetsSurDesParagraphesEntiers) {
    const Marques& m = GetParam();
    const ModeleDocument d = charge(m.numero);
    d.verifierInvariants();
    EXPECT_EQ(d.nombreParagraphes(), m.paragraphes);
    EXPECT_EQ(d.nombreSignets(), static_cast<int32_t>(m.signets.size()) + 1);
    const Etendue e01 = signet(d, u"e01");
    for (const char16_t* nom : m.signets) {
        // Exactly one paragraph's text (with its mark where asked), inside "e01".
        const Etendue s = signet(d, nom);
        const Etendue p = d.paragraphe(d.paragrapheA(s.debut));
        EXPECT_EQ(s, (Etendue{p.debut, m.avecMarque ? p.fin : p.fin - 1})) << versUtf8(nom);
        EXPECT_TRUE(e01.debut <= s.debut && s.fin <= e01.fin) << versUtf8(nom) << " hors de e01";
    }
    EXPECT_EQ(d.nombreSections(), 1);
    EXPECT_EQ(d.proprietes().vue, 3);
}

INSTANTIATE_TEST_SUITE_P(Exercices114a122, CoursDocuments,
                         testing::Values(Marques{14, {u"s01", u"s02", u"s03", u"s04", u"s05"}, 8},
                                         Marques{15, {u"s01", u"s02"}, 8}, Marques{16, {u"s01"}, 8},
                                         Marques{17, {u"s01", u"s02"}, 8}, Marques{18, {u"s01"}, 8, true},
                                         Marques{19, {u"s01", u"s02", u"s03"}, 7}, Marques{20, {}, 8},
                                         Marques{21, {}, 8}, Marques{22, {}, 8}),
                         [](const auto& info) { return "Cours058204" + std::to_string(info.param.numero); });

ParagrapheEffectif formatDe(const ModeleDocument& d, const char16_t* nom) {
    return d.formatParagraphe(d.paragrapheA(signet(d, nom).debut));
}

TEST(CoursDocuments, Exercice114CinqParagraphesSansRetrait) {
    const ModeleDocument d = charge(14);
    for (const char16_t* nom : {u"s01", u"s02", u"s03", u"s04", u"s05"}) {
        const ParagrapheEffectif f = formatDe(d, nom);
        EXPECT_EQ(f.retraitGauche, 0.0f) << versUtf8(nom);
        EXPECT_EQ(f.retraitPremiereLigne, 0.0f) << versUtf8(nom);
        EXPECT_NE(d.texte()[static_cast<size_t>(signet(d, nom).debut)], u'\t');
    }
}

TEST(CoursDocuments, Exercice115ToutAligneAGaucheEtE01PlusLargeQueS01EtS02) {
    const ModeleDocument d = charge(15);
    for (int32_t i = 0; i < d.nombreParagraphes(); ++i) EXPECT_EQ(d.formatParagraphe(i).alignement, 0);
    const Etendue e01 = signet(d, u"e01");
    const auto [premier, dernier] = d.paragraphesDe(e01.debut, e01.fin);
    EXPECT_GT(dernier - premier + 1, 2);
}

// "Le nouveau monde" occurs once in "e01", inside "s01", which stands before
// "s02" and "s03" (the move itself is the passing row of Question0119's test).
TEST(CoursDocuments, Exercice119LePassageADeplacer) {
    ModeleDocument d = charge(19);
    const Etendue e01 = signet(d, u"e01");
    const std::u16string texteE01 = d.texte(e01.debut, e01.fin);
    const int32_t pos = InStr(texteE01, u"Le nouveau monde");
    ASSERT_GT(pos, 0);
    EXPECT_EQ(InStr(pos + 1, texteE01, u"Le nouveau monde"), 0);

    const Etendue s01 = signet(d, u"s01");
    const int32_t posDocument = e01.debut + pos - 1;
    EXPECT_TRUE(s01.debut <= posDocument && posDocument < s01.fin);
    EXPECT_LT(s01.fin, signet(d, u"s02").debut);
    EXPECT_LT(signet(d, u"s02").fin, signet(d, u"s03").debut);
}

TEST(CoursDocuments, Exercice121PortraitEtMargeHauteNiCinqCentimetresNiDeuxPouces) {
    const ModeleDocument d = charge(21);
    const MiseEnPage& p = d.miseEnPage(0);
    EXPECT_EQ(p.orientation, 0);
    EXPECT_NE(p.margeHaut, 2835);
    EXPECT_NE(p.margeHaut, 2880);
}

}  // namespace
}  // namespace k58204::sim
