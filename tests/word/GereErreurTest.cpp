// The error-reporting convention and SupprimeBlancs.
#include <gtest/gtest.h>

#include "word/GereErreur.hpp"

using namespace k58204;

namespace {

Erreur attrape(const std::function<void()>& f) {
    try {
        f();
    } catch (const Erreur& e) {
        return e;
    }
    return Erreur(0, u"no error raised", u"");
}

// The context goes before the source, "\n\r" between; nested contexts stay
// inside; number and description are kept.
TEST(GereErreur, ContextesImbriques) {
    Erreur e = attrape([] {
        try {
            try {
                leveErreurExecution(err::IndiceHorsLimites);
            } catch (const Erreur& interne) {
                GereErreur(u"Question0115", u"TestePoint", interne);
            }
        } catch (const Erreur& milieu) {
            GereErreur(u"Module", u"InitQuestion", milieu);
        }
    });
    const std::u16string interne = u"DLL K58204 - CLASSE Question0115\n\r - SERVICE TestePoint - OBJET K58204";
    EXPECT_EQ(e.source(), u"DLL K58204 - CLASSE Module\n\r - SERVICE InitQuestion - OBJET " + interne);
    EXPECT_EQ(e.numero(), err::IndiceHorsLimites);
    EXPECT_EQ(e.description(), erreurExecution(err::IndiceHorsLimites).description());
    e = attrape([] { GereErreur(u"Module", u"ChangeDir", u"X", Erreur(5941, u"Microsoft Word", u"absent")); });
    EXPECT_EQ(e.source(), u"DLL K58204 - CLASSE Module\n\r - SERVICE ChangeDir - OBJET X");
}

// Only spaces go: tabs, carriage returns and no-break spaces stay.
TEST(SupprimeBlancs, NeRetireQueLesEspaces) {
    for (const auto& [entree, sortie] : std::vector<std::pair<std::u16string, std::u16string>>{
             {u" a b  c ", u"abc"}, {u"", u""}, {u"a\tb\r c\u00A0d", u"a\tb\rc\u00A0d"}, {u".\r \r", u".\r\r"}})
        EXPECT_EQ(SupprimeBlancs(entree), sortie);
}

}  // namespace
