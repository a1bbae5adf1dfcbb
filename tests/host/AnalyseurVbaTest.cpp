// The VBA parser's literals and constant expressions. Its error messages are
// checked through the script reader (LecteurScriptTest), with file and line.
#include <gtest/gtest.h>

#include "host/AnalyseurVba.hpp"
#include "host/Evaluateur.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon {
namespace {

TEST(AnalyseurVba, ExpressionsConstantes) {
    struct Cas {
        const char16_t* texte;
        Variant valeur;
    };
    for (const Cas& c : {Cas{u"\"a\" & vbCr & Chr(9) & 1", Variant(u"a\r\t1")}, Cas{u"TRUE", Variant(true)},
                         Cas{u"-(3)", Variant(int32_t{-3})}, Cas{u"WDLINE", Variant(int32_t{5})},
                         Cas{u"wdColorBlue", Variant(int32_t{16711680})}, Cas{u"\"\"\"\"", Variant(u"\"")},
                         Cas{u"-2147483648", Variant(int32_t{-2147483647 - 1})}, Cas{u"2147483648", Variant(2147483648.0)},
                         Cas{u"12.5", Variant(12.5)}}) {
        auto v = valeurConstante(*analyseExpression(c.texte));
        ASSERT_TRUE(v) << versUtf8(c.texte);
        EXPECT_EQ(*v, c.valeur) << versUtf8(c.texte);
    }
    EXPECT_FALSE(valeurConstante(*analyseExpression(u"\"x\" & ActiveDocument.Name")));
    EXPECT_FALSE(valeurConstante(*analyseExpression(u"Dir(\"C:\\x\")")));
}

}  // namespace
}  // namespace k58204::lecon
