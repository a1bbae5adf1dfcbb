// Bookmarks kept in step with edits; their names.
#include <gtest/gtest.h>

#include <functional>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/Outils.hpp"

namespace k58204::sim {
namespace {

TEST(Signets, AjustesParLesEditions) {
    using M = ModeleDocument;
    const auto aucun = std::optional<Etendue>();
    struct {
        const char* nom;
        std::function<void(M&)> edition;
        std::optional<Etendue> attendu;  // nullopt: the bookmark is gone
    } cas[] = {
        // "Il était une fois\r": the bookmark is on "une" [9, 12).
        {"InsertionAuDebutIncluse", [](M& d) { d.inserer(9, u"X"); }, Etendue{9, 13}},
        {"InsertionALaFinExclue", [](M& d) { d.inserer(12, u"X"); }, Etendue{9, 12}},
        {"SuppressionDeTout", [](M& d) { d.supprimer(9, 12); }, aucun},
        {"SuppressionEnglobante", [](M& d) { d.supprimer(6, 14); }, aucun},
        {"SuppressionDuDebut", [](M& d) { d.supprimer(6, 10); }, Etendue{6, 8}},
        // Typing inserts at the selection's start, then deletes the old text:
        // a bookmark starting there keeps the typed text.
        {"FrappeCommencantAvant", [](M& d) { d.remplacer(8, 12, u"deux", Remplacement::Frappe); }, aucun},
        {"FrappeJusteApres", [](M& d) { d.remplacer(12, 13, u"_", Remplacement::Frappe); }, Etendue{9, 12}},
        {"TexteSurLeSignet", [](M& d) { d.remplacer(9, 12, u"deux", Remplacement::Texte); }, aucun},
        {"CouperUnePartieGardeLeReste", [](M& d) { d.coller(0, d.couper(11, 13)); }, Etendue{11, 13}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        ModeleDocument d = test::document(u"Il \u00e9tait une fois");
        ASSERT_TRUE(d.ajouterSignet(u"s01", 9, 12));
        c.edition(d);
        d.verifierInvariants();
        auto s = d.signet(u"S01");
        EXPECT_EQ(s ? std::optional(s->etendue) : std::nullopt, c.attendu) << test::u8(d.texte());
    }
}

TEST(Signets, NomsSansCasseOrdreAlphabetiqueEtValidite) {
    ModeleDocument d = test::document(u"abcdefgh");
    const std::u16string long40(40, u'a'), long41(41, u'a');
    for (auto [nom, debut, ok] : {std::tuple{u"s02", 1, true}, {u"S01", 2, true}, {u"e01", 0, true},
                                  {u"s01", 4, true},  // replaces S01
                                  {long40.c_str(), 0, true}, {long41.c_str(), 0, false}, {u"avec espace", 0, false}})
        EXPECT_EQ(d.ajouterSignet(nom, debut, debut + 1), ok) << test::u8(nom);
    std::vector<std::pair<std::u16string, Etendue>> tous;
    for (const Signet& s : d.signets()) tous.emplace_back(s.nom, s.etendue);
    EXPECT_EQ(tous, (decltype(tous){{long40, {0, 1}}, {u"e01", {0, 1}}, {u"s01", {4, 5}}, {u"s02", {1, 2}}}));
    // Word's Add refuses a hidden name, which a file may hold.
    EXPECT_FALSE(nomSignetValide(u"_GoBack"));
    EXPECT_TRUE(nomSignetAcceptable(u"_GoBack"));
}

}  // namespace
}  // namespace k58204::sim
