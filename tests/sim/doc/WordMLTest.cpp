// WordprocessingML 2003: reading Word's structures, round trip, bad input.
#include <gtest/gtest.h>

#include "sim/doc/FFData.hpp"
#include "sim/doc/Outils.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::sim {
namespace {

// The minimal example the format notes give, as Word would write it, wrapped
// in wx:sect and with a whitespace-only run.
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
    <w:p><w:pPr><w:pBdr>
          <w:top w:val="single" w:sz="6" w:space="1" w:color="auto"/><w:left w:val="single" w:sz="6" w:space="4" w:color="auto"/>
          <w:bottom w:val="single" w:sz="6" w:space="1" w:color="auto"/><w:right w:val="single" w:sz="6" w:space="4" w:color="auto"/>
        </w:pBdr><w:shd w:val="solid" w:color="FFFF00" w:fill="FFFF00"/></w:pPr>
      <w:r><w:fldChar w:fldCharType="begin"><w:fldData>/////2UAAAAUAAYAQwBoAGUAYwBrADEAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA</w:fldData></w:fldChar></w:r>
      <w:r><w:instrText> FORMCHECKBOX </w:instrText></w:r>
      <w:r><w:fldChar w:fldCharType="end"/></w:r>
      <w:r><w:t> Case</w:t><w:tab/><w:t>à cocher</w:t></w:r></w:p>
    <w:sectPr><w:pgSz w:w="16838" w:h="11906" w:orient="landscape"/>
      <w:pgMar w:top="2835" w:right="1417" w:bottom="1417" w:left="1417" w:header="708" w:footer="708" w:gutter="0"/></w:sectPr>
  </wx:sect></w:body>
</w:wordDocument>)";

TEST(WordML, LitLExempleDeReference) {
    ModeleDocument d = lireWordML(Exemple);
    d.verifierInvariants();
    EXPECT_EQ(d.texte(), u"Texte en gras justifi\u00e9 & fin.\r\x15 Case\t\u00e0 cocher\r");
    ASSERT_TRUE(d.signet(u"signet1"));
    Etendue s = d.signet(u"Signet1")->etendue;
    EXPECT_EQ(d.texte(s.debut, s.fin), u"en gras");
    EXPECT_EQ(d.formatCaracteres(s.debut, s.fin).gras, true);
    EXPECT_EQ(d.formatCaracteres(0, s.fin).gras, std::nullopt);

    ParagrapheMixte p1 = d.formatParagraphes(0, 1);
    EXPECT_EQ(p1.alignement, 3);
    EXPECT_EQ(p1.retraitGauche, 36.0f);
    EXPECT_EQ(p1.bordures, false);
    ParagrapheMixte p2 = d.formatParagraphes(d.paragraphe(1).debut, d.paragraphe(1).debut);
    EXPECT_EQ(p2.bordures, true);
    for (auto l : p2.largeurBordure) EXPECT_EQ(l, 6);
    EXPECT_EQ(p2.indexOmbrage, 7);

    ASSERT_EQ(d.nombreCases(), 1);
    EXPECT_EQ(d.caseACocher(0).nom, u"Check1");
    EXPECT_FALSE(d.caseACocher(0).coche);
    EXPECT_EQ(d.proprietes().protection, 2);
    EXPECT_FALSE(d.proprietes().aMotDePasse());
    EXPECT_EQ(d.miseEnPageDocument().orientation, 1);
    EXPECT_EQ(d.miseEnPage(0).margeHaut, 2835);
    EXPECT_EQ(d.miseEnPageDocument().margeHaut, 141.75f);
}

ModeleDocument documentRiche() {
    ModeleDocument d = test::document(u"Titre\rUn paragraphe avec <balises> & \"guillemets\".\rDeux\tfin");
    Style titre = test::style(u"Titre1", u"heading 1", TypeStyle::Paragraphe, u"Normal", u"Normal");
    titre.caracteres.gras = true;
    titre.caracteres.demiPoints = 32;
    titre.paragraphe.espaceApres = 120;
    d.styles().ajouter(titre);
    d.styles().ajouter(test::style(u"Accent", u"Accent", TypeStyle::Caractere));
    d.appliquerStyle(0, 0, u"Titre1");
    FormatCaractere f;
    f.italique = true;
    f.couleur = 16711680;
    f.police = u"Arial";
    f.surlignage = 7;
    d.appliquerCaracteres(9, 20, f);
    FormatCaractere pasGras;
    pasGras.gras = false;
    d.appliquerCaracteres(0, 2, pasGras);
    d.appliquerStyle(22, 25, u"Accent");
    FormatParagraphe p;
    p.retraitGauche = 720;
    p.retraitPremiereLigne = -360;
    p.espaceAvant = 240;
    p.alignement = 3;
    p.interligne = Interligne{RegleLigne::Exacte, 300};
    p.ombrage = couleurDIndex(4);
    d.appliquerParagraphes(10, 10, p);
    d.activerBordures(10, 10, true, 6);
    FormatParagraphe sansHaut;
    sansHaut.bordures[0] = Bordure{};
    d.appliquerParagraphes(d.longueur() - 1, d.longueur(), sansHaut);
    d.insererCaseACocher(6, test::caseNommee(u"Case1", true, 24));
    d.insererCaseACocher(8, test::caseNommee(u"Case2"));
    d.ajouterSignet(u"e01", 0, d.longueur());
    d.ajouterSignet(u"s01", 7, 20);
    d.ajouterSignet(u"s02", 6, 6);
    d.ajouterSignet(u"s03", 3, 15);  // across two paragraphs
    d.ajouterSignet(u"s04", 5, 6);   // ends on the first mark
    d.insererSautDeSection(d.paragraphe(1).fin);
    d.modifierMiseEnPage(1, [](MiseEnPage& m) {
        m.definirOrientation(1);
        m.margeHaut = 2835;
    });
    d.proprietes().protection = 2;
    d.proprietes().cleMotDePasse = u"1A2B3C4D";
    d.proprietes().modeleAttache = u"C:\\Modeles\\Cours.dot";
    d.proprietes().titre = u"Voyage \u00e0 CANGO";
    d.verifierInvariants();
    return d;
}

TEST(WordML, AllerRetour) {
    ModeleDocument d = documentRiche();
    std::string xml = ecrireWordML(d);
    EXPECT_NE(xml.find("<?mso-application progid=\"Word.Document\"?>"), std::string::npos);
    EXPECT_NE(xml.find("<w:view w:val=\"print\"/>"), std::string::npos);
    EXPECT_NE(xml.find("w:styleId=\"Normal\""), std::string::npos);
    ModeleDocument relu = lireWordML(xml);
    relu.verifierInvariants();
    EXPECT_TRUE(relu.memeContenu(d)) << xml;
    EXPECT_EQ(ecrireWordML(relu), xml);
    EXPECT_EQ(relu.nombreSections(), 2);
    EXPECT_TRUE(relu.caseACocher(0).coche);
    EXPECT_EQ(relu.formatCaracteres(0, 2).gras, false);
    EXPECT_EQ(relu.formatCaracteres(2, 5).gras, true);
}

TEST(WordML, AllerRetourDUnDocumentVide) {
    ModeleDocument d;
    ModeleDocument relu = lireWordML(ecrireWordML(d));
    EXPECT_TRUE(relu.memeContenu(d));
    EXPECT_EQ(relu.texte(), u"\r");
}

struct CasMalForme {
    const char* nom;
    std::string octets;
    ErreurWordML::Cause cause;
};

class Malforme : public ::testing::TestWithParam<CasMalForme> {};

TEST_P(Malforme, ErreurTypee) {
    try {
        lireWordML(GetParam().octets);
        FAIL() << "accepted";
    } catch (const ErreurWordML& e) {
        EXPECT_EQ(e.cause(), GetParam().cause) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Malforme,
    ::testing::Values(CasMalForme{"Vide", "", ErreurWordML::Cause::PasXml},
                      CasMalForme{"Texte", "Bonjour", ErreurWordML::Cause::PasXml},
                      CasMalForme{"Binaire", std::string("\xD0\xCF\x11\xE0\0\0", 6), ErreurWordML::Cause::PasXml},
                      CasMalForme{"Tronque", Exemple.substr(0, Exemple.size() / 2), ErreurWordML::Cause::PasXml},
                      CasMalForme{"BalisesCroisees", "<a><b></a></b>", ErreurWordML::Cause::PasXml},
                      CasMalForme{"ImbricationProfonde", std::string(200000, '<'), ErreurWordML::Cause::PasXml},
                      CasMalForme{"AutreRacine", "<?xml version=\"1.0\"?><html><body/></html>",
                                  ErreurWordML::Cause::PasWordML},
                      CasMalForme{"MauvaisEspaceDeNoms",
                                  "<w:wordDocument xmlns:w=\"urn:autre\"><w:body/></w:wordDocument>",
                                  ErreurWordML::Cause::PasWordML}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(WordML, TouteTroncatureEstRefuseeOuLue) {
    // Every prefix of a real document either reads or fails with ErreurWordML.
    std::string xml = ecrireWordML(documentRiche());
    for (size_t n = 0; n < xml.size(); n += 7) {
        try {
            ModeleDocument d = lireWordML(xml.substr(0, n));
            d.verifierInvariants();
        } catch (const ErreurWordML&) {
        }
    }
}

struct CasTolere {
    const char* nom;
    std::string corps;  // inside w:body
    std::u16string texte;
    int32_t cases;
};

class Tolere : public ::testing::TestWithParam<CasTolere> {};

TEST_P(Tolere, LuSansErreur) {
    std::string xml =
        "<w:wordDocument xmlns:w=\"http://schemas.microsoft.com/office/word/2003/wordml\" "
        "xmlns:aml=\"http://schemas.microsoft.com/aml/2001/core\"><w:body>" +
        GetParam().corps + "</w:body></w:wordDocument>";
    ModeleDocument d = lireWordML(xml);
    d.verifierInvariants();
    EXPECT_EQ(d.texte(), GetParam().texte);
    EXPECT_EQ(d.nombreCases(), GetParam().cases);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Tolere,
    ::testing::Values(
        CasTolere{"CorpsVide", "", u"\r", 0},
        CasTolere{"ElementsInconnus", "<w:p><w:inconnu a=\"1\"><w:x/></w:inconnu><w:r><w:t>a</w:t></w:r></w:p>",
                  u"a\r", 0},
        CasTolere{"AttributsIllisibles",
                  "<w:p><w:pPr><w:ind w:left=\"abc\"/><w:jc w:val=\"?\"/></w:pPr><w:r><w:rPr><w:sz w:val=\"x\"/>"
                  "<w:color w:val=\"ZZZZZZ\"/></w:rPr><w:t>a</w:t></w:r></w:p>",
                  u"a\r", 0},
        CasTolere{"Base64Invalide",
                  "<w:p><w:r><w:fldChar w:fldCharType=\"begin\"><w:fldData>@@@</w:fldData></w:fldChar></w:r>"
                  "<w:r><w:instrText>FORMCHECKBOX</w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r>"
                  "</w:p>",
                  u"\x15\r", 1},
        CasTolere{"ChampSansFin", "<w:p><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:t>x</w:t></w:r></w:p>",
                  u"\r", 0},
        CasTolere{"ResultatDeChampGarde",
                  "<w:p><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>PAGE</w:instrText></w:r>"
                  "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>3</w:t></w:r>"
                  "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>",
                  u"3\r", 0},
        CasTolere{"FinDeSignetSansDebut",
                  "<w:p><aml:annotation aml:id=\"9\" w:type=\"Word.Bookmark.End\"/><w:r><w:t>a</w:t></w:r></w:p>",
                  u"a\r", 0},
        CasTolere{"TableauxEtLiens",
                  "<w:tbl><w:tr><w:tc><w:p><w:hlink><w:r><w:t>a</w:t></w:r></w:hlink></w:p></w:tc></w:tr></w:tbl>",
                  u"a\r", 0},
        CasTolere{"UTF8Invalide", "<w:p><w:r><w:t>\xC3(\xFF</w:t></w:r></w:p>", u"\uFFFD(\uFFFD\r", 0},
        CasTolere{"SautsEtSymboles",
                  "<w:p><w:r><w:t>a</w:t><w:br/><w:br w:type=\"page\"/><w:sym w:char=\"F0E8\"/>"
                  "<w:sym w:char=\"zz\"/></w:r></w:p>",
                  u"a\x0B\x0C\uF0E8\r", 0}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(WordML, EspaceDeNomsParDefautEtRetoursALaLigne) {
    ModeleDocument d = lireWordML(
        "<wordDocument xmlns=\"http://schemas.microsoft.com/office/word/2003/wordml\"><body>"
        "<p><pPr><jc val=\"center\"/></pPr><r><t>a\nb</t></r></p></body></wordDocument>");
    EXPECT_EQ(d.texte(), u"a b\r");
    EXPECT_EQ(d.formatParagraphe(0).alignement, 1);
}

TEST(FFData, CaseConnueDecodee) {
    auto octets = decodeBase64("/////2UAAAAUAAYAQwBoAGUAYwBrADEAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA");
    ASSERT_TRUE(octets);
    auto c = lireFFData(*octets);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->nom, u"Check1");
    EXPECT_EQ(c->demiPoints, 20);
    EXPECT_FALSE(c->coche);  // iRes 25, default unchecked

    std::string coche = *octets;
    coche[26] = 1;  // wDef: checked by default, iRes still "undefined"
    EXPECT_TRUE(lireFFData(coche)->coche);
    EXPECT_FALSE(lireFFData(octets->substr(0, 15)));   // truncated name
    EXPECT_FALSE(lireFFData("\x01\x02\x03\x04\x05"));  // not version -1
}

TEST(FFData, EcritureRelue) {
    for (bool etat : {false, true}) {
        CaseACocher c = test::caseNommee(u"R\u00e9ponse", etat, 24, !etat);
        std::string b64 = encodeBase64(ecrireFFData(c));
        auto relue = lireFFData(*decodeBase64(b64));
        ASSERT_TRUE(relue);
        EXPECT_EQ(relue->coche, etat);
        EXPECT_EQ(relue->nom, c.nom);
        EXPECT_EQ(relue->parDefaut, c.parDefaut);
        EXPECT_EQ(relue->demiPoints, 24);
    }
}

TEST(Base64, CasLimites) {
    EXPECT_EQ(decodeBase64("TWE="), "Ma");
    EXPECT_EQ(decodeBase64("TWFu\nTQ=="), "ManM");
    EXPECT_EQ(decodeBase64("TWE"), "Ma");  // padding left out
    EXPECT_FALSE(decodeBase64("TW=E"));
    EXPECT_FALSE(decodeBase64("T"));
    EXPECT_FALSE(decodeBase64("TW*="));
    EXPECT_EQ(encodeBase64("Ma"), "TWE=");
    EXPECT_EQ(encodeBase64("M"), "TQ==");
}

TEST(WordML, Ressemblance) {
    EXPECT_TRUE(ressembleWordML(Exemple));
    EXPECT_FALSE(ressembleWordML("PK\x03\x04"));
    EXPECT_FALSE(ressembleWordML(""));
}

}  // namespace
}  // namespace k58204::sim
