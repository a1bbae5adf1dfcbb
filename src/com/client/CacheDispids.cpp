#include "com/client/CacheDispids.hpp"

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace k58204::com {

namespace {

bool actifSelonEnvironnement(bool demande) {
    const char* v = std::getenv("K58204_CACHE_DISPID");
    return demande && !(v && std::string_view(v) == "0");
}

char16_t minuscule(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

}  // namespace

CacheDispids::CacheDispids(bool actif) : actif_(actifSelonEnvironnement(actif)) {}

CacheDispids::~CacheDispids() = default;

CleMembre cleMembre(std::u16string_view membre, const std::vector<std::u16string_view>& nomsArguments) {
    CleMembre cle;
    auto ajoute = [&](std::u16string_view nom) {
        for (char16_t c : nom) cle += minuscule(c);
    };
    ajoute(membre);
    for (std::u16string_view nom : nomsArguments) {
        cle += u'\1';
        ajoute(nom);
    }
    return cle;
}

TableDispids* CacheDispids::tablePour(IDispatch* d) {
    if (!actif_) return nullptr;
    Ptr<ITypeInfo> info;
    ++compteurs_.getTypeInfo;
    if (FAILED(d->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put())) || !info) return nullptr;
    Ptr<IUnknown> identite = info.interroge<IUnknown>(IID_IUnknown);
    if (!identite) return nullptr;
    if (auto it = parInfo_.find(identite.get()); it != parInfo_.end()) return it->second.second;

    TYPEATTR* attributs = nullptr;
    ++compteurs_.getTypeInfo;
    if (FAILED(info->GetTypeAttr(&attributs)) || !attributs) return nullptr;
    const GUID g = attributs->guid;
    info->ReleaseTypeAttr(attributs);
    if (g == GUID_NULL) return nullptr;  // no identity to share ids under
    uint64_t fin;
    std::memcpy(&fin, g.Data4, sizeof fin);
    auto& table = parGuid_[{static_cast<uint32_t>(g.Data1), g.Data2, g.Data3, fin}];
    if (!table) table = std::make_unique<TableDispids>();
    parInfo_.emplace(identite.get(), std::make_pair(info, table.get()));
    return table.get();
}

}  // namespace k58204::com
