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

// Each desktop step arrives as its command, without terminator; closing
// Word is not a command (the host ends the process). A refusal, or no
// channel at all, is a failure.
TEST(Canal, CommandesDeBureauEtRefus) {
    WNDCLASSW c{};
    c.lpfnWndProc = procedure;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = kw::ClasseCanal;
    RegisterClassW(&c);
    HWND fenetre = CreateWindowExW(0, kw::ClasseCanal, kw::ClasseCanal, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                   c.hInstance, nullptr);
    ASSERT_NE(fenetre, nullptr);
    for (const auto& [bureau, texte] : std::vector<std::pair<etape::Bureau, std::u16string>>{
             {{A::Dialogue, u"Paragraphe à puces", std::nullopt}, u"dialogue\tParagraphe à puces"},
             {{A::Occupe, u"", 12}, u"occupe\t12"}}) {
        recu = {};
        EXPECT_TRUE(kw::envoieCommande(kw::commandeBureau(bureau)));
        EXPECT_EQ(recu.messages, 1);
        EXPECT_EQ(recu.marque, kw::MarqueCanal);
        EXPECT_TRUE(recu.texte == texte) << std::string(recu.texte.begin(), recu.texte.end());
    }
    EXPECT_TRUE(kw::commandeBureau({A::FermeWord, u"", std::nullopt}).empty());

    recu = {};
    reponse = 0;
    EXPECT_FALSE(kw::envoieCommande(u"bulle"));
    DestroyWindow(fenetre);
    EXPECT_FALSE(kw::envoieCommande(u"bulle"));
    EXPECT_FALSE(kw::termineSimWord());
    EXPECT_EQ(recu.messages, 1);
}

}  // namespace
