#include "com/client/Conversions.hpp"

#include <utility>
#include <new>

#include "com/commun/Erreurs.hpp"
#include "com/commun/ReferencesVariant.hpp"
#include "com/client/ObjetDispatch.hpp"
#include "word/Erreur.hpp"
#include "word/ObjetTrace.hpp"

namespace k58204::com {

namespace {

// How this process serves its own objects, when it does (constant-initialised,
// so that a static initialiser elsewhere may set it).
ObjetsLocaux objetsLocaux{nullptr, nullptr};

template <class T>
Variant entier(T n) {
    if (std::in_range<int32_t>(n)) return Variant(static_cast<int32_t>(n));
    return Variant(static_cast<double>(n));
}

// Currency, dates and decimals read as the double they stand for.
Variant enDouble(const VARIANT& v) {
    VariantCom d;
    verifie(VariantChangeType(d.get(), const_cast<VARIANT*>(&v), 0, VT_R8));
    return Variant(V_R8(d.get()));
}

}  // namespace

Variant depuisVariant(const VARIANT& v, const std::shared_ptr<CacheDispids>& cache, TypeDispatch* type) {
    if (!referencesSuivables(v)) leveErreurExecution(err::TypeIncompatible);
    if (V_VT(&v) == (VT_BYREF | VT_VARIANT)) return depuisVariant(*V_VARIANTREF(&v), cache, type);
    if (V_VT(&v) & VT_BYREF) {
        VariantCom valeur;
        verifie(VariantCopyInd(valeur.get(), const_cast<VARIANT*>(&v)));
        return depuisVariant(*valeur.get(), cache, type);
    }
    switch (V_VT(&v)) {
        case VT_EMPTY:
        case VT_NULL: return Variant();
        case VT_BOOL: return Variant(V_BOOL(&v) != VARIANT_FALSE);
        case VT_I1: return Variant(static_cast<int32_t>(V_I1(&v)));
        case VT_UI1: return Variant(static_cast<int32_t>(V_UI1(&v)));
        case VT_I2: return Variant(static_cast<int32_t>(V_I2(&v)));
        case VT_UI2: return Variant(static_cast<int32_t>(V_UI2(&v)));
        case VT_I4: return Variant(static_cast<int32_t>(V_I4(&v)));
        case VT_INT: return Variant(static_cast<int32_t>(V_INT(&v)));
        case VT_UI4: return entier(V_UI4(&v));
        case VT_UINT: return entier(V_UINT(&v));
        case VT_I8: return entier(V_I8(&v));
        case VT_UI8: return entier(V_UI8(&v));
        case VT_R4: return Variant(V_R4(&v));
        case VT_R8: return Variant(V_R8(&v));
        case VT_CY:
        case VT_DATE:
        case VT_DECIMAL: return enDouble(v);
        case VT_BSTR: return Variant(texte(V_BSTR(&v)));
        case VT_DISPATCH: return Variant(objetDe(V_DISPATCH(&v), cache, type));
        case VT_UNKNOWN: {
            if (!V_UNKNOWN(&v)) return Variant(ObjetPtr{});
            Ptr<IDispatch> d;
            if (FAILED(V_UNKNOWN(&v)->QueryInterface(IID_IDispatch, d.putVoid())))
                leveErreurExecution(err::TypeIncompatible);
            return Variant(objetDe(d.get(), cache, type));
        }
        case VT_ERROR:
            if (V_ERROR(&v) == DISP_E_PARAMNOTFOUND) return Variant();
            return Variant(static_cast<int32_t>(V_ERROR(&v)));
        default: leveErreurExecution(err::TypeIncompatible);
    }
}

void versVariant(const Variant& v, VARIANT* d) {
    switch (v.type()) {
        case Variant::Type::Empty: V_VT(d) = VT_EMPTY; return;
        case Variant::Type::Boolean:
            V_VT(d) = VT_BOOL;
            V_BOOL(d) = *v.si<bool>() ? VARIANT_TRUE : VARIANT_FALSE;
            return;
        case Variant::Type::Long:
            V_VT(d) = VT_I4;
            V_I4(d) = *v.si<int32_t>();
            return;
        case Variant::Type::Single:
            V_VT(d) = VT_R4;
            V_R4(d) = *v.si<float>();
            return;
        case Variant::Type::Double:
            V_VT(d) = VT_R8;
            V_R8(d) = *v.si<double>();
            return;
        case Variant::Type::String:
            V_BSTR(d) = bstr(*v.si<std::u16string>()).detache();
            V_VT(d) = VT_BSTR;
            return;
        case Variant::Type::Object:
            V_DISPATCH(d) = dispatchDe(*v.si<ObjetPtr>()).detache();
            V_VT(d) = VT_DISPATCH;
            return;
    }
}

Ptr<IDispatch> dispatchDe(const ObjetPtr& o) {
    const Objet* courant = o.get();
    // A traced object stands for the object it wraps.
    while (const auto* t = dynamic_cast<const ObjetTrace*>(courant)) courant = t->interne().get();
    if (!courant) return {};
    if (const auto* d = dynamic_cast<const ObjetDispatch*>(courant)) return Ptr<IDispatch>(d->dispatch());
    // An object of this process is served as IDispatch by the process's own
    // service (a process serving a simulated application does so); a process
    // without one has nothing to hand over.
    if (!objetsLocaux.servir) leveErreurExecution(err::TypeIncompatible);
    return objetsLocaux.servir(o);
}

void serviceObjetsLocaux(ObjetsLocaux service) { objetsLocaux = service; }

ObjetPtr objetDe(IDispatch* d, const std::shared_ptr<CacheDispids>& cache, TypeDispatch* type) {
    if (!d) return {};
    // One of this process's own objects comes back as itself.
    if (objetsLocaux.retrouver)
        if (ObjetPtr servi = objetsLocaux.retrouver(d)) return servi;
    return std::make_shared<ObjetDispatch>(Ptr<IDispatch>(d), cache, type);
}

}  // namespace k58204::com
