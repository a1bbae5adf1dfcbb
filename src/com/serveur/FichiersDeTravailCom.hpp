#pragma once
// The class FichiersDeTravail behind its default interface _FichiersDeTravail:
// add, count, and Item giving a copy of the record Fichier. Not creatable from
// outside; exercises hold their own collections, and this object serves a
// caller that reaches one through COM.
#include <memory>

#include "com/commun/Possession.hpp"
#include "files/FichiersDeTravail.hpp"

namespace k58204::com {

// A COM object over `fichiers`, which it shares with the exercise; its
// IDispatch answers _FichiersDeTravail's members.
Ptr<IDispatch> creeFichiersDeTravailCom(std::shared_ptr<k58204::FichiersDeTravail> fichiers);

}  // namespace k58204::com
