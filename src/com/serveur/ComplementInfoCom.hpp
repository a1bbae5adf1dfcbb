#pragma once
// The class ComplementInfo as the host reaches it: the host's interface
// ComplementInfo (and the class's own default interface, which has no members)
// over an exercise's collection of supplementary strings. Not creatable from
// outside: Module hands it out through its Complement property.
#include <memory>

#include "com/commun/Possession.hpp"
#include "files/ComplementInfo.hpp"
#include "k70935.h"

namespace k58204::com {

// A COM object over `textes`, which it shares with the exercise.
Ptr<::ComplementInfo> creeComplementInfoCom(std::shared_ptr<k58204::ComplementInfo> textes);

}  // namespace k58204::com
