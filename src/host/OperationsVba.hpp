#pragma once
// The VBA operators and functions a lesson script uses, with VBA's rules.
#include "word/Variant.hpp"

namespace k58204::lecon {

// a & b: both sides as text (Empty is "").
Variant concatene(const Variant& a, const Variant& b);
// -v: Long stays Long (its lowest value becomes a Double), Boolean True gives 1,
// a numeric string gives a Double; anything else raises error 13.
Variant oppose(const Variant& v);
// Chr(n): the character of code n (0 to 255) in the Windows Latin code page,
// as VBA gives it on a French system (Chr(146) is ’); error 5 otherwise.
Variant chr(const Variant& code);
// ChrW(n): the UTF-16 unit n (-32768 to 65535, negative values wrap); error 5 otherwise.
Variant chrW(const Variant& code);

// "obtenu = attendu" as VBA compares two Variants: numbers numerically (True
// is -1, Empty is 0 or ""), strings exactly, a numeric string against a
// number numerically. A Single is compared at single precision, so that a
// value Word stores as a Single (12.5, 28.35) equals the decimal written in
// the script. Objects are never equal to a value.
bool egalVba(const Variant& obtenu, const Variant& attendu);

}  // namespace k58204::lecon
