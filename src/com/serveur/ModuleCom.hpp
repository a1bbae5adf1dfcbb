#pragma once
// The creatable class Module: the host's AbstractModule (and the class's own
// default interface _Module, which has no members, so its IDispatch answers
// AbstractModule's) over the portable Module, on the Win32 desktop and file
// system, reaching Word through COM.
#include "com/commun/Possession.hpp"
#include "k70935.h"

namespace k58204::com {

Ptr<::AbstractModule> creeModuleCom();

}  // namespace k58204::com
