#include "com/commun/ReferencesVariant.hpp"

namespace k58204::com {

bool referencesSuivables(const VARIANT& v) {
    if (!(V_VT(&v) & VT_BYREF)) return true;
    if (!V_BYREF(&v)) return false;
    if (V_VT(&v) != (VT_BYREF | VT_VARIANT)) return true;
    const VARIANT& cible = *V_VARIANTREF(&v);
    if (!(V_VT(&cible) & VT_BYREF)) return true;
    return V_VT(&cible) != (VT_BYREF | VT_VARIANT) && V_BYREF(&cible);
}

}  // namespace k58204::com
