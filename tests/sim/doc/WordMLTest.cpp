// WordprocessingML 2003: reading Word's structures, bad input. (Round trips:
// the fuzz targets, replaying the course documents and the seeds.)
#include <gtest/gtest.h>

#include "sim/doc/FFData.hpp"
#include "sim/doc/Outils.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::sim {
namespace {

// A small document as Word writes it (the course documents, which the lesson
// reads, cover the rest of Word's structures).
const std::string Exemple = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:wordDocument xmlns:w="http://schemas.microsoft.com/office/word/2003/wordml" xml:space="preserve">
  <w:styles><w:style w:type="paragraph" w:default="on" w:styleId="Normal"><w:name w:val="Normal"/></w:style></w:styles>
  <w:body><w:p><w:r><w:t>Texte</w:t></w:r><w:r><w:t> fin.</w:t></w:r></w:p></w:body>
</w:wordDocument>)";

// Course documents carry their language in the Normal style, which the reader
// keeps (that a save keeps it too: the fuzz targets' round trip of the course
// documents).
TEST(WordML, LangueDuStyleNormalLue) {
    std::string xml = Exemple;
    const std::string normal = R"(<w:name w:val="Normal"/>)";
    xml.replace(xml.find(normal), normal.size(), normal + R"(<w:rPr><w:sz w:val="24"/><w:lang w:val="FR"/></w:rPr>)");
    ModeleDocument d = lireWordML(xml);
    const Style* s = d.styles().parId(u"Normal");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->caracteres.langue, u"FR");
}

TEST(WordML, MalFormeRefuseAvecSaCause) {
    using C = ErreurWordML::Cause;
    const std::pair<std::string, C> cas[] = {
        {"", C::PasXml},
        {std::string("\xD0\xCF\x11\xE0\0\0", 6), C::PasXml},  // a binary .doc
        {Exemple.substr(0, Exemple.size() / 2), C::PasXml},
        {"<?xml version=\"1.0\"?><html><body/></html>", C::PasWordML},
        {"<w:wordDocument xmlns:w=\"urn:autre\"><w:body/></w:wordDocument>", C::PasWordML},
    };
    for (const auto& [octets, cause] : cas) EXPECT_EQ(test::refus(octets), cause) << octets.substr(0, 40);
}

TEST(WordML, ToleranceAuxStructuresInconnuesOuAbimees) {
    const std::pair<std::string, std::u16string> cas[] = {  // inside w:body, the text read
        {"", u"\r"},
        {"<w:p><w:inconnu a=\"1\"><w:x/></w:inconnu><w:r><w:t>a</w:t></w:r></w:p>", u"a\r"},
        {"<w:p><w:pPr><w:ind w:left=\"abc\"/><w:jc w:val=\"?\"/></w:pPr><w:r><w:rPr><w:sz w:val=\"x\"/>"
         "<w:color w:val=\"ZZZZZZ\"/></w:rPr><w:t>a</w:t></w:r></w:p>", u"a\r"},
        {"<w:p><w:r><w:fldChar w:fldCharType=\"begin\"><w:fldData>@@@</w:fldData></w:fldChar></w:r>"
         "<w:r><w:instrText>FORMCHECKBOX</w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>",
         u"\x15\r"},
        {"<w:p><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>PAGE</w:instrText></w:r>"
         "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>3</w:t></w:r>"
         "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>", u"3\r"},
        {"<w:p><aml:annotation aml:id=\"9\" w:type=\"Word.Bookmark.End\"/><w:r><w:t>a</w:t></w:r></w:p>", u"a\r"},
        {"<w:p><w:r><w:t>\xC3(\xFF</w:t></w:r></w:p>", u"\uFFFD(\uFFFD\r"},
        {"<w:p><w:r><w:t>a</w:t><w:br/><w:br w:type=\"page\"/><w:sym w:char=\"F0E8\"/><w:sym w:char=\"zz\"/></w:r></w:p>",
         u"a\x0B\x0C\uF0E8\r"},
        // A UTF-16 surrogate, an overlong form, a code point past U+10FFFF: not UTF-8.
        {"<w:p><w:r><w:t>\xED\xA4\xA4|\xC0\xAF|\xF4\x90\x80\x80|\xF0\x9F\x98\x80</w:t></w:r></w:p>",
         u"\uFFFD|\uFFFD|\uFFFD|\U0001F600\r"},
        // The form-field character comes only from a form field, not from text.
        {"<w:p><w:r><w:t>a&#21;b\x15</w:t><w:t>\x15</w:t></w:r></w:p>", u"ab\r"},
    };
    for (const auto& [corps, texte] : cas) {
        ModeleDocument d = lireWordML(test::corpsWordML(corps));
        d.verifierInvariants();
        EXPECT_EQ(d.texte(), texte) << corps;
        EXPECT_EQ(d.nombreCases(), std::count(texte.begin(), texte.end(), CaractereChamp)) << corps;
    }
    ModeleDocument d = lireWordML(
        "<wordDocument xmlns=\"http://schemas.microsoft.com/office/word/2003/wordml\"><body>"
        "<p><pPr><jc val=\"center\"/></pPr><r><t>a\nb</t></r></p></body></wordDocument>");
    EXPECT_EQ(d.texte(), u"a b\r");
    EXPECT_EQ(d.formatParagraphe(0).alignement, 1);
}

TEST(FFData, DefautCocheEtDonneesAbimees) {
    auto octets = decodeBase64("/////2UAAAAUAAYAQwBoAGUAYwBrADEAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA");
    ASSERT_TRUE(octets);
    std::string coche = *octets;
    coche[26] = 1;  // wDef: checked by default, iRes still "undefined"
    EXPECT_TRUE(lireFFData(coche)->coche);
    EXPECT_FALSE(lireFFData(octets->substr(0, 15)));   // truncated name
    EXPECT_FALSE(lireFFData("\x01\x02\x03\x04\x05"));  // not version -1
}

TEST(Base64, CasLimites) {
    EXPECT_EQ(decodeBase64("TWFu\nTQ=="), "ManM");
    EXPECT_EQ(decodeBase64("TWE"), "Ma");  // padding left out
    EXPECT_FALSE(decodeBase64("TW=E"));
    EXPECT_FALSE(decodeBase64("T"));
}

}  // namespace
}  // namespace k58204::sim
