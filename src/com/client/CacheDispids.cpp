#include "com/client/CacheDispids.hpp"

#include "com/commun/TypesDispatch.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace k58204::com {

namespace {

bool actifSelonEnvironnement(bool demande) {
    const char* v = std::getenv("K58204_CACHE_DISPID");
    return demande && !(v && std::string_view(v) == "0");
}

void ecritStatistiques(const Compteurs& c) {
    wchar_t fichier[MAX_PATH * 2];
    const DWORD n = GetEnvironmentVariableW(L"K58204_STATS_CLIENT", fichier, MAX_PATH * 2);
    if (n == 0 || n >= MAX_PATH * 2 || c.acces == 0) return;
    FILE* f = _wfopen(fichier, L"a");
    if (!f) return;
    std::fprintf(f, "acces=%lld invoke=%lld getidsofnames=%lld gettypeinfo=%lld infotype=%lld releases=%lld\n",
                 static_cast<long long>(c.acces), static_cast<long long>(c.invoke),
                 static_cast<long long>(c.getIDsOfNames), static_cast<long long>(c.getTypeInfo),
                 static_cast<long long>(c.infoType), static_cast<long long>(c.releases));
    std::fclose(f);
}

char16_t minuscule(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

}  // namespace

CacheDispids::CacheDispids(bool actif) : actif_(actifSelonEnvironnement(actif)) {}

CacheDispids::~CacheDispids() {
    for (auto& [identite, entree] : parInfo_) relache(entree.first);
    ecritStatistiques(compteurs_);
}

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

TypeDispatch* CacheDispids::typePour(IDispatch* d) {
    if (!actif_) return nullptr;
    Ptr<ITypeInfo> info;
    ++compteurs_.getTypeInfo;
    if (FAILED(d->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put())) || !info) return nullptr;
    // QueryInterface for IUnknown is answered by a proxy itself.
    Ptr<IUnknown> identite = info.interroge<IUnknown>(IID_IUnknown);
    if (!identite) return nullptr;
    if (auto it = parInfo_.find(identite.get()); it != parInfo_.end()) return it->second.second;

    TYPEATTR* attributs = nullptr;
    ++compteurs_.infoType;
    if (FAILED(info->GetTypeAttr(&attributs)) || !attributs) return nullptr;
    const GUID g = attributs->guid;
    const bool herite = attributs->cImplTypes > 0;
    info->ReleaseTypeAttr(attributs);
    if (g == GUID_NULL) return nullptr;  // no identity to share ids under
    uint64_t fin;
    std::memcpy(&fin, g.Data4, sizeof fin);
    auto& type = parGuid_[{static_cast<uint32_t>(g.Data1), g.Data2, g.Data3, fin}];
    if (!type) {
        type = std::make_unique<TypeDispatch>();
        if (herite) type->idsCommuns = baseEst(info.get(), BaseIdsCommuns);
    }
    parInfo_.emplace(identite.get(), std::make_pair(info.detache(), type.get()));
    return type.get();
}

bool CacheDispids::baseEst(ITypeInfo* info, const GUID& base) {
    HREFTYPE reference = 0;
    ++compteurs_.infoType;
    if (FAILED(info->GetRefTypeOfImplType(0, &reference))) return false;
    ITypeInfo* parent = nullptr;
    ++compteurs_.infoType;
    if (FAILED(info->GetRefTypeInfo(reference, &parent)) || !parent) return false;
    TYPEATTR* attributs = nullptr;
    bool oui = false;
    ++compteurs_.infoType;
    if (SUCCEEDED(parent->GetTypeAttr(&attributs)) && attributs) {
        oui = attributs->guid == base;
        parent->ReleaseTypeAttr(attributs);
    }
    relache(parent);
    return oui;
}

TypeDispatch* CacheDispids::typeVivant(IUnknown* identite) const {
    auto it = vivants_.find(identite);
    return it == vivants_.end() ? nullptr : it->second.first;
}

void CacheDispids::inscritVivant(IUnknown* identite, TypeDispatch* type) {
    auto& [t, n] = vivants_[identite];
    t = type;
    ++n;
}

void CacheDispids::oublieVivant(IUnknown* identite) {
    auto it = vivants_.find(identite);
    if (it != vivants_.end() && --it->second.second == 0) vivants_.erase(it);
}

void CacheDispids::relache(IUnknown* i) {
    if (i && i->Release() == 0) ++compteurs_.releases;
}

}  // namespace k58204::com
