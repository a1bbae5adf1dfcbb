// The control channel as k58204.exe speaks it: a window of the channel's
// class, on this thread, takes the place of simword.exe's.
// Before <windows.h>: wingdi's GetObject macro would rename Word's server's member.
#include "host/windows/MachineCom.hpp"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "host/windows/CanalSimWord.hpp"

namespace kw = k58204::lecon::windows;
namespace etape = k58204::lecon::etape;
using A = etape::Bureau::Action;

namespace {

// What the fake channel received; it answers `reponse`.
struct Recu {
    ULONG_PTR marque = 0;
    std::u16string texte;
    int messages = 0;
};
Recu recu;
LRESULT reponse = 1;

LRESULT CALLBACK procedure(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_COPYDATA) {
        const auto* d = reinterpret_cast<const COPYDATASTRUCT*>(l);
        recu.marque = d->dwData;
        recu.texte.assign(static_cast<const char16_t*>(d->lpData), d->cbData / sizeof(char16_t));
        ++recu.messages;
        return reponse;
    }
    return DefWindowProcW(h, m, w, l);
}

class Canal : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW c{};
        c.lpfnWndProc = procedure;
        c.hInstance = GetModuleHandleW(nullptr);
        c.lpszClassName = kw::ClasseCanal;
        RegisterClassW(&c);
        fenetre_ = CreateWindowExW(0, kw::ClasseCanal, kw::ClasseCanal, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                   c.hInstance, nullptr);
        ASSERT_NE(fenetre_, nullptr);
        recu = {};
        reponse = 1;
    }
    void TearDown() override {
        if (fenetre_) DestroyWindow(fenetre_);
    }
    HWND fenetre_ = nullptr;
};

struct CasCommande {
    etape::Bureau bureau;
    std::u16string texte;
};

TEST_F(Canal, ChaqueEtapeDeBureauArriveCommeSaCommandeSansTerminateur) {
    const CasCommande cas[] = {
        {{A::Dialogue, u"Police", std::nullopt}, u"dialogue\tPolice"},
        {{A::Dialogue, u"Paragraphe à puces", std::nullopt}, u"dialogue\tParagraphe à puces"},
        {{A::Bulle, u"", std::nullopt}, u"bulle"},
        {{A::Occupe, u"", std::nullopt}, u"occupe"},
        {{A::Occupe, u"", 1}, u"occupe\t1"},
        {{A::Occupe, u"", 12}, u"occupe\t12"},
        {{A::CacheWord, u"", std::nullopt}, u"cache-word"},
        {{A::ReduitWord, u"", std::nullopt}, u"reduit-word"},
    };
    for (const CasCommande& c : cas) {
        recu = {};
        EXPECT_TRUE(kw::envoieCommande(kw::commandeBureau(c.bureau)));
        EXPECT_EQ(recu.messages, 1);
        EXPECT_EQ(recu.marque, kw::MarqueCanal);
        EXPECT_TRUE(recu.texte == c.texte) << std::string(recu.texte.begin(), recu.texte.end());
    }
    // Closing Word is not a command: the host ends the process.
    EXPECT_TRUE(kw::commandeBureau({A::FermeWord, u"", std::nullopt}).empty());
}

TEST_F(Canal, UnRefusDuServeurOuAucunServeurEstUnEchec) {
    reponse = 0;
    EXPECT_FALSE(kw::envoieCommande(u"bulle"));
    EXPECT_EQ(recu.messages, 1);
    DestroyWindow(fenetre_);
    fenetre_ = nullptr;
    EXPECT_FALSE(kw::envoieCommande(u"bulle"));
    EXPECT_FALSE(kw::termineSimWord());
    EXPECT_EQ(recu.messages, 1);
}

}  // namespace
