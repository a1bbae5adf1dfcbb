#pragma once
// The dispatch ids of members and named arguments, remembered per interface
// type so that a member is looked up once per type rather than once per call,
// and the types of the objects members return, read from what the types
// declare. A type is known by the GUID of its type information; an object
// without type information keeps its own ids.
//
// An object's type comes, in this order, from a live object of the same COM
// identity, from the declaration of the member that returned it (its
// FUNCDESC's result is a specific interface: the object is of that interface
// or of one derived from it), or from the object itself (GetTypeInfo: the
// member was declared Object or Variant, or the object came from elsewhere).
// A name is looked up in the type information first (it is read from the
// registered library the type belongs to when there is one, so that reading
// it costs no call to the server); a name the type does not declare is asked
// of the object (GetIDsOfNames), and its id kept for the type when the object
// itself said it is of that type, for that object only when its type was only
// declared (a derived object may give the name an id its siblings do not).
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
    int64_t infoType = 0;     // calls on type informations and libraries of the server
    int64_t releases = 0;     // last releases of objects and type informations (the server's Release)
    int64_t nonDeclares = 0;  // objects met whose type no declaration gave (Object, Variant, created)
};

// The ids of one member access: the member's, then one per named argument.
using Dispids = std::vector<DISPID>;
// Member name and named-argument names, lower-cased (ASCII), separated by '\1'.
using CleMembre = std::u16string;
using TableDispids = std::unordered_map<CleMembre, Dispids>;

struct TypeDispatch;

// What a type declares of one member access: the ids (empty when the type
// does not declare the member or one of the argument names) and the type of
// the object it returns (null for Object, Variant or a value).
struct Declaration {
    Dispids ids;
    TypeDispatch* resultat = nullptr;
};

// One interface type.
struct TypeDispatch {
    TableDispids ids;        // asked of objects known to be of this type
    Ptr<ITypeInfo> info;     // its description (null: none)
    bool distante = false;   // info is the server's (each call on it crosses)
    std::unordered_map<std::u16string, Declaration> declarations;
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

    // What type t declares of the access to `membre` with the named arguments
    // `noms` among `nombreArguments` arguments (a put's value not counted).
    const Declaration& declaration(TypeDispatch& t, std::u16string_view membre,
                                   const std::vector<std::u16string_view>& noms, size_t nombreArguments, bool put);

    // The objects alive whose type they said themselves, by COM identity:
    // another object of the same identity is of the same type.
    TypeDispatch* typeVivant(IUnknown* identite) const;
    void inscritVivant(IUnknown* identite, TypeDispatch* type);
    void oublieVivant(IUnknown* identite);

    // Releases i, counting the release that reaches its server (the last).
    void relache(IUnknown* i);

private:
    // The type described by info (GetTypeAttr's GUID); `distante`: info is the server's.
    TypeDispatch* typeDe(ITypeInfo* info, bool distante);
    // The same description read from a registered library, or null.
    Ptr<ITypeInfo> infoLocale(ITypeInfo* distante, const GUID& guid);
    // The interface a member of `info` returns when called with `nombreArguments`.
    Ptr<ITypeInfo> resultatDeclare(ITypeInfo* info, DISPID membre, size_t nombreArguments, bool distante, int profondeur);
    // The interface a declared type stands for (a class: its default
    // interface); null for IDispatch, IUnknown and what is no interface.
    Ptr<ITypeInfo> interfaceDe(ITypeInfo* declare, bool distante);
    // One call on a type information or library of the server, counted.
    HRESULT compte(HRESULT hr, bool distante) {
        if (distante) ++compteurs_.infoType;
        return hr;
    }

    bool actif_;
    Compteurs compteurs_;
    // The same ITypeInfo (one proxy per remote type information) is asked
    // for its GUID once; the references keep the pointers from being reused.
    std::map<IUnknown*, std::pair<ITypeInfo*, TypeDispatch*>> parInfo_;
    std::map<std::tuple<uint32_t, uint16_t, uint16_t, uint64_t>, std::unique_ptr<TypeDispatch>> parGuid_;
    std::vector<Ptr<ITypeLib>> bibliotheques_;  // the registered libraries read so far
    std::unordered_map<IUnknown*, std::pair<TypeDispatch*, int>> vivants_;
};

// When K58204_STATS_CLIENT names a file, each cache appends its counts to it
// as one line when it ends:
//   acces=N invoke=N getidsofnames=N gettypeinfo=N infotype=N releases=N nondeclares=N

// The key of a member access.
CleMembre cleMembre(std::u16string_view membre, const std::vector<std::u16string_view>& nomsArguments);

// The member's name then its arguments' names, as GetIDsOfNames takes them
// (on an object or on its type information).
struct NomsOle {
    NomsOle(std::u16string_view membre, const std::vector<std::u16string_view>& nomsArguments);
    UINT nombre() const { return static_cast<UINT>(pointeurs.size()); }
    std::vector<Bstr> textes;
    std::vector<LPOLESTR> pointeurs;
};

}  // namespace k58204::com
