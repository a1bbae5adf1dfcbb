#include "com/client/ServeurCom.hpp"

#include "com/client/Conversions.hpp"
#include "com/commun/Possession.hpp"
#include "word/Erreur.hpp"

namespace k58204::com {

namespace {

CLSID classeDe(std::u16string_view nom) {
    CLSID clsid;
    const Bstr texte = bstr(nom);
    if (FAILED(CLSIDFromProgID(texte.get(), &clsid))) leveErreurExecution(err::CreationImpossible);
    return clsid;
}

}  // namespace

ServeurCom::ServeurCom(std::shared_ptr<CacheDispids> cache) : cache_(std::move(cache)) {}

ObjetPtr ServeurCom::GetObject(std::u16string_view classe) {
    const CLSID clsid = classeDe(classe);
    Ptr<IUnknown> actif;
    Ptr<IDispatch> d;
    if (FAILED(GetActiveObject(clsid, nullptr, actif.put())) || !actif ||
        FAILED(actif->QueryInterface(IID_IDispatch, d.putVoid())))
        leveErreurExecution(err::CreationImpossible);
    return objetDe(d.get(), cache_);
}

ObjetPtr ServeurCom::CreateObject(std::u16string_view classe) {
    const CLSID clsid = classeDe(classe);
    Ptr<IDispatch> d;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER, IID_IDispatch,
                                d.putVoid())) ||
        !d)
        leveErreurExecution(err::CreationImpossible);
    return objetDe(d.get(), cache_);
}

}  // namespace k58204::com
