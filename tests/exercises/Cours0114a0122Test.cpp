// The course documents of exercises 114 to 122 carry the marks their checks
// and the working-document check rely on: bookmark "e01" everywhere, the
// "sNN" bookmarks each over one whole paragraph's text. (Their starting
// formatting is what the lesson's "nothing done" lines check.)
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

}  // namespace
}  // namespace k58204::sim
