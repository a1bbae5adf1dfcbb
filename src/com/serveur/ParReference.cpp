#include "com/serveur/ParReference.hpp"

namespace k58204::com {

namespace {

// The type a by-reference parameter points to, or VT_EMPTY for a parameter
// passed by value (or of a type left to ITypeInfo::Invoke).
VARTYPE typeParReference(const ELEMDESC& e) {
    if (e.tdesc.vt != VT_PTR || !e.tdesc.lptdesc) return VT_EMPTY;
    const VARTYPE pointe = e.tdesc.lptdesc->vt;
    switch (pointe) {
        case VT_I2:
        case VT_I4:
        case VT_BOOL:
        case VT_R4:
        case VT_R8:
        case VT_BSTR:
        case VT_DISPATCH: return pointe;
        default: return VT_EMPTY;
    }
}

// The description of the member Invoke will call, or null.
class DescriptionFonction {
public:
    DescriptionFonction(ITypeInfo* info, DISPID membre, WORD drapeaux) : info_(info) {
        TYPEATTR* attributs = nullptr;
        if (FAILED(info->GetTypeAttr(&attributs))) return;
        const WORD nombre = attributs->cFuncs;
        info->ReleaseTypeAttr(attributs);
        for (UINT i = 0; i < nombre && !f_; ++i) {
            FUNCDESC* f = nullptr;
            if (FAILED(info->GetFuncDesc(i, &f))) continue;
            if (f->memid == membre && (f->invkind & drapeaux)) f_ = f;
            else info->ReleaseFuncDesc(f);
        }
    }
    ~DescriptionFonction() {
        if (f_) info_->ReleaseFuncDesc(f_);
    }
    DescriptionFonction(const DescriptionFonction&) = delete;
    DescriptionFonction& operator=(const DescriptionFonction&) = delete;
    const FUNCDESC* operator->() const { return f_; }
    explicit operator bool() const { return f_ != nullptr; }

private:
    ITypeInfo* info_;
    FUNCDESC* f_ = nullptr;
};

// The temporary for one argument: its value converted to `type`. Empty and
// Null stand for Nothing where an object is wanted, and for 0 or "" otherwise.
HRESULT convertit(const VARIANT& source, VARTYPE type, VARIANT* temporaire) {
    VariantCom valeur;
    if (HRESULT hr = VariantCopyInd(valeur.get(), const_cast<VARIANT*>(&source)); FAILED(hr)) return hr;
    const VARTYPE vt = V_VT(valeur.get());
    if (type == VT_DISPATCH && (vt == VT_EMPTY || vt == VT_NULL)) {
        V_VT(temporaire) = VT_DISPATCH;
        V_DISPATCH(temporaire) = nullptr;
        return S_OK;
    }
    return VariantChangeType(temporaire, valeur.get(), 0, type);
}

}  // namespace

HRESULT ParReference::prepare(ITypeInfo* info, DISPID membre, WORD drapeaux, const DISPPARAMS& appel,
                              UINT* argErreur) {
    parametres_ = appel;
    DescriptionFonction f(info, membre, drapeaux);
    if (!f || appel.cArgs == 0) return S_OK;

    arguments_.assign(appel.rgvarg, appel.rgvarg + appel.cArgs);
    conversions_ = std::vector<Conversion>(appel.cArgs);
    for (UINT i = 0; i < appel.cArgs; ++i) {
        // Named arguments come first and name their parameter; positional
        // ones follow from the last to the first.
        const UINT parametre = i < appel.cNamedArgs ? static_cast<UINT>(appel.rgdispidNamedArgs[i]) : appel.cArgs - 1 - i;
        if (parametre >= static_cast<UINT>(f->cParams)) continue;
        const VARTYPE type = typeParReference(f->lprgelemdescParam[parametre]);
        VARIANT& a = arguments_[i];
        if (type == VT_EMPTY || V_VT(&a) == (VT_BYREF | type)) continue;
        if ((V_VT(&a) & VT_BYREF) && V_VT(&a) != (VT_BYREF | VT_VARIANT)) continue;  // left to Invoke

        Conversion& c = conversions_[i];
        if (FAILED(convertit(a, type, c.temporaire.get()))) {
            if (argErreur) *argErreur = i;
            return DISP_E_TYPEMISMATCH;
        }
        if (V_VT(&a) == (VT_BYREF | VT_VARIANT)) c.appelant = V_VARIANTREF(&a);
        V_VT(&a) = VT_BYREF | type;
        // Every member of the VARIANT's union starts at the same address.
        V_BYREF(&a) = &V_I4(c.temporaire.get());
    }
    parametres_.rgvarg = arguments_.data();
    return S_OK;
}

void ParReference::rend() {
    for (Conversion& c : conversions_) {
        if (!c.appelant) continue;
        VariantClear(c.appelant);
        c.temporaire.detacheVers(c.appelant);
    }
}

}  // namespace k58204::com
