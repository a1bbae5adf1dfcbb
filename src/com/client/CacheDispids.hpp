#pragma once
// The dispatch ids of members and named arguments, remembered per interface
// type so that a member is looked up (GetIDsOfNames) once per type rather
// than once per call. A type is known by the GUID of the object's type
// information; an object without type information keeps its own ids.
// An object's type is asked of it (GetTypeInfo) only when nothing else tells
// it: a live object of the same COM identity, or an owner whose type declares
// that its server's ids do not depend on the type (BaseIdsCommuns).
// It also counts every call that crosses to the automation server.
#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "com/commun/Possession.hpp"

namespace k58204::com {

// The calls made to automation objects, by kind.
struct Compteurs {
    int64_t acces = 0;  // member accesses made through ObjetDispatch
    int64_t getIDsOfNames = 0;
    int64_t invoke = 0;
    int64_t getTypeInfo = 0;  // IDispatch::GetTypeInfo
    int64_t infoType = 0;     // calls on type informations (GetTypeAttr, GetRefTypeOfImplType, GetRefTypeInfo)
    int64_t releases = 0;     // last releases of objects and type informations (the server's Release)
};

// The ids of one member access: the member's, then one per named argument.
using Dispids = std::vector<DISPID>;
// Member name and named-argument names, lower-cased (ASCII), separated by '\1'.
using CleMembre = std::u16string;
using TableDispids = std::unordered_map<CleMembre, Dispids>;

// One interface type: its ids, and whether objects its members return share them.
struct TypeDispatch {
    TableDispids ids;
    bool idsCommuns = false;
};

class CacheDispids {
public:
    // When `actif` is false every access asks the server (for comparisons);
    // K58204_CACHE_DISPID=0 in the environment gives that too.
    explicit CacheDispids(bool actif = true);
    ~CacheDispids();
    CacheDispids(const CacheDispids&) = delete;
    CacheDispids& operator=(const CacheDispids&) = delete;

    bool actif() const { return actif_; }
    Compteurs& compteurs() { return compteurs_; }
    const Compteurs& compteurs() const { return compteurs_; }

    // The type of d, asked of it; nullptr when d has no type information
    // (the caller then keeps a table of its own) or the cache is off.
    TypeDispatch* typePour(IDispatch* d);

    // The objects alive with a known type, by COM identity: another object of
    // the same identity is of the same type.
    TypeDispatch* typeVivant(IUnknown* identite) const;
    void inscritVivant(IUnknown* identite, TypeDispatch* type);
    void oublieVivant(IUnknown* identite);

    // Releases i, counting the release that reaches its server (the last).
    void relache(IUnknown* i);

private:
    // Whether info's first implemented type is `base`.
    bool baseEst(ITypeInfo* info, const GUID& base);

    bool actif_;
    Compteurs compteurs_;
    // The same ITypeInfo (one proxy per remote type information) is asked
    // for its GUID once; the references keep the pointers from being reused.
    std::map<IUnknown*, std::pair<ITypeInfo*, TypeDispatch*>> parInfo_;
    std::map<std::tuple<uint32_t, uint16_t, uint16_t, uint64_t>, std::unique_ptr<TypeDispatch>> parGuid_;
    std::unordered_map<IUnknown*, std::pair<TypeDispatch*, int>> vivants_;
};

// When K58204_STATS_CLIENT names a file, each cache appends its counts to it
// as one line when it ends:
//   acces=N invoke=N getidsofnames=N gettypeinfo=N infotype=N releases=N

// The key of a member access.
CleMembre cleMembre(std::u16string_view membre, const std::vector<std::u16string_view>& nomsArguments);

}  // namespace k58204::com
