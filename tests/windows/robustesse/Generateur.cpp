#include "Generateur.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "com/commun/Possession.hpp"

namespace k58204::com::test {

Lot::~Lot() {
    for (VARIANT& v : arguments) VariantClear(&v);
    for (VARIANT& v : cibles_) VariantClear(&v);
}

VARIANT* Lot::cible() {
    VARIANT& v = cibles_.emplace_back();
    VariantInit(&v);
    return &v;
}

int32_t Generateur::entier() {
    static const int32_t bornes[] = {std::numeric_limits<int32_t>::min(), -2, -1, 0, 1, 100, 101, 124, 125,
                                     std::numeric_limits<int32_t>::max()};
    return pourCent(70) ? bornes[entre(std::size(bornes))] : static_cast<int32_t>(alea_());
}

BSTR Generateur::texte() {
    switch (entre(8)) {
        case 0: return nullptr;
        case 1: return SysAllocString(L"");
        case 2: return SysAllocString(L"C:\\x\\");
        case 3: return SysAllocString(L"\xD800" L"C:\\\xDC00" L"x\\\xDBFF");  // lone surrogates
        case 4: return SysAllocString(L"101");
        case 5: {
            if (!pourCent(2)) return SysAllocString(std::wstring(100000, L'a').c_str());
            const UINT n = 8u << 20;  // 16 MB
            BSTR b = SysAllocStringLen(nullptr, n);
            if (b) std::fill(b, b + n, L'\\');
            return b;
        }
        default: return SysAllocString(L"Réponses.doc");
    }
}

SAFEARRAY* Generateur::tableau(VARTYPE& type) {
    const VARTYPE types[] = {VT_I4, VT_BSTR, VT_VARIANT, VT_DISPATCH};
    type = types[entre(std::size(types))];
    if (pourCent(20)) return nullptr;
    SAFEARRAY* s = SafeArrayCreateVector(type, 0, entre(4));
    LONG i = 0;
    if (s && type == VT_BSTR && s->rgsabound[0].cElements > 0) SafeArrayPutElement(s, &i, Bstr(texte()).get());
    return s;
}

void Generateur::parValeur(VARIANT& v, bool objets) {
    switch (entre(objets ? 18 : 16)) {
        case 0: V_VT(&v) = VT_EMPTY; return;
        case 1: V_VT(&v) = VT_NULL; return;
        case 2: V_VT(&v) = VT_I2; V_I2(&v) = static_cast<SHORT>(entier()); return;
        case 3: V_VT(&v) = VT_I4; V_I4(&v) = entier(); return;
        case 4: V_VT(&v) = VT_I8; V_I8(&v) = pourCent(50) ? std::numeric_limits<LONGLONG>::min() : static_cast<LONGLONG>(alea_()); return;
        case 5: V_VT(&v) = VT_UI4; V_UI4(&v) = static_cast<ULONG>(entier()); return;
        case 6: {
            const double d[] = {std::nan(""), HUGE_VAL, -1e300, 101.5, -0.0};
            V_VT(&v) = VT_R8;
            V_R8(&v) = d[entre(std::size(d))];
            return;
        }
        case 7: V_VT(&v) = VT_BOOL; V_BOOL(&v) = pourCent(50) ? VARIANT_TRUE : static_cast<VARIANT_BOOL>(entier()); return;
        case 8:
        case 9: V_VT(&v) = VT_BSTR; V_BSTR(&v) = texte(); return;
        case 10: V_VT(&v) = VT_CY; V_CY(&v).int64 = static_cast<LONGLONG>(alea_()); return;
        case 11: V_VT(&v) = VT_DATE; V_DATE(&v) = pourCent(50) ? 1e308 : -657435.0; return;
        case 12: {
            DECIMAL& d = V_DECIMAL(&v);
            d.scale = static_cast<BYTE>(entre(40));  // above 28 is not a decimal
            d.sign = pourCent(50) ? DECIMAL_NEG : 0;
            d.Hi32 = static_cast<ULONG>(alea_());
            d.Lo64 = alea_();
            V_VT(&v) = VT_DECIMAL;
            return;
        }
        case 13: V_VT(&v) = VT_ERROR; V_ERROR(&v) = pourCent(70) ? DISP_E_PARAMNOTFOUND : E_FAIL; return;
        case 14: {
            VARTYPE t = VT_EMPTY;
            V_ARRAY(&v) = tableau(t);
            V_VT(&v) = static_cast<VARTYPE>(VT_ARRAY | t);
            return;
        }
        case 15: V_VT(&v) = static_cast<VARTYPE>(pourCent(50) ? 0x7F : (VT_VECTOR | VT_I4)); return;  // no such type
        default: {
            IDispatch* o = objet();
            if (o) o->AddRef();
            V_VT(&v) = pourCent(80) ? VT_DISPATCH : VT_UNKNOWN;
            V_DISPATCH(&v) = o;
            return;
        }
    }
}

bool Generateur::valeur(Lot& lot, VARIANT& v, bool objets) {
    VariantInit(&v);
    if (pourCent(55)) {
        parValeur(v, objets);
        return true;
    }
    const bool nul = pourCent(20);
    VARIANT* c = lot.cible();
    bool suivable = !nul;
    switch (entre(6)) {
        case 0:
        case 1: {
            V_VT(&v) = VT_BYREF | VT_VARIANT;
            if (pourCent(15)) {
                // A reference to a reference: followable when it is not to a variant again.
                suivable = valeur(lot, *c, objets) && !nul && V_VT(c) != (VT_BYREF | VT_VARIANT);
            } else if (pourCent(5)) {
                V_VT(c) = VT_BYREF | VT_VARIANT;  // a reference to itself
                V_VARIANTREF(c) = c;
                suivable = false;
            } else {
                parValeur(*c, objets);
            }
            V_VARIANTREF(&v) = c;
            break;
        }
        case 2: V_VT(c) = VT_I4; V_I4(c) = entier(); V_VT(&v) = VT_BYREF | VT_I4; V_BYREF(&v) = &V_I4(c); break;
        case 3: V_VT(c) = VT_I2; V_I2(c) = -1; V_VT(&v) = VT_BYREF | VT_I2; V_BYREF(&v) = &V_I2(c); break;
        case 4: V_VT(c) = VT_BSTR; V_BSTR(c) = texte(); V_VT(&v) = VT_BYREF | VT_BSTR; V_BYREF(&v) = &V_BSTR(c); break;
        default: {
            IDispatch* o = objets ? objet() : nullptr;
            if (o) o->AddRef();
            V_VT(c) = VT_DISPATCH;
            V_DISPATCH(c) = o;
            V_VT(&v) = VT_BYREF | VT_DISPATCH;
            V_BYREF(&v) = &V_DISPATCH(c);
            break;
        }
    }
    if (nul) V_BYREF(&v) = nullptr;
    return suivable;
}

}  // namespace k58204::com::test
