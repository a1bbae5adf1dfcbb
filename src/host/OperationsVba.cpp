#include "host/OperationsVba.hpp"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "word/Erreur.hpp"

namespace k58204::lecon {

namespace {

// Code points of 0x80..0x9F in Windows-1252; the rest of 0..255 is Latin-1.
constexpr char16_t kWindows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The number a Variant stands for in a comparison, when it stands for one.
std::optional<double> commeNombre(const Variant& v) {
    switch (v.type()) {
        case Variant::Type::Empty: return 0.0;
        case Variant::Type::Boolean: return *v.si<bool>() ? -1.0 : 0.0;
        case Variant::Type::Long: return static_cast<double>(*v.si<int32_t>());
        case Variant::Type::Single: return static_cast<double>(*v.si<float>());
        case Variant::Type::Double: return *v.si<double>();
        case Variant::Type::String:
            try {
                return v.CDbl();
            } catch (const Erreur&) {
                return std::nullopt;
            }
        case Variant::Type::Object: break;
    }
    return std::nullopt;
}

}  // namespace

Variant concatene(const Variant& a, const Variant& b) { return Variant(a.CStr() + b.CStr()); }

Variant oppose(const Variant& v) {
    switch (v.type()) {
        case Variant::Type::Empty: return Variant(int32_t{0});
        case Variant::Type::Boolean: return Variant(int32_t{*v.si<bool>() ? 1 : 0});
        case Variant::Type::Long: {
            int32_t n = *v.si<int32_t>();
            if (n == std::numeric_limits<int32_t>::min()) return Variant(-static_cast<double>(n));
            return Variant(-n);
        }
        case Variant::Type::Single: return Variant(-*v.si<float>());
        case Variant::Type::Double: {
            double d = -*v.si<double>();
            // -2147483648 written in a script reads as the Long it fits in.
            if (d == std::numeric_limits<int32_t>::min()) return Variant(std::numeric_limits<int32_t>::min());
            return Variant(d);
        }
        case Variant::Type::String: return Variant(-v.CDbl());
        case Variant::Type::Object: break;
    }
    leveErreurExecution(err::TypeIncompatible);
}

Variant chr(const Variant& code) {
    int32_t n = code.CLng();
    if (n < 0 || n > 255) leveErreurExecution(err::AppelIncorrect);
    char16_t c = n >= 0x80 && n <= 0x9F ? kWindows1252[n - 0x80] : static_cast<char16_t>(n);
    return Variant(std::u16string(1, c));
}

Variant chrW(const Variant& code) {
    int32_t n = code.CLng();
    if (n < -32768 || n > 65535) leveErreurExecution(err::AppelIncorrect);
    return Variant(std::u16string(1, static_cast<char16_t>(n < 0 ? n + 65536 : n)));
}

bool egalVba(const Variant& obtenu, const Variant& attendu) {
    using T = Variant::Type;
    if (obtenu.estObjet() || attendu.estObjet()) return false;
    auto s1 = obtenu.si<std::u16string>(), s2 = attendu.si<std::u16string>();
    if (s1 && s2) return *s1 == *s2;
    // Empty against a string is the empty string.
    if ((s1 && attendu.estVide()) || (s2 && obtenu.estVide())) return (s1 ? *s1 : *s2).empty();
    auto a = commeNombre(obtenu), b = commeNombre(attendu);
    if (!a || !b) return false;
    constexpr double maxSingle = std::numeric_limits<float>::max();
    bool enSingle = obtenu.type() == T::Single || attendu.type() == T::Single;
    if (enSingle && std::fabs(*a) <= maxSingle && std::fabs(*b) <= maxSingle)
        return static_cast<float>(*a) == static_cast<float>(*b);
    return *a == *b;
}

}  // namespace k58204::lecon
