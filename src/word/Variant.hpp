#pragma once
// The values that cross the automation seam, as a VARIANT carries them:
// empty, Boolean, 32-bit integer, single, double, string (UTF-16) or object.
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace k58204 {

class Objet;
using ObjetPtr = std::shared_ptr<Objet>;

// Word's "undefined" value for a property that differs across a range.
inline constexpr int32_t wdUndefined = 9999999;
// VB's True and False as integers.
inline constexpr int32_t VbTrue = -1;
inline constexpr int32_t VbFalse = 0;

class Variant {
public:
    enum class Type { Empty, Boolean, Long, Single, Double, String, Object };

    Variant() = default;
    Variant(bool b) : v_(b) {}
    Variant(int32_t n) : v_(n) {}
    Variant(float f) : v_(f) {}
    Variant(double d) : v_(d) {}
    Variant(std::u16string s) : v_(std::move(s)) {}
    Variant(const char16_t* s) : v_(std::u16string(s)) {}
    Variant(ObjetPtr o) : v_(std::move(o)) {}
    // Avoid silent conversions of other integer widths and of pointers.
    Variant(int64_t) = delete;
    Variant(const char*) = delete;

    Type type() const { return static_cast<Type>(v_.index()); }
    bool estVide() const { return type() == Type::Empty; }
    bool estObjet() const { return type() == Type::Object; }
    bool estNombre() const;  // Long, Single, Double (Boolean excluded)

    // VB conversions. They raise error 13 (type mismatch) where VB does, and
    // error 6 (overflow) when a number does not fit.
    bool CBool() const;          // numbers: non-zero is True; strings "True"/"False"/"Vrai"/"Faux" or numbers
    int16_t CInt() const;        // rounds half to even; overflow 6
    int32_t CLng() const;        // rounds half to even; overflow 6
    float CSng() const;
    double CDbl() const;
    std::u16string CStr() const; // a number's decimal text (point as separator), True/False, "" for empty
    ObjetPtr objet() const;      // the object; error 91 when empty or Nothing, 424 for another type

    // The raw value, for the simulator and tests.
    template <class T> const T* si() const { return std::get_if<T>(&v_); }

    // Exact equality of type and value (objects by identity), for tests and traces.
    bool operator==(const Variant& autre) const;

private:
    std::variant<std::monostate, bool, int32_t, float, double, std::u16string, ObjetPtr> v_;
};

// Display form used by traces and the lesson runner: strings quoted, objects as [objet].
std::u16string representation(const Variant& v);

}  // namespace k58204
