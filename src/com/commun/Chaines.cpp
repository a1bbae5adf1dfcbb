#include "com/commun/Chaines.hpp"

#include <new>

namespace k58204::com {

Bstr bstr(std::u16string_view s) {
    BSTR b = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(s.data()), static_cast<UINT>(s.size()));
    if (!b) throw std::bad_alloc();
    return Bstr(b);
}

std::u16string texte(BSTR b) { return b ? std::u16string(reinterpret_cast<const char16_t*>(b), SysStringLen(b)) : u""; }

}  // namespace k58204::com
