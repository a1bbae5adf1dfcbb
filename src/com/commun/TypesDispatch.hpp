#pragma once
// What a server may declare about its dispatch ids in the type information
// of its objects, read by the client before it asks objects for their types.
#include <windows.h>
#include <oaidl.h>

namespace k58204::com {

// The GUID of a base dispinterface (a type's first implemented type) that
// says: this server gives a member name the same dispatch id in every object
// it serves, so an object returned by a member of this type takes this type's
// ids without being asked for its own type.
// {6F0A5C2E-3B1D-4E8A-9C47-58204D1D5C01}
inline constexpr GUID BaseIdsCommuns = {0x6f0a5c2e, 0x3b1d, 0x4e8a, {0x9c, 0x47, 0x58, 0x20, 0x4d, 0x1d, 0x5c, 0x01}};

}  // namespace k58204::com
