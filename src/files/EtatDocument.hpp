#pragma once
// The check that the working document can still be judged before an
// exercise's own check runs: open, active, and still carrying the marks the
// exercise relies on (bookmarks, form fields and protection, paragraph count,
// the position and length of a marked passage).
#include <cstdint>
#include <string>

#include "files/DocumentDeTravail.hpp"
#include "word/Modele.hpp"

namespace k58204 {

struct EtatDocument {
    bool valide = true;
    // When not valide: "C" not open, "A" not active, "B" paragraph count
    // changed, "D" a structural mark missing or altered.
    std::u16string code;
};

// `document` is the exercise's working document (null without an exercise:
// error 91 once a document is open, as reading the records of no exercise).
// Raises the Word error of any failing call (the caller reports it as "AN").
// For exercise 107 a passing check leaves bookmark "s01" selected; a failing
// word count moves the insertion point to the start of its line.
EtatDocument VerifieEtatDocument(int32_t mlQuestion, const word::Application& application,
                                 DocumentDeTravail* document, int32_t mlNbParagraphes);

}  // namespace k58204
