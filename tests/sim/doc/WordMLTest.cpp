// WordprocessingML 2003: reading Word's structures, round trip, bad input.
#include <gtest/gtest.h>

#include "sim/doc/FFData.hpp"
#include "sim/doc/Outils.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::sim {
namespace {

using test::avec;

// A small document as Word writes it (the course documents, which the lesson
// reads, cover the rest of Word's structures).
const std::string Exemple = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<?mso-application progid="Word.Document"?>
<w:wordDocument xmlns:w="http://schemas.microsoft.com/office/word/2003/wordml"
    xmlns:wx="http://schemas.microsoft.com/office/word/2003/auxHint"
    xmlns:aml="http://schemas.microsoft.com/aml/2001/core" xml:space="preserve">
  <w:fonts><w:defaultFonts w:ascii="Times New Roman" w:fareast="Times New Roman" w:h-ansi="Times New Roman" w:cs="Times New Roman"/></w:fonts>
  <w:styles><w:style w:type="paragraph" w:default="on" w:styleId="Normal"><w:name w:val="Normal"/></w:style></w:styles>
  <w:docPr><w:view w:val="print"/><w:zoom w:percent="100"/>
    <w:documentProtection w:edit="forms" w:enforcement="on"/><w:defaultTabStop w:val="708"/></w:docPr>
  <w:body><wx:sect>
    <w:p><w:pPr><w:ind w:left="720"/><w:jc w:val="both"/></w:pPr>
      <w:r><w:t>Texte</w:t></w:r><w:r><w:t> </w:t></w:r>
      <aml:annotation aml:id="0" w:type="Word.Bookmark.Start" w:name="Signet1"/>
      <w:r><w:rPr><w:b/></w:rPr><w:t>en gras</w:t></w:r>
      <aml:annotation aml:id="0" w:type="Word.Bookmark.End"/>
      <w:r><w:t> justifi&#233; &amp; fin.</w:t></w:r></w:p>
    <w:sectPr><w:pgSz w:w="16838" w:h="11906" w:orient="landscape"/>
      <w:pgMar w:top="2835" w:right="1417" w:bottom="1417" w:left="1417" w:header="708" w:footer="708" w:gutter="0"/></w:sectPr>
  </wx:sect></w:body>
</w:wordDocument>)";

ModeleDocument documentRiche() {
    ModeleDocument d = test::document(u"Titre\rUn paragraphe avec <balises> & \"guillemets\".\rDeux\tfin");
    d.styles().ajouter(avec<Style>([](Style& s) {
        s.id = u"Titre1", s.nom = u"heading 1", s.basePour = s.suivant = u"Normal";
        s.caracteres.gras = true, s.caracteres.demiPoints = 32, s.paragraphe.espaceApres = 120;
        s.caracteres.langue = u"FR";
    }));
    d.styles().ajouter(avec<Style>([](Style& s) { s.id = s.nom = u"Accent", s.type = TypeStyle::Caractere; }));
    d.appliquerStyle(0, 0, u"Titre1");
    d.appliquerCaracteres(9, 20, avec<FormatCaractere>([](auto& f) {
        f.italique = true, f.couleur = 16711680, f.police = u"Arial", f.surlignage = 7;
        f.langue = u"en-US";
    }));
    d.appliquerCaracteres(0, 2, avec<FormatCaractere>([](auto& f) { f.gras = false; }));
    d.appliquerStyle(22, 25, u"Accent");
    d.appliquerParagraphes(10, 10, avec<FormatParagraphe>([](auto& p) {
        p.alignement = 3, p.retraitGauche = 720, p.retraitPremiereLigne = -360, p.espaceAvant = 240;
        p.interligne = Interligne{RegleLigne::Exacte, 300}, p.ombrage = couleurDIndex(4);
    }));
    d.activerBordures(10, 10, true, 6);
    const int32_t fin = d.longueur();
    d.appliquerParagraphes(fin - 1, fin, avec<FormatParagraphe>([](auto& p) { p.bordures[0] = Bordure{}; }));
    d.insererCaseACocher(6, avec<CaseACocher>([](auto& c) { c.nom = u"R\u00e9ponse", c.coche = true, c.demiPoints = 24; }));
    d.insererCaseACocher(8, avec<CaseACocher>([](auto& c) { c.nom = u"Case2", c.parDefaut = true; }));
    // The whole text, a word, collapsed, across two paragraphs, ending on the first mark.
    for (auto [nom, a, b] : {std::tuple{u"e01", 0, d.longueur()}, {u"s01", 7, 20}, {u"s02", 6, 6}, {u"s03", 3, 15},
                             {u"s04", 5, 6}})
        d.ajouterSignet(nom, a, b);
    d.insererSautDeSection(d.paragraphe(1).fin);
    d.modifierMiseEnPage(1, [](MiseEnPage& m) { m.definirOrientation(1), m.margeHaut = 2835; });
    d.proprietes().protection = 2;
    d.proprietes().cleMotDePasse = u"1A2B3C4D";
    d.proprietes().modeleAttache = u"C:\\Modeles\\Cours.dot";
    d.proprietes().titre = u"Voyage \u00e0 CANGO";
    d.verifierInvariants();
    return d;
}

TEST(WordML, AllerRetour) {
    for (const ModeleDocument& d : {documentRiche(), ModeleDocument()}) {
        std::string xml = ecrireWordML(d);
        EXPECT_NE(xml.find("<?mso-application progid=\"Word.Document\"?>"), std::string::npos);
        ModeleDocument relu = lireWordML(xml);
        relu.verifierInvariants();
        EXPECT_TRUE(relu.memeContenu(d)) << xml;
        EXPECT_EQ(ecrireWordML(relu), xml);
    }
}

// Course documents carry their language in the Normal style; saving must keep it.
TEST(WordML, LangueGardeeAuTraversDUnEnregistrement) {
    std::string xml = Exemple;
    const std::string normal = R"(<w:name w:val="Normal"/>)";
    xml.replace(xml.find(normal), normal.size(), normal + R"(<w:rPr><w:sz w:val="24"/><w:lang w:val="FR"/></w:rPr>)");
    const std::string run = "<w:r><w:t>Texte</w:t></w:r>";
    xml.replace(xml.find(run), run.size(), R"(<w:r><w:rPr><w:lang w:val="en-GB"/></w:rPr><w:t>Texte</w:t></w:r>)");
    ModeleDocument d = lireWordML(xml);
    const Style* s = d.styles().parId(u"Normal");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->caracteres.langue, u"FR");

    std::string ecrit = ecrireWordML(d);
    EXPECT_NE(ecrit.find(R"(<w:lang w:val="FR"/>)"), std::string::npos) << ecrit;
    EXPECT_NE(ecrit.find(R"(<w:lang w:val="en-GB"/>)"), std::string::npos) << ecrit;
    ModeleDocument relu = lireWordML(ecrit);
    EXPECT_TRUE(relu.memeContenu(d)) << ecrit;
    EXPECT_EQ(relu.styles().parId(u"Normal")->caracteres.langue, u"FR");
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
    for (const auto& [octets, cause] : cas) {
        try {
            lireWordML(octets);
            ADD_FAILURE() << "accepted: " << octets.substr(0, 40);
        } catch (const ErreurWordML& e) {
            EXPECT_EQ(e.cause(), cause) << e.what();
        }
    }
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
        ModeleDocument d = lireWordML(
            "<w:wordDocument xmlns:w=\"http://schemas.microsoft.com/office/word/2003/wordml\" "
            "xmlns:aml=\"http://schemas.microsoft.com/aml/2001/core\"><w:body>" + corps + "</w:body></w:wordDocument>");
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
