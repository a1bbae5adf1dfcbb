#include "word/Variant.hpp"

#include <cmath>
#include <cstdio>
#include <limits>

#include "word/Erreur.hpp"
#include "word/Objet.hpp"
#include "word/Texte.hpp"

namespace k58204 {

namespace {

// VB rounds half to even when converting to an integer type.
double arrondiBancaire(double d) { return std::nearbyint(d); }

bool analyseNombre(const std::u16string& s, double& out) {
    std::string u = versUtf8(s);
    size_t a = u.find_first_not_of(" \t");
    if (a == std::string::npos) return false;
    size_t b = u.find_last_not_of(" \t");
    u = u.substr(a, b - a + 1);
    for (char& c : u)
        if (c == ',') c = '.';  // a French decimal comma reads as a point
    char* fin = nullptr;
    out = std::strtod(u.c_str(), &fin);
    return fin && *fin == '\0' && std::isfinite(out);
}

double versDouble(const Variant& v) {
    switch (v.type()) {
        case Variant::Type::Empty: return 0;
        case Variant::Type::Boolean: return *v.si<bool>() ? -1 : 0;
        case Variant::Type::Long: return *v.si<int32_t>();
        case Variant::Type::Single: return *v.si<float>();
        case Variant::Type::Double: return *v.si<double>();
        case Variant::Type::String: {
            double d;
            if (!analyseNombre(*v.si<std::u16string>(), d)) leveErreurExecution(err::TypeIncompatible);
            return d;
        }
        case Variant::Type::Object: break;
    }
    leveErreurExecution(err::TypeIncompatible);
}

std::u16string texteDouble(double d) {
    if (d == std::floor(d) && std::fabs(d) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", d);
        return depuisUtf8(buf);
    }
    // Shortest text that reads back to the same value, as VB's Str/CStr give it.
    char buf[40];
    for (int prec = 1; prec <= 17; ++prec) {
        std::snprintf(buf, sizeof buf, "%.*g", prec, d);
        if (std::strtod(buf, nullptr) == d) break;
    }
    return depuisUtf8(buf);
}

}  // namespace

bool Variant::estNombre() const {
    auto t = type();
    return t == Type::Long || t == Type::Single || t == Type::Double;
}

bool Variant::CBool() const {
    if (auto b = si<bool>()) return *b;
    if (auto s = si<std::u16string>()) {
        std::u16string l = LCase(*s);
        if (l == u"true" || l == u"vrai") return true;
        if (l == u"false" || l == u"faux") return false;
    }
    return versDouble(*this) != 0;
}

int32_t Variant::CLng() const {
    double d = arrondiBancaire(versDouble(*this));
    if (d < std::numeric_limits<int32_t>::min() || d > std::numeric_limits<int32_t>::max())
        leveErreurExecution(err::Depassement);
    return static_cast<int32_t>(d);
}

int16_t Variant::CInt() const {
    double d = arrondiBancaire(versDouble(*this));
    if (d < std::numeric_limits<int16_t>::min() || d > std::numeric_limits<int16_t>::max())
        leveErreurExecution(err::Depassement);
    return static_cast<int16_t>(d);
}

float Variant::CSng() const {
    double d = versDouble(*this);
    if (std::fabs(d) > std::numeric_limits<float>::max()) leveErreurExecution(err::Depassement);
    return static_cast<float>(d);
}

double Variant::CDbl() const { return versDouble(*this); }

std::u16string Variant::CStr() const {
    switch (type()) {
        case Type::Empty: return u"";
        case Type::Boolean: return *si<bool>() ? u"True" : u"False";
        case Type::Long: return depuisUtf8(std::to_string(*si<int32_t>()));
        case Type::Single: {
            // A single shows its own shortest digits (12.5f -> "12.5", 141.75f -> "141.75").
            float f = *si<float>();
            char buf[40];
            for (int prec = 1; prec <= 9; ++prec) {
                std::snprintf(buf, sizeof buf, "%.*g", prec, static_cast<double>(f));
                if (std::strtof(buf, nullptr) == f) break;
            }
            return depuisUtf8(buf);
        }
        case Type::Double: return texteDouble(*si<double>());
        case Type::String: return *si<std::u16string>();
        case Type::Object: break;
    }
    leveErreurExecution(err::TypeIncompatible);
}

ObjetPtr Variant::objet() const {
    if (auto o = si<ObjetPtr>()) {
        if (!*o) leveErreurExecution(err::ObjetNonDefini);
        return *o;
    }
    if (estVide()) leveErreurExecution(err::ObjetNonDefini);
    leveErreurExecution(err::ObjetRequis);
}

bool Variant::operator==(const Variant& autre) const {
    if (type() != autre.type()) return false;
    if (auto o = si<ObjetPtr>()) return estLeMeme(*o, *autre.si<ObjetPtr>());
    return v_ == autre.v_;
}

std::u16string representation(const Variant& v) {
    switch (v.type()) {
        case Variant::Type::Empty: return u"Empty";
        case Variant::Type::String: return u"\"" + *v.si<std::u16string>() + u"\"";
        case Variant::Type::Object: return *v.si<ObjetPtr>() ? u"[objet]" : u"Nothing";
        default: return v.CStr();
    }
}

}  // namespace k58204
