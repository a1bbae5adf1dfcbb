// Reports shorten what scripts and documents bring in, without cutting a
// UTF-8 sequence.
#include <gtest/gtest.h>

#include <sstream>

#include "host/Rapport.hpp"

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

}  // namespace
}  // namespace k58204::lecon
