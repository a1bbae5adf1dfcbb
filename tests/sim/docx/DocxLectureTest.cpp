// A .docx reads as the same document as its WordprocessingML 2003 twin, for
// each thing the checks read.
#include <gtest/gtest.h>

#include "sim/doc/FFData.hpp"
#include "sim/doc/WordML.hpp"
#include "sim/docx/Docx.hpp"
#include "sim/docx/Paquets.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {
namespace {

using test::PartiesDocx;

// A 2006 document without sizes shows 10 pt: the twin's Normal style says so.
constexpr std::string_view Normal10 =
    R"(<w:style w:type="paragraph" w:default="on" w:styleId="Normal"><w:name w:val="Normal"/>)"
    R"(<w:rPr><w:sz w:val="20"/></w:rPr></w:style>)";

struct Jumeau {
    std::string fonts = {};   // w:fonts content
    std::string styles = std::string(Normal10);
    std::string docPr = {};
    std::string proprietes = {};  // o:DocumentProperties content
    std::string custom = {};      // o:CustomDocumentProperties content
    std::string corps = {};
};

std::string wordml2003(const Jumeau& j) {
    std::string x = R"(<?xml version="1.0" encoding="UTF-8"?><w:wordDocument)"
                    R"( xmlns:w="http://schemas.microsoft.com/office/word/2003/wordml")"
                    R"( xmlns:aml="http://schemas.microsoft.com/aml/2001/core")"
                    R"( xmlns:o="urn:schemas-microsoft-com:office:office">)";
    if (!j.proprietes.empty()) x += "<o:DocumentProperties>" + j.proprietes + "</o:DocumentProperties>";
    if (!j.custom.empty()) x += "<o:CustomDocumentProperties>" + j.custom + "</o:CustomDocumentProperties>";
    if (!j.fonts.empty()) x += "<w:fonts>" + j.fonts + "</w:fonts>";
    x += "<w:styles>" + j.styles + "</w:styles>";
    if (!j.docPr.empty()) x += "<w:docPr>" + j.docPr + "</w:docPr>";
    return x + "<w:body>" + j.corps + "</w:body></w:wordDocument>";
}

std::string caseFFData(bool coche, bool parDefaut, int32_t demiPoints) {
    CaseACocher c;
    c.nom = u"Case1";
    c.coche = coche;
    c.parDefaut = parDefaut;
    c.demiPoints = demiPoints;
    return R"(<w:r><w:fldChar w:fldCharType="begin"><w:fldData>)" + encodeBase64(ecrireFFData(c)) +
           R"(</w:fldData></w:fldChar></w:r><w:r><w:instrText> FORMCHECKBOX </w:instrText></w:r>)"
           R"(<w:r><w:fldChar w:fldCharType="end"/></w:r>)";
}
std::string case2006(std::string_view boite) {
    return R"(<w:r><w:fldChar w:fldCharType="begin"><w:ffData><w:name w:val="Case1"/><w:enabled/><w:checkBox>)" +
           std::string(boite) +
           R"(</w:checkBox></w:ffData></w:fldChar></w:r><w:r><w:instrText xml:space="preserve"> FORMCHECKBOX </w:instrText></w:r>)"
           R"(<w:r><w:fldChar w:fldCharType="separate"/></w:r><w:r><w:fldChar w:fldCharType="end"/></w:r>)";
}
std::string p(std::string_view contenu) { return "<w:p>" + std::string(contenu) + "</w:p>"; }
std::string r(std::string_view texte) { return "<w:r><w:t>" + std::string(texte) + "</w:t></w:r>"; }

const std::string DeuxSections =
    p(R"(<w:pPr><w:sectPr><w:pgSz w:w="16838" w:h="11906" w:orient="landscape"/><w:pgMar w:top="2835" w:right="1417" w:bottom="1417" w:left="1417" w:header="708" w:footer="708" w:gutter="0"/></w:sectPr></w:pPr>)" + r("paysage")) +
    p(r("portrait")) + R"(<w:sectPr><w:pgSz w:w="11906" w:h="16838"/><w:pgMar w:top="1417" w:right="1134" w:bottom="1417" w:left="2880" w:header="709" w:footer="709" w:gutter="284"/></w:sectPr>)";

struct CasJumeau {
    const char* nom;
    PartiesDocx docx;
    Jumeau jumeau;
};

// clang-format off
const CasJumeau Jumeaux[] = {
    {"protection_formulaires", {.corps = p(r("a")), .reglages = R"(<w:documentProtection w:edit="forms" w:enforcement="1"/>)"},
     {.docPr = R"(<w:documentProtection w:edit="forms" w:enforcement="on"/>)", .corps = p(r("a"))}},
    {"protection_lecture_seule_true", {.corps = p(r("a")), .reglages = R"(<w:documentProtection w:edit="readOnly" w:enforcement="true"/>)"},
     {.docPr = R"(<w:documentProtection w:edit="read-only" w:enforcement="on"/>)", .corps = p(r("a"))}},
    {"protection_revisions_on", {.corps = p(r("a")), .reglages = R"(<w:documentProtection w:edit="trackedChanges" w:enforcement="on"/>)"},
     {.docPr = R"(<w:documentProtection w:edit="tracked-changes" w:enforcement="on"/>)", .corps = p(r("a"))}},
    // Not enforced, or enforced with no edit restriction named: no protection.
    {"protection_non_appliquee", {.corps = p(r("a")), .reglages = R"(<w:documentProtection w:edit="forms" w:enforcement="0"/>)"},
     {.corps = p(r("a"))}},
    // The salted hash cannot give the 2003 key back: read without password.
    {"protection_mot_de_passe_hache", {.corps = p(r("a")), .reglages =
        R"(<w:documentProtection w:edit="comments" w:enforcement="1" w:cryptProviderType="rsaFull" w:cryptAlgorithmSid="4" w:cryptSpinCount="100000" w:hash="9ZKg3PzdcJ4oA2NKCe0dVaXQnBU=" w:salt="Wl8wSgfnWJDmuqDUlYRfzw=="/>)"},
     {.docPr = R"(<w:documentProtection w:edit="comments" w:enforcement="on"/>)", .corps = p(r("a"))}},
    {"reglages_vue_zoom_tabulation_modele",
     {.corps = p(r("a")), .reglages = R"(<w:view w:val="normal"/><w:zoom w:percent="150"/><w:attachedTemplate r:id="rId1"/><w:defaultTabStop w:val="720"/>)",
      .reglagesRels = R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/attachedTemplate" Target="file:///C:\Cours\Mod%C3%A8le%20cours.dot" TargetMode="External"/>)"},
     {.docPr = R"(<w:view w:val="normal"/><w:zoom w:percent="150"/><w:attachedTemplate w:val="C:\Cours\Modèle cours.dot"/><w:defaultTabStop w:val="720"/>)",
      .corps = p(r("a"))}},
    {"case_cochee", {.corps = p(case2006(R"(<w:size w:val="24"/><w:default w:val="0"/><w:checked/>)"))},
     {.corps = p(caseFFData(true, false, 24))}},
    {"case_decochee_defaut_coche", {.corps = p(case2006(R"(<w:sizeAuto/><w:default w:val="1"/><w:checked w:val="0"/>)"))},
     {.corps = p(caseFFData(false, true, 20))}},
    // Without w:checked the box shows its default.
    {"case_defaut_seul", {.corps = p(case2006(R"(<w:sizeAuto/><w:default w:val="true"/>)"))},
     {.corps = p(caseFFData(true, true, 20))}},
    {"case_champ_simple", {.corps = p(r("x") + R"(<w:fldSimple w:instr=" FORMCHECKBOX "><w:r><w:rPr><w:b/></w:rPr><w:t>?</w:t></w:r></w:fldSimple>)")},
     {.corps = p(r("x") + R"(<w:r><w:rPr><w:b/></w:rPr><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText>FORMCHECKBOX</w:instrText></w:r><w:r><w:rPr><w:b/></w:rPr><w:fldChar w:fldCharType="end"/></w:r>)")}},
    {"signets_imbriques_et_chevauchants",
     {.corps = R"(<w:bookmarkStart w:id="0" w:name="e01"/>)" + p(r("un ") + R"(<w:bookmarkStart w:id="1" w:name="s01"/>)" + r("deux") +
               R"(<w:bookmarkStart w:id="2" w:name="s02"/>)" + r(" trois") + R"(<w:bookmarkEnd w:id="1"/>)") +
               p(r("quatre") + R"(<w:bookmarkEnd w:id="2"/>)") + R"(<w:bookmarkEnd w:id="0"/>)"},
     {.corps = R"(<aml:annotation aml:id="0" w:type="Word.Bookmark.Start" w:name="e01"/>)" +
               p(r("un ") + R"(<aml:annotation aml:id="1" w:type="Word.Bookmark.Start" w:name="s01"/>)" + r("deux") +
                 R"(<aml:annotation aml:id="2" w:type="Word.Bookmark.Start" w:name="s02"/>)" + r(" trois") +
                 R"(<aml:annotation aml:id="1" w:type="Word.Bookmark.End"/>)") +
               p(r("quatre") + R"(<aml:annotation aml:id="2" w:type="Word.Bookmark.End"/>)") +
               R"(<aml:annotation aml:id="0" w:type="Word.Bookmark.End"/>)"}},
    // Sections are written alike in both vocabularies.
    {"sections_mise_en_page", {.corps = DeuxSections}, {.corps = DeuxSections}},
    {"bordures_caractere_et_surlignage",
     {.corps = p(R"(<w:r><w:rPr><w:bdr w:val="dotDash" w:sz="12" w:space="2" w:color="FF0000"/><w:highlight w:val="darkBlue"/></w:rPr><w:t>a</w:t></w:r>)"
                 R"(<w:r><w:rPr><w:bdr w:val="dashSmallGap" w:sz="4"/><w:highlight w:val="lightGray"/></w:rPr><w:t>b</w:t></w:r>)"
                 R"(<w:r><w:rPr><w:bdr w:val="nil"/></w:rPr><w:t>c</w:t></w:r>)")},
     {.corps = p(R"(<w:r><w:rPr><w:bdr w:val="dot-dash" w:sz="12" w:space="2" w:color="FF0000"/><w:highlight w:val="dark-blue"/></w:rPr><w:t>a</w:t></w:r>)"
                 R"(<w:r><w:rPr><w:bdr w:val="dash-small-gap" w:sz="4"/><w:highlight w:val="light-gray"/></w:rPr><w:t>b</w:t></w:r>)"
                 R"(<w:r><w:rPr><w:bdr w:val="nil"/></w:rPr><w:t>c</w:t></w:r>)")}},
    {"paragraphes_retraits_interlignes_alignements",
     {.corps = p(R"(<w:pPr><w:ind w:start="720" w:end="360" w:firstLine="283"/><w:spacing w:before="120" w:after="240" w:line="300" w:lineRule="atLeast"/><w:jc w:val="start"/></w:pPr>)" + r("a")) +
               p(R"(<w:pPr><w:ind w:left="1440" w:hanging="567"/><w:spacing w:line="360" w:lineRule="auto"/><w:jc w:val="end"/></w:pPr>)" + r("b")) +
               p(R"(<w:pPr><w:spacing w:line="280" w:lineRule="exact"/><w:jc w:val="both"/><w:pBdr><w:top w:val="double" w:sz="6"/><w:start w:val="single" w:sz="4"/></w:pBdr></w:pPr>)" + r("c")) +
               p(R"(<w:pPr><w:jc w:val="center"/></w:pPr>)" + r("d"))},
     {.corps = p(R"(<w:pPr><w:ind w:left="720" w:right="360" w:first-line="283"/><w:spacing w:before="120" w:after="240" w:line="300" w:line-rule="at-least"/><w:jc w:val="left"/></w:pPr>)" + r("a")) +
               p(R"(<w:pPr><w:ind w:left="1440" w:hanging="567"/><w:spacing w:line="360" w:line-rule="auto"/><w:jc w:val="right"/></w:pPr>)" + r("b")) +
               p(R"(<w:pPr><w:spacing w:line="280" w:line-rule="exact"/><w:jc w:val="both"/><w:pBdr><w:top w:val="double" w:sz="6"/><w:left w:val="single" w:sz="4"/></w:pBdr></w:pPr>)" + r("c")) +
               p(R"(<w:pPr><w:jc w:val="center"/></w:pPr>)" + r("d"))}},
    {"styles_et_defauts",
     {.corps = p(R"(<w:pPr><w:pStyle w:val="Titre1"/></w:pPr><w:r><w:rPr><w:rStyle w:val="Accent"/><w:rFonts w:hAnsi="Verdana"/></w:rPr><w:t>a</w:t></w:r>)"),
      .styles = R"(<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Arial" w:hAnsi="Arial"/><w:sz w:val="22"/><w:lang w:val="fr-FR"/></w:rPr></w:rPrDefault></w:docDefaults>)"
                R"(<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style>)"
                R"(<w:style w:type="paragraph" w:styleId="Titre1"><w:name w:val="heading 1"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:spacing w:before="240"/></w:pPr><w:rPr><w:b/><w:sz w:val="32"/></w:rPr></w:style>)"
                R"(<w:style w:type="character" w:styleId="Accent"><w:name w:val="Accent"/><w:rPr><w:i/></w:rPr></w:style>)"
                R"(<w:style w:type="table" w:styleId="Grille"><w:name w:val="Table Grid"/></w:style>)"},
     {.fonts = R"(<w:defaultFonts w:ascii="Arial" w:h-ansi="Arial"/>)",
      .styles = R"(<w:style w:type="paragraph" w:default="on" w:styleId="Normal"><w:name w:val="Normal"/><w:rPr><w:sz w:val="22"/><w:lang w:val="fr-FR"/></w:rPr></w:style>)"
                R"(<w:style w:type="paragraph" w:styleId="Titre1"><w:name w:val="heading 1"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:spacing w:before="240"/></w:pPr><w:rPr><w:b/><w:sz w:val="32"/></w:rPr></w:style>)"
                R"(<w:style w:type="character" w:styleId="Accent"><w:name w:val="Accent"/><w:rPr><w:i/></w:rPr></w:style>)",
      .corps = p(R"(<w:pPr><w:pStyle w:val="Titre1"/></w:pPr><w:r><w:rPr><w:rStyle w:val="Accent"/><w:rFonts w:h-ansi="Verdana"/></w:rPr><w:t>a</w:t></w:r>)")}},
    // Fonts named by the theme are the theme's: body (minor) and headings (major).
    {"polices_du_theme",
     {.corps = p(R"(<w:r><w:t>corps</w:t></w:r><w:r><w:rPr><w:rFonts w:asciiTheme="majorHAnsi" w:hAnsiTheme="majorHAnsi"/></w:rPr><w:t>titre</w:t></w:r>)"
                 R"(<w:r><w:rPr><w:rFonts w:eastAsiaTheme="minorEastAsia"/></w:rPr><w:t>rien</w:t></w:r>)"),
      .styles = R"(<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:asciiTheme="minorHAnsi" w:hAnsiTheme="minorHAnsi"/></w:rPr></w:rPrDefault></w:docDefaults>)",
      .theme = R"(<a:majorFont><a:latin typeface="Cambria"/></a:majorFont><a:minorFont><a:latin typeface="Calibri"/></a:minorFont>)"},
     {.fonts = R"(<w:defaultFonts w:ascii="Calibri"/>)",
      .corps = p(R"(<w:r><w:t>corps</w:t></w:r><w:r><w:rPr><w:rFonts w:ascii="Cambria"/></w:rPr><w:t>titre</w:t></w:r><w:r><w:t>rien</w:t></w:r>)")}},
    {"titre_auteur_mot_de_passe_ouverture",
     {.corps = p(r("a")), .core = "<dc:title>Voyage à CANGO</dc:title><dc:creator>Élève &amp; co</dc:creator>",
      .custom = R"(<property fmtid="{D5CDD505-2E9C-101B-9397-08002B2CF9AE}" pid="2" name="MotDePasseOuverture"><vt:lpwstr>1A2B3C4D</vt:lpwstr></property>)"},
     {.proprietes = "<o:Title>Voyage à CANGO</o:Title><o:Author>Élève &amp; co</o:Author>",
      .custom = "<o:MotDePasseOuverture>1A2B3C4D</o:MotDePasseOuverture>", .corps = p(r("a"))}},
    // Containers of 2006: their text is read once; deleted and moved-away text is not.
    {"conteneurs_et_revisions",
     {.corps = R"(<w:sdt><w:sdtPr><w:alias w:val="x"/></w:sdtPr><w:sdtContent>)" + p(
                   R"(<w:hyperlink r:id="rId9"><w:r><w:t>lien </w:t></w:r></w:hyperlink>)"
                   R"(<w:customXml w:element="nom"><w:r><w:t>xml </w:t></w:r></w:customXml>)"
                   R"(<w:sdt><w:sdtContent><w:r><w:t>champ </w:t></w:r></w:sdtContent></w:sdt>)"
                   R"(<w:ins w:id="1" w:author="a"><w:r><w:t>ajout </w:t></w:r></w:ins>)"
                   R"(<w:del w:id="2" w:author="a"><w:r><w:delText>retiré </w:delText></w:r></w:del>)"
                   R"(<w:moveFrom w:id="3" w:author="a"><w:r><w:t>parti </w:t></w:r></w:moveFrom>)"
                   R"(<w:moveTo w:id="4" w:author="a"><w:r><w:t>arrivé </w:t></w:r></w:moveTo>)"
                   R"(<mc:AlternateContent><mc:Choice Requires="w14"><w:r><w:t>choix</w:t></w:r></mc:Choice><mc:Fallback><w:r><w:t>repli</w:t></w:r></mc:Fallback></mc:AlternateContent>)") +
               R"(</w:sdtContent></w:sdt>)" +
               R"(<mc:AlternateContent><mc:Choice Requires="w14">)" + p(r("choix")) + "</mc:Choice><mc:Fallback>" + p(r("repli")) +
               "</mc:Fallback></mc:AlternateContent>" +
               R"(<w:tbl><w:tr><w:sdt><w:sdtContent><w:tc>)" + p(r("cellule")) + "</w:tc></w:sdtContent></w:sdt></w:tr></w:tbl>"},
     {.corps = p(r("lien xml champ ajout arrivé repli")) + p(r("repli")) + p(r("cellule"))}},
};
// clang-format on

class DocxJumeau : public ::testing::TestWithParam<CasJumeau> {};

TEST_P(DocxJumeau, SeLitCommeSonJumeau2003) {
    const CasJumeau& c = GetParam();
    std::vector<std::string> avertissements;
    ModeleDocument lu = lireDocx(test::docx(c.docx), avertissements);
    ModeleDocument attendu = lireWordML(wordml2003(c.jumeau));
    lu.verifierInvariants();
    EXPECT_TRUE(lu.memeContenu(attendu)) << versUtf8(lu.texte()) << " / " << versUtf8(attendu.texte());
    EXPECT_EQ(lu.proprietes(), attendu.proprietes());
    EXPECT_TRUE(avertissements.empty());
}

INSTANTIATE_TEST_SUITE_P(Docx, DocxJumeau, ::testing::ValuesIn(Jumeaux),
                         [](const auto& info) { return std::string(info.param.nom); });

// The bookmarks the 2003 reader drops with a warning are dropped alike, the id named as 2006 names it.
TEST(DocxSignets, MemesAvertissementsQueLeLecteur2003) {
    std::vector<std::string> avertissements;
    lireDocx(test::docx({.corps = p(R"(<w:bookmarkStart w:id="7" w:name="seul"/>)" + r("a") +
                                    R"(<w:bookmarkEnd w:id="9"/><w:bookmarkStart w:id="3" w:name="ok"/><w:bookmarkEnd w:id="3"/>)")}),
             avertissements);
    EXPECT_EQ(avertissements, (std::vector<std::string>{
                                  "fin de signet ignorée : aucun début de signet n'a l'w:id 9",
                                  "signet « seul » ignoré : son début (w:id 7) n'a pas de fin",
                              }));
}

// The main part and its styles are found through the relationships, wherever they are.
TEST(DocxRelations, PartiesTrouveesParLeursRelations) {
    const std::string corps = test::documentXml2006(p(R"(<w:pPr><w:pStyle w:val="T"/></w:pPr>)" + r("ailleurs")));
    const std::string styles = "<w:styles" + std::string(test::EspacesW2006) +
                               R"(><w:style w:type="paragraph" w:styleId="T"><w:name w:val="T"/><w:rPr><w:b/></w:rPr></w:style></w:styles>)";
    std::string zip = test::archiveZip({
        {"_rels/.rels", test::relations(test::relation("rId1", "officeDocument", "/contenu/principal.xml"))},
        {"contenu/principal.xml", corps},
        {"contenu/_rels/principal.xml.rels", test::relations(test::relation("rId1", "styles", "../mise/forme.xml"))},
        {"mise/forme.xml", styles},
        {"word/document.xml", test::documentXml2006(p(r("leurre")))},
    });
    std::vector<std::string> avertissements;
    ModeleDocument d = lireDocx(zip, avertissements);
    EXPECT_EQ(d.texte(), u"ailleurs\r");
    ASSERT_NE(d.styles().parId(u"T"), nullptr);
    EXPECT_EQ(d.styles().parId(u"T")->caracteres.gras, true);
}

// Saved in its strict form, the same document under other namespace names reads the same.
TEST(DocxStrict, SeLitCommeLaFormeTransitionnelle) {
    PartiesDocx parties{.corps = p(R"(<w:pPr><w:jc w:val="end"/></w:pPr><w:bookmarkStart w:id="0" w:name="s01"/>)" + r("a") +
                                   R"(<w:bookmarkEnd w:id="0"/>)"),
                        .reglages = R"(<w:documentProtection w:edit="forms" w:enforcement="true"/><w:attachedTemplate r:id="rId1"/>)",
                        .reglagesRels = R"(<Relationship Id="rId1" Type="x/attachedTemplate" Target="C:\M.dot" TargetMode="External"/>)"};
    auto entrees = test::entreesDocx(parties);
    auto strict = entrees;
    auto remplaceTout = [](std::string& s, std::string_view de, std::string_view par) {
        for (size_t i = s.find(de); i != std::string::npos; i = s.find(de, i + par.size())) s.replace(i, de.size(), par);
    };
    for (auto& e : strict) {
        remplaceTout(e.octets, "http://schemas.openxmlformats.org/wordprocessingml/2006/main",
                     "http://purl.oclc.org/ooxml/wordprocessingml/main");
        remplaceTout(e.octets, "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
                     "http://purl.oclc.org/ooxml/officeDocument/relationships");
    }
    std::vector<std::string> avertissements;
    ModeleDocument transitionnel = lireDocx(test::archiveZip(entrees), avertissements);
    ModeleDocument lu = lireDocx(test::archiveZip(strict), avertissements);
    EXPECT_TRUE(lu.memeContenu(transitionnel));
    EXPECT_EQ(lu.proprietes().protection, 2);
    EXPECT_EQ(lu.proprietes().modeleAttache, u"C:\\M.dot");
    EXPECT_EQ(lu.signets().size(), 1u);
}

}  // namespace
}  // namespace k58204::sim
