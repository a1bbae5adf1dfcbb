// Hostile documents: deep nesting, oversized files. Each
// input is generated here, small in the source.
#include <gtest/gtest.h>

#include "sim/doc/Outils.hpp"
#include "sim/doc/ProfondeurXml.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::sim {
namespace {

std::string repete(std::string_view motif, size_t n) {
    std::string s;
    s.reserve(motif.size() * n);
    for (size_t i = 0; i < n; ++i) s += motif;
    return s;
}
using test::corpsWordML;

TEST(ProfondeurXml, LitLeBalisageCommeLAnalyseur) {
    constexpr int Max = 4;
    using P = ProfondeurXml;
    const std::pair<std::string, P> cas[] = {
        {repete("<a>", 4) + repete("</a>", 4), P::Acceptable},
        {repete("<a>", 5) + repete("</a>", 5), P::TropProfonde},
        {"<a>" + repete("<b/><b x='1'/>", 100) + "</a>", P::Acceptable},  // siblings, empty elements
        // A "/>" inside a value closes nothing.
        {repete("<w:tbl a=\"/>/>\">", 5), P::TropProfonde},
        {repete("<w:tbl a='/>' b = \"x\" >", 4), P::Acceptable},
        // '<' inside CDATA, comments, instructions and declarations opens nothing.
        {"<a>" + repete("<p><![CDATA[a<b<c]]></p>", 50) + "</a>", P::Acceptable},
        {"<a><!-- <b><b><b><b> --><?pi <b><b><b><b>?></a>", P::Acceptable},
        {"<?xml version=\"1.0\"?><!DOCTYPE a [<!ELEMENT a (#PCDATA)><!ATTLIST a x CDATA \"<b>\">]><a/>",
         P::Acceptable},
        // Quotes mean nothing in a declaration nor in an element name, as for the parser.
        {"<!DOCTYPE a \"x>" + repete("<b>", 5) + "\">", P::TropProfonde},
        {"<a=\"x>" + repete("<b>", 4) + "\">", P::TropProfonde},
        // End tags that close nothing do not give depth back.
        {"<r>" + repete("</x>", 10) + repete("<b>", 5), P::TropProfonde},
        {"<a b>", P::MalFormee}, {"< a>", P::MalFormee}, {"<a b=c>", P::MalFormee},
        {"<a b=\"x>", P::MalFormee}, {"<a><!-- x", P::MalFormee}, {"<!DOCTYPE a [ <b>", P::MalFormee},
        {"", P::Acceptable}, {"texte", P::Acceptable},
    };
    for (const auto& [xml, attendu] : cas) EXPECT_EQ(mesureProfondeurXml(xml, Max), attendu) << xml;
}

TEST(RobustesseWordML, ImbricationProfondeRefuseeCDataAccepte) {
    // 60,000 tables opened, each with "/>" twice in an attribute: refused, no crash.
    EXPECT_EQ(test::refus(corpsWordML(repete("<w:tbl a=\"/>/>\">", 60000))), ErreurWordML::Cause::PasXml);
    // 520 paragraphs holding '<' in CDATA: an ordinary document.
    ModeleDocument d = lireWordML(corpsWordML(repete("<w:p><w:r><w:t><![CDATA[a<b]]></w:t></w:r></w:p>", 520)));
    EXPECT_EQ(d.nombreParagraphes(), 520);
    EXPECT_EQ(d.texte(0, 4), u"a<b\r");
    // At the deepest nesting allowed the document reads; one level more is refused.
    for (int niveaux : {ProfondeurMaxWordML, ProfondeurMaxWordML + 1}) {
        // wordDocument, body, p, r: four levels around the w:x wrappers and w:t.
        const int enveloppes = niveaux - 5;
        std::string xml = corpsWordML("<w:p><w:r>" + repete("<x>", enveloppes) + "<w:t>a</w:t>" +
                                   repete("</x>", enveloppes) + "</w:r></w:p>");
        EXPECT_EQ(test::refus(xml).has_value(), niveaux > ProfondeurMaxWordML) << niveaux;
    }
}

TEST(RobustesseWordML, TailleBornee) {
    // Exactly the size allowed (a comment fills it): read. One byte more: refused unread.
    std::string xml = corpsWordML("<w:p><w:r><w:t>a</w:t></w:r></w:p>");
    const std::string ouverture = "<!--", fermeture = "-->";
    xml.insert(0, ouverture + std::string(TailleMaxWordML - xml.size() - 7, 'x') + fermeture);
    ASSERT_EQ(xml.size(), TailleMaxWordML);
    EXPECT_EQ(lireWordML(xml).texte(), u"a\r");
    xml.insert(4, "x");
    EXPECT_EQ(test::refus(xml), ErreurWordML::Cause::TropGrand);
}

}  // namespace
}  // namespace k58204::sim
