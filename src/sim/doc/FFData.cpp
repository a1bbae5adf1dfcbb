#include "sim/doc/FFData.hpp"

namespace k58204::sim {

namespace {
constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int valeur64(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// Little-endian reader that reports running off the end.
class Lecteur {
public:
    explicit Lecteur(std::string_view o) : o_(o) {}
    bool u16(uint16_t& v) {
        if (i_ + 2 > o_.size()) return false;
        v = static_cast<uint16_t>(static_cast<unsigned char>(o_[i_]) | (static_cast<unsigned char>(o_[i_ + 1]) << 8));
        i_ += 2;
        return true;
    }
    bool u32(uint32_t& v) {
        uint16_t bas, haut;
        if (!u16(bas) || !u16(haut)) return false;
        v = bas | (static_cast<uint32_t>(haut) << 16);
        return true;
    }
    // xstz: u16 count, that many UTF-16 units, a u16 terminator.
    bool xstz(std::u16string& s) {
        uint16_t n;
        if (!u16(n)) return false;
        s.clear();
        for (uint16_t k = 0; k < n; ++k) {
            uint16_t c;
            if (!u16(c)) return false;
            s += static_cast<char16_t>(c);
        }
        uint16_t zero;
        return u16(zero);
    }

private:
    std::string_view o_;
    size_t i_ = 0;
};

void ecrit16(std::string& o, uint32_t v) {
    o += static_cast<char>(v & 0xFF);
    o += static_cast<char>((v >> 8) & 0xFF);
}
}  // namespace

std::optional<std::string> decodeBase64(std::string_view texte) {
    std::string out;
    uint32_t acc = 0;
    int bits = 0, pad = 0, n = 0;
    for (char c : texte) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') continue;
        if (c == '=') {
            ++pad;
            ++n;
            continue;
        }
        if (pad > 0) return std::nullopt;  // data after padding
        int v = valeur64(c);
        if (v < 0) return std::nullopt;
        ++n;
        acc = (acc << 6) | static_cast<uint32_t>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((acc >> bits) & 0xFF);
        }
    }
    if (pad > 2 || (pad > 0 && n % 4 != 0)) return std::nullopt;
    if ((n - pad) % 4 == 1) return std::nullopt;  // 6 stray bits cannot form a byte
    return out;
}

std::string encodeBase64(std::string_view o) {
    std::string out;
    out.reserve((o.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < o.size(); i += 3) {
        uint32_t v = (static_cast<unsigned char>(o[i]) << 16) | (static_cast<unsigned char>(o[i + 1]) << 8) |
                     static_cast<unsigned char>(o[i + 2]);
        out += Alphabet[(v >> 18) & 63];
        out += Alphabet[(v >> 12) & 63];
        out += Alphabet[(v >> 6) & 63];
        out += Alphabet[v & 63];
    }
    if (i + 1 == o.size()) {
        uint32_t v = static_cast<unsigned char>(o[i]) << 16;
        out += Alphabet[(v >> 18) & 63];
        out += Alphabet[(v >> 12) & 63];
        out += "==";
    } else if (i + 2 == o.size()) {
        uint32_t v = (static_cast<unsigned char>(o[i]) << 16) | (static_cast<unsigned char>(o[i + 1]) << 8);
        out += Alphabet[(v >> 18) & 63];
        out += Alphabet[(v >> 12) & 63];
        out += Alphabet[(v >> 6) & 63];
        out += '=';
    }
    return out;
}

std::optional<CaseACocher> lireFFData(std::string_view octets) {
    Lecteur l(octets);
    uint32_t version;
    uint16_t bits, cch, hps;
    CaseACocher c;
    if (!l.u32(version) || version != 0xFFFFFFFFu) return std::nullopt;
    if (!l.u16(bits) || !l.u16(cch) || !l.u16(hps) || !l.xstz(c.nom)) return std::nullopt;
    if ((bits & 0x3) != 1) return std::nullopt;  // iType 1: check box
    uint16_t wDef = 0;
    if (!l.u16(wDef)) wDef = 0;  // some writers stop after the name
    const int iRes = (bits >> 2) & 0x1F;
    c.parDefaut = wDef != 0;
    c.coche = iRes == 1 || (iRes == 25 && wDef == 1);
    c.demiPoints = hps;
    return c;
}

std::string ecrireFFData(const CaseACocher& c) {
    std::string o;
    ecrit16(o, 0xFFFF);
    ecrit16(o, 0xFFFF);
    ecrit16(o, 1u | ((c.coche ? 1u : 0u) << 2));  // iType check box, iRes 0/1
    ecrit16(o, 0);                                 // cch
    ecrit16(o, static_cast<uint32_t>(c.demiPoints));
    const size_t n = std::min<size_t>(c.nom.size(), 0xFFFF);
    ecrit16(o, static_cast<uint32_t>(n));
    for (size_t i = 0; i < n; ++i) ecrit16(o, c.nom[i]);
    ecrit16(o, 0);
    ecrit16(o, c.parDefaut ? 1 : 0);  // wDef
    for (int k = 0; k < 5; ++k) {     // text format, help, status, entry and exit macros: empty
        ecrit16(o, 0);
        ecrit16(o, 0);
    }
    return o;
}

}  // namespace k58204::sim
