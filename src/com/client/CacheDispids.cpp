#include "com/client/CacheDispids.hpp"

#include "com/commun/Chaines.hpp"

#include <algorithm>
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
    champ("nondeclares", c.nonDeclares);
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

NomsOle::NomsOle(std::u16string_view membre, const std::vector<std::u16string_view>& nomsArguments) {
    textes.push_back(bstr(membre));
    for (std::u16string_view n : nomsArguments) textes.push_back(bstr(n));
    for (const Bstr& t : textes) pointeurs.push_back(t.get());
}

namespace {

using Cle = std::tuple<uint32_t, uint16_t, uint16_t, uint64_t>;

Cle cleGuid(const GUID& g) {
    uint64_t fin;
    std::memcpy(&fin, g.Data4, sizeof fin);
    return {static_cast<uint32_t>(g.Data1), g.Data2, g.Data3, fin};
}

bool estIDispatch(const GUID& g) { return g == IID_IDispatch || g == IID_IUnknown; }

}  // namespace

TypeDispatch* CacheDispids::typePour(IDispatch* d) {
    if (!actif_) return nullptr;
    Ptr<ITypeInfo> info;
    ++compteurs_.getTypeInfo;
    if (FAILED(d->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put())) || !info) return nullptr;
    // QueryInterface for IUnknown is answered by a proxy itself.
    Ptr<IUnknown> identite = info.interroge<IUnknown>(IID_IUnknown);
    if (!identite) return nullptr;
    if (auto it = parInfo_.find(identite.get()); it != parInfo_.end()) return it->second.second;

    TypeDispatch* type = typeDe(info.get(), true);
    if (!type) return nullptr;
    parInfo_.emplace(identite.get(), std::make_pair(info.detache(), type));
    return type;
}

TypeDispatch* CacheDispids::typeDe(ITypeInfo* info, bool distante) {
    TYPEATTR* attributs = nullptr;
    if (FAILED(compte(info->GetTypeAttr(&attributs), distante)) || !attributs) return nullptr;
    const GUID g = attributs->guid;
    info->ReleaseTypeAttr(attributs);
    if (g == GUID_NULL) return nullptr;  // no identity to share ids under
    auto& type = parGuid_[cleGuid(g)];
    if (!type) {
        type = std::make_unique<TypeDispatch>();
        Ptr<ITypeInfo> locale = distante ? infoLocale(info, g) : Ptr<ITypeInfo>();
        type->info = locale ? locale : Ptr<ITypeInfo>(info);
        type->distante = distante && !locale;
        // A dual interface is read through its interface view: its dispatch
        // view derives from IDispatch, the interface view from its true base,
        // whose members it has too (same ids).
        HREFTYPE vue = 0;
        Ptr<ITypeInfo> interfaceVue;
        if (SUCCEEDED(compte(type->info->GetRefTypeOfImplType(static_cast<UINT>(-1), &vue), type->distante)) &&
            SUCCEEDED(compte(type->info->GetRefTypeInfo(vue, interfaceVue.put()), type->distante)) && interfaceVue)
            type->info = interfaceVue;
    }
    return type.get();
}

Ptr<ITypeInfo> CacheDispids::infoLocale(ITypeInfo* distante, const GUID& guid) {
    Ptr<ITypeInfo> info;
    for (const Ptr<ITypeLib>& lib : bibliotheques_)
        if (SUCCEEDED(lib->GetTypeInfoOfGuid(guid, info.put())) && info) return info;
    // The library the server's description belongs to, when it is registered here.
    ITypeLib* conteneur = nullptr;
    UINT rang = 0;
    if (FAILED(compte(distante->GetContainingTypeLib(&conteneur, &rang), true)) || !conteneur) return {};
    TLIBATTR* attributs = nullptr;
    Ptr<ITypeLib> lib;
    if (SUCCEEDED(compte(conteneur->GetLibAttr(&attributs), true)) && attributs) {
        LoadRegTypeLib(attributs->guid, attributs->wMajorVerNum, attributs->wMinorVerNum, attributs->lcid, lib.put());
        conteneur->ReleaseTLibAttr(attributs);
    }
    relache(conteneur);
    if (!lib || FAILED(lib->GetTypeInfoOfGuid(guid, info.put())) || !info) return {};
    bibliotheques_.push_back(lib);
    return info;
}

const Declaration& CacheDispids::declaration(TypeDispatch& t, std::u16string_view membre,
                                             const std::vector<std::u16string_view>& noms, size_t nombreArguments,
                                             bool put) {
    CleMembre cle = cleMembre(membre, noms);
    cle += u'\2';
    cle += static_cast<char16_t>(u'0' + std::min<size_t>(nombreArguments, 1000));
    cle += put ? u'p' : u'g';
    auto [it, nouvelle] = t.declarations.try_emplace(std::move(cle));
    Declaration& d = it->second;
    if (!nouvelle || !t.info) return d;
    if (membre.empty()) {
        if (noms.empty()) d.ids = {DISPID_VALUE};
    } else {
        NomsOle n(membre, noms);
        Dispids ids(n.nombre(), DISPID_UNKNOWN);
        if (SUCCEEDED(compte(t.info->GetIDsOfNames(n.pointeurs.data(), n.nombre(), ids.data()), t.distante)))
            d.ids = std::move(ids);
    }
    if (d.ids.empty() || put) return d;
    if (Ptr<ITypeInfo> r = resultatDeclare(t.info.get(), d.ids[0], nombreArguments, t.distante, 0))
        d.resultat = typeDe(r.get(), t.distante);
    return d;
}

Ptr<ITypeInfo> CacheDispids::resultatDeclare(ITypeInfo* info, DISPID membre, size_t nombreArguments, bool distante,
                                             int profondeur) {
    // Bases are followed a few levels at most (a description looping on itself ends).
    if (profondeur > 8) return {};
    TYPEATTR* attributs = nullptr;
    if (FAILED(compte(info->GetTypeAttr(&attributs), distante)) || !attributs) return {};
    const WORD fonctions = attributs->cFuncs, bases = attributs->cImplTypes;
    info->ReleaseTypeAttr(attributs);
    for (WORD i = 0; i < fonctions; ++i) {
        FUNCDESC* f = nullptr;
        if (FAILED(compte(info->GetFuncDesc(i, &f), distante)) || !f) continue;
        if (f->memid != membre || f->invkind == INVOKE_PROPERTYPUT || f->invkind == INVOKE_PROPERTYPUTREF) {
            info->ReleaseFuncDesc(f);
            continue;
        }
        // The result: the function's own type (a dispinterface's view), or
        // what its [retval] parameter points to (an interface's view).
        TYPEDESC resultat = f->elemdescFunc.tdesc;
        size_t parametres = 0;
        for (SHORT p = 0; p < f->cParams; ++p) {
            const ELEMDESC& e = f->lprgelemdescParam[p];
            if (!(e.paramdesc.wParamFlags & PARAMFLAG_FRETVAL)) ++parametres;
            else if (e.tdesc.vt == VT_PTR && e.tdesc.lptdesc) resultat = *e.tdesc.lptdesc;
        }
        const bool interfaceDeclaree =
            resultat.vt == VT_PTR && resultat.lptdesc && resultat.lptdesc->vt == VT_USERDEFINED;
        const HREFTYPE reference = interfaceDeclaree ? resultat.lptdesc->hreftype : 0;
        info->ReleaseFuncDesc(f);
        if (!interfaceDeclaree) return {};
        Ptr<ITypeInfo> declare;
        if (FAILED(compte(info->GetRefTypeInfo(reference, declare.put()), distante)) || !declare) return {};
        declare = interfaceDe(declare.get(), distante);
        if (!declare) return {};
        // More arguments than the member takes: they go to the default member
        // of what it returns (Paragraphs(2) is Paragraphs.Item(2)).
        if (nombreArguments > parametres)
            return resultatDeclare(declare.get(), DISPID_VALUE, nombreArguments, distante, profondeur + 1);
        return declare;
    }
    // Not among its own functions: among those of the type it derives from.
    if (bases == 0) return {};
    HREFTYPE h = 0;
    Ptr<ITypeInfo> base;
    if (FAILED(compte(info->GetRefTypeOfImplType(0, &h), distante)) ||
        FAILED(compte(info->GetRefTypeInfo(h, base.put()), distante)) || !base)
        return {};
    base = interfaceDe(base.get(), distante);
    if (!base) return {};
    return resultatDeclare(base.get(), membre, nombreArguments, distante, profondeur + 1);
}

Ptr<ITypeInfo> CacheDispids::interfaceDe(ITypeInfo* declare, bool distante) {
    TYPEATTR* a = nullptr;
    if (FAILED(compte(declare->GetTypeAttr(&a), distante)) || !a) return {};
    const TYPEKIND sorte = a->typekind;
    const GUID g = a->guid;
    const WORD implementees = a->cImplTypes;
    declare->ReleaseTypeAttr(a);
    if ((sorte == TKIND_DISPATCH || sorte == TKIND_INTERFACE) && !estIDispatch(g)) return Ptr<ITypeInfo>(declare);
    if (sorte != TKIND_COCLASS) return {};
    // A class stands for its default interface.
    for (WORD j = 0; j < implementees; ++j) {
        INT drapeaux = 0;
        HREFTYPE h = 0;
        Ptr<ITypeInfo> defaut;
        if (SUCCEEDED(compte(declare->GetImplTypeFlags(j, &drapeaux), distante)) &&
            (drapeaux & IMPLTYPEFLAG_FDEFAULT) && !(drapeaux & IMPLTYPEFLAG_FSOURCE) &&
            SUCCEEDED(compte(declare->GetRefTypeOfImplType(j, &h), distante)) &&
            SUCCEEDED(compte(declare->GetRefTypeInfo(h, defaut.put()), distante)) && defaut)
            return interfaceDe(defaut.get(), distante);
    }
    return {};
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
