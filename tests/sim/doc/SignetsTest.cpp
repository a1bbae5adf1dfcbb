// Bookmarks and check boxes kept in step with edits.
#include <gtest/gtest.h>

#include <functional>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/Outils.hpp"

namespace k58204::sim {
namespace {

// "Il était une fois\r": "une" is [9, 12).
ModeleDocument avecSignet() {
    ModeleDocument d = test::document(u"Il \u00e9tait une fois");
    EXPECT_TRUE(d.ajouterSignet(u"s01", 9, 12));
    return d;
}

struct CasEdition {
    const char* nom;
    std::function<void(ModeleDocument&)> edition;
    std::optional<Etendue> attendu;  // nullopt: the bookmark is gone
    std::u16string texteSignet;
};

class AjustementSignet : public ::testing::TestWithParam<CasEdition> {};

TEST_P(AjustementSignet, CommeWord) {
    const auto& c = GetParam();
    ModeleDocument d = avecSignet();
    c.edition(d);
    d.verifierInvariants();
    auto s = d.signet(u"S01");
    ASSERT_EQ(s.has_value(), c.attendu.has_value()) << test::u8(d.texte());
    if (!s) return;
    EXPECT_EQ(s->etendue, *c.attendu);
    EXPECT_EQ(d.texte(s->etendue.debut, s->etendue.fin), c.texteSignet);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, AjustementSignet,
    ::testing::Values(
        CasEdition{"InsertionAuDebutIncluse", [](auto& d) { d.inserer(9, u"X"); }, Etendue{9, 13}, u"Xune"},
        CasEdition{"InsertionDedansIncluse", [](auto& d) { d.inserer(10, u"X"); }, Etendue{9, 13}, u"uXne"},
        CasEdition{"InsertionALaFinExclue", [](auto& d) { d.inserer(12, u"X"); }, Etendue{9, 12}, u"une"},
        CasEdition{"InsertionAvantDecale", [](auto& d) { d.inserer(2, u"XY"); }, Etendue{11, 14}, u"une"},
        CasEdition{"SuppressionDUnePartie", [](auto& d) { d.supprimer(10, 11); }, Etendue{9, 11}, u"ue"},
        CasEdition{"SuppressionDeTout", [](auto& d) { d.supprimer(9, 12); }, std::nullopt, u""},
        CasEdition{"SuppressionEnglobante", [](auto& d) { d.supprimer(6, 14); }, std::nullopt, u""},
        CasEdition{"SuppressionChevauchantLeDebut", [](auto& d) { d.supprimer(6, 10); }, Etendue{6, 8}, u"ne"},
        CasEdition{"SuppressionChevauchantLaFin", [](auto& d) { d.supprimer(11, 15); }, Etendue{9, 11}, u"un"},
        CasEdition{"FrappeSurExactementLeSignet",
                   [](auto& d) { d.remplacer(9, 12, u"deux", Remplacement::Frappe); }, Etendue{9, 13}, u"deux"},
        CasEdition{"TexteDeLaPlageDuSignetLeSupprime",
                   [](auto& d) { d.remplacer(9, 12, u"deux", Remplacement::Texte); }, std::nullopt, u""},
        CasEdition{"TexteJusteAvantNeLEtendPas",
                   [](auto& d) { d.remplacer(3, 9, u"XX", Remplacement::Texte); }, Etendue{5, 8}, u"une"},
        CasEdition{"FrappeJusteApresNeLEtendPas",
                   [](auto& d) { d.remplacer(12, 13, u"_", Remplacement::Frappe); }, Etendue{9, 12}, u"une"},
        // Typing inserts at the selection's start first: a bookmark starting
        // there keeps the typed text even when the selection runs past its end.
        CasEdition{"FrappeDebordantLeSignetLeGarde",
                   [](auto& d) { d.remplacer(9, 13, u"deux", Remplacement::Frappe); }, Etendue{9, 13}, u"deux"},
        CasEdition{"FrappeCommencantAvantLeSupprime",
                   [](auto& d) { d.remplacer(8, 12, u"deux", Remplacement::Frappe); }, std::nullopt, u""},
        CasEdition{"CouperCollerDeplace",
                   [](auto& d) {
                       Fragment f = d.couper(9, 12);
                       EXPECT_FALSE(d.signetExiste(u"s01"));
                       d.coller(0, f);
                   },
                   Etendue{0, 3}, u"une"},
        CasEdition{"CopierCollerLaisseLOriginal", [](auto& d) { d.coller(0, d.extraire(9, 12)); }, Etendue{12, 15},
                   u"une"},
        CasEdition{"CouperUnePartieGardeLeReste", [](auto& d) { d.coller(0, d.couper(11, 13)); }, Etendue{11, 13},
                   u"un"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Signets, NomsSansCasseOrdreAlphabetiqueEtLongueur) {
    ModeleDocument d = test::document(u"abcdefgh");
    EXPECT_TRUE(d.ajouterSignet(u"s02", 1, 2));
    EXPECT_TRUE(d.ajouterSignet(u"e01", 0, 8));
    EXPECT_TRUE(d.ajouterSignet(u"S01", 2, 3));
    EXPECT_TRUE(d.ajouterSignet(u"s01", 4, 5));  // replaces S01
    EXPECT_FALSE(d.ajouterSignet(std::u16string(41, u'a'), 0, 1));
    EXPECT_TRUE(d.ajouterSignet(std::u16string(40, u'a'), 0, 1));
    EXPECT_FALSE(d.ajouterSignet(u"avec espace", 0, 1));
    auto tous = d.signets();
    ASSERT_EQ(tous.size(), 4u);
    EXPECT_EQ(tous[1].nom, u"e01");
    EXPECT_EQ(tous[2].nom, u"s01");
    EXPECT_EQ(tous[2].etendue, (Etendue{4, 5}));
    EXPECT_EQ(tous[3].nom, u"s02");
    EXPECT_TRUE(d.signetExiste(u"E01"));
    EXPECT_TRUE(d.supprimerSignet(u"E01"));
    EXPECT_FALSE(d.signetExiste(u"e01"));
    EXPECT_FALSE(d.supprimerSignet(u"e01"));
    EXPECT_TRUE(nomSignetValide(u"s01"));
    EXPECT_FALSE(nomSignetValide(u"_GoBack"));
    EXPECT_FALSE(nomSignetValide(u"1abc"));
    EXPECT_TRUE(nomSignetAcceptable(u"_GoBack"));
}

TEST(Signets, SignetSurPlusieursParagraphesEtCoupure) {
    ModeleDocument d = test::document(u"Un. Deux.");
    ASSERT_TRUE(d.ajouterSignet(u"s01", 0, 3));
    ASSERT_TRUE(d.ajouterSignet(u"s02", 4, 9));
    d.insererParagraphe(3);  // break at the end of s01, before the space
    EXPECT_EQ(d.texte(), u"Un.\r Deux.\r");
    EXPECT_EQ(d.signet(u"s01")->etendue, (Etendue{0, 3}));
    EXPECT_EQ(d.signet(u"s02")->etendue, (Etendue{5, 10}));
    auto [p, q] = d.paragraphesDe(5, 10);
    EXPECT_EQ(p, q);
}

TEST(CasesACocher, OrdrePositionsEtSuppression) {
    ModeleDocument d = test::document(u"a b");
    EXPECT_EQ(d.insererCaseACocher(2, test::caseNommee(u"Deux")), 0);
    EXPECT_EQ(d.insererCaseACocher(0, test::caseNommee(u"Un")), 0);
    ASSERT_EQ(d.nombreCases(), 2);
    EXPECT_EQ(d.caseACocher(0).nom, u"Un");
    EXPECT_EQ(d.caseACocher(1).position, 3);
    EXPECT_EQ(d.texte(), u"\x15" u"a \x15" u"b\r");
    d.cocher(1, true);
    EXPECT_TRUE(d.caseACocher(1).coche);
    EXPECT_EQ(d.nombreMots(0, d.longueur()), 5);  // box, "a ", box, "b", mark

    Fragment f = d.couper(0, 1);
    EXPECT_EQ(d.nombreCases(), 1);
    d.coller(3, f);
    ASSERT_EQ(d.nombreCases(), 2);
    EXPECT_EQ(d.caseACocher(1).nom, u"Un");
    EXPECT_EQ(d.caseACocher(0).nom, u"Deux");
    auto [i, j] = d.casesDans(0, 3);
    EXPECT_EQ(j - i, 1);
    d.supprimer(0, d.longueur());
    EXPECT_EQ(d.nombreCases(), 0);
    d.verifierInvariants();
}

}  // namespace
}  // namespace k58204::sim
