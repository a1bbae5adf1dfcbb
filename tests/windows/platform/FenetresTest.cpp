// Fenetres32 on real user32 windows created by the test.
#include "FenetreDeTest.hpp"

#include <gtest/gtest.h>

#include "platform/win32/Conversions.hpp"
#include "platform/win32/Fenetres32.hpp"

namespace k58204::platform::win32 {
namespace {

using test::Comportement;
using test::creeFenetre;

constexpr int32_t TailleVb = 255;

class Fenetres32Test : public ::testing::Test {
protected:
    Fenetres32 f;
    Comportement cWord, cDialogue, cAutre;
};

// Seen under Wine 8: FindWindowA compares class names and titles without
// regard to case, accented letters included, and finds hidden windows.
TEST_F(Fenetres32Test, FindWindowAMatchesClassAndAccentedTitleWithoutCase) {
    const Fenetre word = creeFenetre(L"OpusApp", L"Voyage à CANGO.doc - Microsoft Word", cWord);
    const Fenetre autre = creeFenetre(L"K58204Autre", L"Microsoft Word", cAutre);
    ASSERT_TRUE(word && autre);
    const Hwnd h = depuisHwnd(word.get());
    struct Cas {
        const char* nom;
        Texte classe, titre;
        Hwnd attendu;
    } cas[] = {
        {"class in capitals, any title", u"OPUSAPP", std::nullopt, h},
        {"title in other case", u"opusapp", u"VOYAGE À CANGO.DOC - MICROSOFT WORD", h},
        {"title without accent is another title", u"OpusApp", u"Voyage a CANGO.doc - Microsoft Word", 0},
        {"right title, wrong class", u"OpusApp", u"Microsoft Word", 0},
        {"title alone", std::nullopt, u"voyage à cango.doc - microsoft word", h},
    };
    for (const Cas& c : cas) EXPECT_EQ(f.FindWindowA(c.classe, c.titre), c.attendu) << c.nom;
    EXPECT_EQ(f.IsWindowVisible(h), 0) << "created hidden, found all the same";
}

// Seen under Wine 8: GetWindowTextA and GetClassNameA copy at most size - 1
// characters and give 0 for a handle that names no window.
TEST_F(Fenetres32Test, TextsAreReadBackThroughTheAnsiCodePage) {
    const Fenetre w = creeFenetre(L"OpusApp", L"Réponses.doc - Microsoft Word", cWord);
    ASSERT_TRUE(w);
    const Hwnd h = depuisHwnd(w.get());
    std::u16string texte = u"a";
    EXPECT_EQ(f.GetWindowTextA(h, texte, TailleVb), 29);
    EXPECT_EQ(texte, u"Réponses.doc - Microsoft Word");
    EXPECT_EQ(f.GetWindowTextA(h, texte, 5), 4);
    EXPECT_EQ(texte, u"Répo");
    EXPECT_EQ(f.GetWindowTextA(h, texte, 0), 0);
    EXPECT_EQ(texte, u"");
    EXPECT_EQ(f.GetClassNameA(h, texte, 3), 2);
    EXPECT_EQ(texte, u"Op");

    const Hwnd detruite = depuisHwnd(creeFenetre(L"OpusApp", L"x", cAutre).get());  // destroyed at once
    EXPECT_EQ(f.GetClassNameA(detruite, texte, TailleVb), 0);
    EXPECT_EQ(f.GetClassNameA(0, texte, TailleVb), 0);
}

}  // namespace
}  // namespace k58204::platform::win32
