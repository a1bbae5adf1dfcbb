#include "sim/word/MotDePasse.hpp"

#include <array>
#include <cstdint>
#include <cstdio>

#include "word/Texte.hpp"

namespace k58204::sim {

namespace {

constexpr std::array<uint16_t, 15> CodesInitiaux = {0xE1F0, 0x1D0F, 0xCC9C, 0x84C0, 0x110C, 0x0E10, 0xF1CE, 0x313E,
                                                    0x1872, 0xE139, 0xD40F, 0x84F9, 0x280C, 0xA96A, 0x4EC3};

constexpr uint16_t Matrice[15][7] = {
    {0xAEFC, 0x4DD9, 0x9BB2, 0x2745, 0x4E8A, 0x9D14, 0x2A09}, {0x7B61, 0xF6C2, 0xFDA5, 0xEB6B, 0xC6F7, 0x9DCF, 0x2BBF},
    {0x4563, 0x8AC6, 0x05AD, 0x0B5A, 0x16B4, 0x2D68, 0x5AD0}, {0x0375, 0x06EA, 0x0DD4, 0x1BA8, 0x3750, 0x6EA0, 0xDD40},
    {0xD849, 0xA0B3, 0x5147, 0xA28E, 0x553D, 0xAA7A, 0x44D5}, {0x6F45, 0xDE8A, 0xAD35, 0x4A4B, 0x9496, 0x390D, 0x721A},
    {0xEB23, 0xC667, 0x9CEF, 0x29FF, 0x53FE, 0xA7FC, 0x5FD9}, {0x47D3, 0x8FA6, 0x0F6D, 0x1EDA, 0x3DB4, 0x7B68, 0xF6D0},
    {0xB861, 0x60E3, 0xC1C6, 0x93AD, 0x377B, 0x6EF6, 0xDDEC}, {0x45A0, 0x8B40, 0x06A1, 0x0D42, 0x1A84, 0x3508, 0x6A10},
    {0xAA51, 0x4483, 0x8906, 0x022D, 0x045A, 0x08B4, 0x1168}, {0x76B4, 0xED68, 0xCAF1, 0x85C3, 0x1BA7, 0x374E, 0x6E9C},
    {0x3730, 0x6E60, 0xDCC0, 0xA9A1, 0x4363, 0x86C6, 0x1DAD}, {0x3331, 0x6662, 0xCCC4, 0x89A9, 0x0373, 0x06E6, 0x0DCC},
    {0x1021, 0x2042, 0x4084, 0x8108, 0x1231, 0x2462, 0x48C4}};

uint32_t hache(std::u16string_view mdp) {
    if (mdp.empty()) return 0;
    if (mdp.size() > 15) mdp = mdp.substr(0, 15);
    const size_t n = mdp.size();
    // Each character counts by one byte: its low byte, or its high byte when the low one is 0.
    std::array<uint8_t, 15> octets{};
    for (size_t i = 0; i < n; ++i) {
        uint8_t bas = static_cast<uint8_t>(mdp[i] & 0xFF);
        octets[i] = bas != 0 ? bas : static_cast<uint8_t>(mdp[i] >> 8);
    }
    uint16_t haut = CodesInitiaux[n - 1];
    for (size_t i = 0; i < n; ++i) {
        size_t ligne = 15 - n + i;
        for (int bit = 0; bit < 7; ++bit)
            if (octets[i] & (1u << bit)) haut ^= Matrice[ligne][bit];
    }
    uint16_t bas = 0;
    auto tourne = [](uint16_t v) { return static_cast<uint16_t>(((v >> 14) & 1) | ((v << 1) & 0x7FFF)); };
    for (size_t i = n; i-- > 0;) bas = static_cast<uint16_t>(tourne(bas) ^ octets[i]);
    bas = static_cast<uint16_t>(tourne(bas) ^ n ^ 0xCE4B);
    return (static_cast<uint32_t>(haut) << 16) | bas;
}

std::u16string hex(uint32_t v) {
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08X", v);
    return depuisUtf8(buf);
}

uint32_t inverse(uint32_t v) {
    return ((v & 0xFF) << 24) | ((v & 0xFF00) << 8) | ((v >> 8) & 0xFF00) | (v >> 24);
}

}  // namespace

std::u16string cleMotDePasse(std::u16string_view motDePasse) {
    if (motDePasse.empty()) return {};
    return hex(hache(motDePasse));
}

bool motDePasseCorrect(std::u16string_view cle, std::u16string_view motDePasse) {
    if (cle.empty()) return true;
    std::u16string c = LCase(cle);
    uint32_t h = hache(motDePasse);
    return c == LCase(hex(h)) || c == LCase(hex(inverse(h)));
}

}  // namespace k58204::sim
