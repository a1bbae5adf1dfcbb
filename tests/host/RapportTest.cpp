// Reports shorten what scripts and documents bring in, without cutting a
// UTF-8 sequence; the HTML pages show every text as written (the class's
// page: the browser test).
#include <gtest/gtest.h>

#include <sstream>

#include "host/PageHtml.hpp"
#include "host/Rapport.hpp"
#include "host/RapportNotes.hpp"

namespace k58204::lecon {
namespace {

TEST(Rapport, TextesLongsAbreges) {
    const std::string max(TexteMaxRapport, 'x');
    EXPECT_EQ(abrege(max), max);
    EXPECT_EQ(abrege(""), "");
    // "é" (2 bytes) straddling the limit must not be cut in half.
    for (const std::string& texte : {max + "y", max.substr(1) + "éy"}) {
        const std::string r = abrege(texte);
        EXPECT_NE(r.find("… (" + std::to_string(texte.size()) + " octets)"), std::string::npos) << r;
        const std::string debut = r.substr(0, r.find("…"));
        EXPECT_LE(debut.size(), TexteMaxRapport);
        EXPECT_EQ(texte.compare(0, debut.size(), debut), 0);
        EXPECT_NE(static_cast<unsigned char>(debut.back()), 0xC3) << "cut inside é";
    }
}

// A 5 MB text read by a check line comes out of both reports shortened.
TEST(Rapport, ControleAvecUnLongTexte) {
    const std::string long5(5 * 1024 * 1024, 'z');
    RapportScript s;
    s.fichier = "t.lecon";
    s.evenements.push_back(evenement::Controle{"t.lecon:3", "verifie x = \"" + long5 + "\"", false, "lu " + long5});
    s.echoues = 1;
    Rapport r{{s}, {}};
    std::ostringstream texte;
    ecritTexte(texte, r);
    EXPECT_LT(texte.str().size(), 2000u);
    EXPECT_LT(enJson(r).dump().size(), 2000u);
}

size_t compte(const std::string& texte, const std::string& motif) {
    size_t n = 0;
    for (size_t p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + 1)) ++n;
    return n;
}

TEST(PageHtml, TextesEchappes) {
    const std::pair<std::string, std::string> cas[] = {
        {"<script>.xml", "&lt;script&gt;.xml"},
        {"Dupont & \"Durand\" l'a", "Dupont &amp; &quot;Durand&quot; l&#39;a"},
        {"é\t\r\n ~", "é\t\r\n ~"},
        {std::string("a\0b", 3) + "\x1F\x7F", "a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_EQ(echappeHtml(texte), attendu);
}

// The lesson's page: the failures first, then the scripts that failed before
// those that did not; texts escaped.
TEST(PageHtml, PageDeLecon) {
    RapportScript bon{"bon.lecon", {evenement::Controle{"bon.lecon:2", "verifie x = 1", true, ""}}, 1, 0, 0};
    RapportScript mauvais{"mauvais.lecon",
                          {evenement::Controle{"mauvais.lecon:2", "verifie x = \"<b>\"", false, "lu \"<i>\""},
                           evenement::Echec{"mauvais.lecon:3", "teste", "arrêt & fin"}},
                          0, 2, 0};
    std::ostringstream os;
    ecritHtml(os, Rapport{{bon, mauvais}, {}});
    const std::string page = os.str();
    const size_t echecs = page.find("<h2>Échecs</h2>"), sectionMauvais = page.find("<h2>mauvais.lecon</h2>");
    ASSERT_NE(echecs, std::string::npos);
    EXPECT_LT(echecs, sectionMauvais);
    EXPECT_LT(sectionMauvais, page.find("<h2>bon.lecon</h2>"));
    EXPECT_EQ(compte(page.substr(echecs, sectionMauvais - echecs), "<tr data-statut=\"echec\">"), 2u);
    EXPECT_EQ(compte(page, "lu &quot;&lt;i&gt;&quot;") + compte(page, "arrêt &amp; fin"), 4u);
    EXPECT_EQ(compte(page, "<b>") + compte(page, "<i>"), 0u);
    // Under a script's heading a step is placed by its line; among the
    // failures of every script, by its file too.
    EXPECT_EQ(compte(page.substr(sectionMauvais), "<td title=\"mauvais.lecon:3\">3</td>"), 1u);
    EXPECT_EQ(compte(page.substr(echecs, sectionMauvais - echecs), "<td>mauvais.lecon:3</td>"), 1u);
    EXPECT_EQ(compte(page, "<td title=\"bon.lecon:2\">2</td>"), 1u);
}

}  // namespace
}  // namespace k58204::lecon
