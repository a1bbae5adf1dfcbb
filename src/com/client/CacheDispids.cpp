#include "com/client/CacheDispids.hpp"

#include "com/commun/TypesDispatch.hpp"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string>
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
    // Win32 calls rather than the C library's: the DLL's imports stay those it has.
    HANDLE h = CreateFileW(fichier, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    std::string ligne;
    auto champ = [&](const char* nom, int64_t valeur) {
        char chiffres[24];
        const auto fin = std::to_chars(chiffres, chiffres + sizeof chiffres, valeur).ptr;
        ligne.append(ligne.empty() ? "" : " ").append(nom).append("=").append(chiffres, fin);
    };
    champ("acces", c.acces);
    champ("invoke", c.invoke);
    champ("getidsofnames", c.getIDsOfNames);
    champ("gettypeinfo", c.getTypeInfo);
    champ("infotype", c.infoType);
    champ("releases", c.releases);
    ligne += '\n';
    DWORD ecrit = 0;
    WriteFile(h, ligne.data(), static_cast<DWORD>(ligne.size()), &ecrit, nullptr);
    CloseHandle(h);
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
