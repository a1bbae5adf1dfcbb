// The conversions at the Win32 edge: ANSI code page, lower case, and the
// resource owner. (Win32 error codes are checked through the file system's
// errors.)
#include "platform/win32/Conversions.hpp"

#include <gtest/gtest.h>

#include "platform/win32/Possession.hpp"
#include "word/Texte.hpp"

namespace k58204::platform::win32 {
namespace {

// Seen under Wine 8: the prefix's ANSI code page is 1252 (Western European).
TEST(Ansi, AccentedLettersKeepTheirOwnByteAndNothingIsBestFitted) {
    if (::GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << ::GetACP() << ", not 1252";
    struct Cas {
        std::u16string texte;
        std::string ansi;
        bool exact;
    } cas[] = {
        {u"", "", true},
        {u"Réponses.doc", "R\xE9ponses.doc", true},
        {u"Talvor Modèles", "Talvor Mod\xE8les", true},
        {u"Œuvre €", "\x8Cuvre \x80", true},
        {u"Ωmega", "?mega", false},  // no look-alike "O"
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(versAnsi(c.texte), c.ansi) << versUtf8(c.texte);
        EXPECT_EQ(representableEnAnsi(c.texte), c.exact) << versUtf8(c.texte);
        if (c.exact) {
            EXPECT_EQ(depuisAnsi(c.ansi), c.texte) << versUtf8(c.texte);
        }
    }
}

// A fake resource: releasing it counts, and names which value was released.
int liberations = 0;
int dernierLibere = 0;
using Jeton = Possede<int, [](int v) {
    ++liberations;
    dernierLibere = v;
}>;
using JetonMoinsUn = Possede<int, [](int v) { dernierLibere = v, ++liberations; }, -1>;

TEST(Possede, ReleasesEachValueOnceOnEveryPath) {
    liberations = 0;
    {
        Jeton a(7);
        Jeton b(std::move(a));
        EXPECT_FALSE(a.valide());
        Jeton c(8);
        c = std::move(b);  // 8 released, 7 moves in
        EXPECT_EQ(liberations, 1);
        EXPECT_EQ(dernierLibere, 8);
        *c.put() = 9;  // 7 released before the address is handed out
        EXPECT_EQ(dernierLibere, 7);
        EXPECT_EQ(c.release(), 9);  // given up: never released
        c.reset(10);
        c = std::move(c);  // self-move keeps the value
        EXPECT_EQ(c.get(), 10);
    }
    EXPECT_EQ(liberations, 3);
    EXPECT_EQ(dernierLibere, 10);

    liberations = 0;
    { JetonMoinsUn invalide; JetonMoinsUn zero(0); }
    EXPECT_EQ(liberations, 1) << "0 is a resource when -1 means none";
    EXPECT_EQ(dernierLibere, 0);
    EXPECT_EQ(sansInvalide(INVALID_HANDLE_VALUE), nullptr);
}

}  // namespace
}  // namespace k58204::platform::win32
