#pragma once
// Reading the module's verdict as a training host does, and comparing it with
// what a script expects.
#include <optional>
#include <string>

#include "host/Etapes.hpp"
#include "host/Rapport.hpp"
#include "module/AbstractModule.hpp"
#include "word/Erreur.hpp"

namespace k58204::lecon {

// ErreurGenerale, CauseErreur, BravoNuance and Complement, each read through
// the module's property; a read that raises is recorded in erreurs. A
// Complement that is Nothing reads as the empty list.
Verdict litVerdict(AbstractModule& module);

// Why the verdict does not match the attendu line ("CauseErreur lu "A""),
// or nothing when every value given holds.
std::optional<std::string> ecart(const etape::Attendu& attendu, const Verdict& verdict);

// Why the error does not match the "attendu erreur" line, or nothing.
std::optional<std::string> ecart(const etape::AttenduErreur& attendu, const Erreur& erreur);

// "erreur 5 : description (source …)" on one line: the line breaks the
// component's error context holds are shown as spaces.
std::string decrit(const Erreur& erreur);

}  // namespace k58204::lecon
