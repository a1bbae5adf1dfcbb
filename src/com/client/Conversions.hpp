#pragma once
// Values crossing between the automation seam and COM, converted in one place:
// strings as BSTRs, Variant as VARIANT, objects as IDispatch.
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <string>
#include <string_view>

#include "com/commun/Chaines.hpp"
#include "com/commun/Possession.hpp"
#include "word/Variant.hpp"

namespace k58204::com {

class CacheDispids;
struct TypeDispatch;


// The Variant a VARIANT holds, by reference or not. Numbers keep their kind
// (every integer type as Long when it fits, else Double; currency, dates and
// decimals as Double), an object arrives as an ObjetDispatch using `cache`, a
// null object as Nothing, an omitted argument (VT_ERROR DISP_E_PARAMNOTFOUND)
// and Null as Empty. Arrays, other types and references that cannot be
// followed (commun/ReferencesVariant.hpp) raise error 13.
// An object's type is `type` when given (see ObjetDispatch).
Variant depuisVariant(const VARIANT& v, const std::shared_ptr<CacheDispids>& cache, TypeDispatch* type = nullptr);

// Writes v into `destination`, which must hold nothing (VT_EMPTY). Objects go
// as their IDispatch (see dispatchDe).
void versVariant(const Variant& v, VARIANT* destination);

// How a process serving seam objects of its own (a simulated server) hands them to COM
// and recognises them when they come back; installed once, before any call.
struct ObjetsLocaux {
    Ptr<IDispatch> (*servir)(const ObjetPtr&);
    ObjetPtr (*retrouver)(IDispatch*);
};
void serviceObjetsLocaux(ObjetsLocaux service);

// The object behind an automation object: Nothing gives null. An object that
// does not come from COM goes through the process's ObjetsLocaux service
// (error 13 in a process without one).
Ptr<IDispatch> dispatchDe(const ObjetPtr& o);

// An automation object for d (Nothing for null); an object this process serves
// comes back as the object it serves.
ObjetPtr objetDe(IDispatch* d, const std::shared_ptr<CacheDispids>& cache, TypeDispatch* type = nullptr);

}  // namespace k58204::com
