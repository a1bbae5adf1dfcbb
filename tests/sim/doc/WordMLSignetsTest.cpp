// Bookmarks read from WordprocessingML: starts and ends matched by aml:id,
// the unmatched ones dropped with a warning naming them.
#include <gtest/gtest.h>

#include "sim/doc/Outils.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::sim {
namespace {

std::string debut(const char* id, const char* nom) {
    return std::string("<aml:annotation aml:id=\"") + id + "\" w:type=\"Word.Bookmark.Start\" w:name=\"" + nom + "\"/>";
}
std::string fin(const char* id) {
    return std::string("<aml:annotation aml:id=\"") + id + "\" w:type=\"Word.Bookmark.End\"/>";
}
std::string run(const char* t) { return std::string("<w:r><w:t>") + t + "</w:t></w:r>"; }

TEST(WordMLSignets, AppariesParIdLesAutresIgnoresAvecUnAvertissement) {
    struct Cas {
        std::string corps;
        std::vector<std::pair<std::u16string, std::u16string>> signets;  // name, text marked
        std::vector<std::string> avertissements;
    };
    const Cas cas[] = {
        // Crossed and nested spans, ends in the other order.
        {"<w:p>" + debut("1", "a") + run("x") + debut("2", "b") + run("y") + fin("1") + run("z") + fin("2") + "</w:p>",
         {{u"a", u"xy"}, {u"b", u"yz"}}, {}},
        // An end in a later paragraph, at the body level.
        {"<w:p>" + debut("7", "long") + run("x") + "</w:p>" + fin("7") + "<w:p>" + run("y") + "</w:p>",
         {{u"long", u"x\r"}}, {}},
        {"<w:p>" + debut("1", "orphelin") + run("x") + "</w:p>", {},
         {"signet « orphelin » ignoré : son début (aml:id 1) n'a pas de fin"}},
        // An end matches once: the second end of the same id is an orphan.
        {"<w:p>" + debut("1", "a") + run("x") + fin("1") + fin("1") + "</w:p>", {{u"a", u"x"}},
         {"fin de signet ignorée : aucun début de signet n'a l'aml:id 1"}},
        // The same id opened twice: the first start is left without an end.
        {"<w:p>" + debut("1", "premier") + run("x") + debut("1", "second") + run("y") + fin("1") + "</w:p>",
         {{u"second", u"y"}}, {"signet « premier » ignoré : son début (aml:id 1) n'a pas de fin"}},
        // Two names differing only in case: the later wins, as Bookmarks.Add replaces.
        {"<w:p>" + debut("1", "s7") + run("x") + fin("1") + debut("2", "S7") + run("y") + fin("2") + "</w:p>",
         {{u"S7", u"y"}}, {}},
        // Several left open: reported in the order they were read, not by id.
        {"<w:p>" + debut("9", "\xC3\xA9t\xC3\xA9") + debut("10", "b") + run("x") + "</w:p>", {},
         {"signet « été » ignoré : son début (aml:id 9) n'a pas de fin",
          "signet « b » ignoré : son début (aml:id 10) n'a pas de fin"}},
    };
    for (const auto& c : cas) {
        std::vector<std::string> avertissements;
        ModeleDocument d = lireWordML(test::corpsWordML(c.corps), avertissements);
        d.verifierInvariants();
        EXPECT_EQ(avertissements, c.avertissements) << c.corps;
        ASSERT_EQ(d.nombreSignets(), static_cast<int32_t>(c.signets.size())) << c.corps;
        for (const auto& [nom, texte] : c.signets) {
            auto s = d.signet(nom);
            ASSERT_TRUE(s) << test::u8(nom);
            EXPECT_EQ(s->nom, nom);
            EXPECT_EQ(test::u8(d.texte(s->etendue.debut, s->etendue.fin)), test::u8(texte)) << c.corps;
        }
        // The overload without warnings reads the same document.
        EXPECT_TRUE(lireWordML(test::corpsWordML(c.corps)).memeContenu(d));
    }
}

}  // namespace
}  // namespace k58204::sim
