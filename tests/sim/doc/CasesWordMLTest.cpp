// Check boxes read from WordprocessingML: the binary w:fldData record Word
// writes, or the XML w:ffData description other programs write.
#include <gtest/gtest.h>

#include "sim/doc/Outils.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::sim {
namespace {

// An unchecked box named Check1, hps 20, as Word writes it.
constexpr const char* Check1 = "/////2UAAAAUAAYAQwBoAGUAYwBrADEAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA";

std::string champ(const std::string& dansBegin) {
    return test::corpsWordML("<w:p><w:r><w:fldChar w:fldCharType=\"begin\">" + dansBegin + "</w:fldChar></w:r>"
                             "<w:r><w:instrText> FORMCHECKBOX </w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>");
}
std::string fldData(std::string_view base64) {
    std::string x = "<w:fldData>";
    x.append(base64);
    return x.append("</w:fldData>");
}
std::string ffData(const std::string& boite, const char* nom = "Case1") {
    return std::string("<w:ffData><w:name w:val=\"") + nom + "\"/><w:enabled/><w:calcOnExit w:val=\"off\"/>" +
           boite + "</w:ffData>";
}

TEST(CasesWordML, EtatLuDuFfDataXmlOuDuFldData) {
    struct Cas {
        std::string dansBegin;
        CaseACocher attendu;  // position 0 in each document
    };
    auto cc = [](const char16_t* nom, bool coche, bool parDefaut, int32_t demiPoints = 20) {
        CaseACocher c;
        c.nom = nom, c.coche = coche, c.parDefaut = parDefaut, c.demiPoints = demiPoints;
        return c;
    };
    const Cas cas[] = {
        {ffData("<w:checkBox><w:sizeAuto/><w:default w:val=\"off\"/><w:checked/></w:checkBox>"),
         cc(u"Case1", true, false)},
        {ffData("<w:checkBox><w:default w:val=\"on\"/><w:checked w:val=\"off\"/></w:checkBox>"),
         cc(u"Case1", false, true)},
        // No w:checked: the box shows its default.
        {ffData("<w:checkBox><w:default/></w:checkBox>"), cc(u"Case1", true, true)},
        {ffData("<w:checkBox><w:size w:val=\"24\"/><w:checked w:val=\"1\"/></w:checkBox>", "R\xC3\xA9ponse"),
         cc(u"R\u00e9ponse", true, false, 24)},
        // Not a check box's description: an unnamed, unchecked box.
        {ffData("<w:textInput/>"), cc(u"", false, false)},
        // Both: Word's binary record wins; an unreadable one gives way to the XML.
        {fldData(Check1) + ffData("<w:checkBox><w:checked/></w:checkBox>"),
         cc(u"Check1", false, false)},
        {fldData("@@@") + ffData("<w:checkBox><w:checked/></w:checkBox>"), cc(u"Case1", true, false)},
    };
    for (const auto& c : cas) {
        ModeleDocument d = lireWordML(champ(c.dansBegin));
        d.verifierInvariants();
        ASSERT_EQ(d.nombreCases(), 1) << c.dansBegin;
        EXPECT_EQ(d.caseACocher(0), c.attendu) << c.dansBegin;
        // Written back as Word 2003 writes it, the binary record alone, and read the same.
        std::string xml = ecrireWordML(d);
        EXPECT_EQ(xml.find("ffData"), std::string::npos);
        EXPECT_NE(xml.find("<w:fldData"), std::string::npos);
        EXPECT_TRUE(lireWordML(xml).memeContenu(d)) << xml;
    }
}

}  // namespace
}  // namespace k58204::sim
