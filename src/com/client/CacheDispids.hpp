#pragma once
// The dispatch ids of members and named arguments, remembered per interface
// type so that a member is looked up (GetIDsOfNames) once per type rather
// than once per call. A type is known by the GUID of the object's type
// information; an object without type information keeps its own ids.
// It also counts the calls that reach the automation server.
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
    int64_t getIDsOfNames = 0;
    int64_t invoke = 0;
    int64_t getTypeInfo = 0;  // GetTypeInfo and GetTypeAttr: finding an object's type
};

// The ids of one member access: the member's, then one per named argument.
using Dispids = std::vector<DISPID>;
// Member name and named-argument names, lower-cased (ASCII), separated by '\1'.
using CleMembre = std::u16string;
using TableDispids = std::unordered_map<CleMembre, Dispids>;

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

    // The table for d's interface type, or nullptr when d has no type
    // information (the caller then keeps a table of its own).
    TableDispids* tablePour(IDispatch* d);

private:
    bool actif_;
    Compteurs compteurs_;
    // The same ITypeInfo (one proxy per remote type information) is asked
    // for its GUID once; the references keep the pointers from being reused.
    std::map<IUnknown*, std::pair<Ptr<ITypeInfo>, TableDispids*>> parInfo_;
    std::map<std::tuple<uint32_t, uint16_t, uint16_t, uint64_t>, std::unique_ptr<TableDispids>> parGuid_;
};

// The key of a member access.
CleMembre cleMembre(std::u16string_view membre, const std::vector<std::u16string_view>& nomsArguments);

}  // namespace k58204::com
