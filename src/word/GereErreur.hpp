#pragma once
// The component's error-reporting convention: every procedure that reports a
// failure raises the current error again, keeping its number and description,
// with a context text naming the class, the procedure and the source of the
// trapped error. Nested failures therefore carry nested context texts.
#include <string>

#include "word/EcheanceAppel.hpp"
#include "word/Erreur.hpp"

namespace k58204 {

// "DLL K58204 - CLASSE " + sClasse + LF + CR + " - SERVICE " + sService + " - OBJET " + sObjet.
// The line feed comes before the carriage return.
std::u16string ContexteErreur(const std::u16string& sClasse, const std::u16string& sService,
                              const std::u16string& sObjet);

// Raises courante's number and description with the context text as source.
[[noreturn]] void GereErreur(const std::u16string& sClasse, const std::u16string& sService,
                             const std::u16string& sObjet, const Erreur& courante);

// The usual call: the object is the trapped error's own source.
[[noreturn]] inline void GereErreur(const std::u16string& sClasse, const std::u16string& sService,
                                    const Erreur& courante) {
    GereErreur(sClasse, sService, courante.source(), courante);
}

// One statement of a region where errors are ignored and execution goes on
// with the next statement. A statement that guards others (a condition, a
// loop) is run as one block: when it fails, the statements it guards are
// skipped. Returns false when the statement failed. Past the end of the host
// call (EcheanceAppel), the error is raised again: a region of ignored errors
// would otherwise go on calling a Word that no longer answers in time.
template <class F>
bool sansErreur(F&& instruction) {
    try {
        instruction();
        return true;
    } catch (const Erreur&) {
        if (EcheanceAppel::depassee()) throw;
        return false;
    }
}

// The string without its space characters (U+0020 only).
std::u16string SupprimeBlancs(const std::u16string& s);

}  // namespace k58204
