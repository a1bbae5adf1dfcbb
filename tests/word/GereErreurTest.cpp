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
    ADD_FAILURE() << "no error raised";
    return Erreur(0, u"", u"");
}

TEST(GereErreur, ContexteAvecSautDeLigneAvantRetourChariot) {
    Erreur courante(5941, u"Microsoft Word", u"Le membre de la collection requis n'existe pas.");
    Erreur e = attrape([&] { GereErreur(u"Module", u"ChangeDir", u"X", courante); });
    EXPECT_EQ(e.source(), std::u16string(u"DLL K58204 - CLASSE Module") + u"\n\r" + u" - SERVICE ChangeDir - OBJET X");
    EXPECT_EQ(e.numero(), 5941);
    EXPECT_EQ(e.description(), courante.description());
}

TEST(GereErreur, LesContextesImbriquesRestentALInterieur) {
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
}

TEST(SupprimeBlancs, NeRetireQueLesEspaces) {
    struct Cas {
        std::u16string entree, sortie;
    } cas[] = {
        {u" a b  c ", u"abc"},
        {u"abc", u"abc"},
        {u"", u""},
        {u"a\tb\r c\u00A0d", u"a\tb\rc\u00A0d"},
        {u".\r \r", u".\r\r"},
    };
    for (const auto& c : cas) EXPECT_EQ(SupprimeBlancs(c.entree), c.sortie);
}

}  // namespace
