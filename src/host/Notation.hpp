#pragma once
// Grading a saved document offline, as if the learner had produced it as the
// working document of an exercise: the exercise is prepared from the
// course's source on a fresh simulated machine (so the paragraph count and
// the marks the checks compare with are those of the original), then the
// working document is closed without saving, its file replaced by the given
// document, reopened and activated, and the module checks it.
//
// Some exercises are judged on Word's state rather than on the document; a
// document cannot tell how it was opened, where the insertion point was, what
// Word displayed, whether it was saved or closed. They are still graded, with
// a note saying what the verdict reflects. Three have no working document to
// replace and are not graded at all.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/Cours.hpp"
#include "host/ExamenDocument.hpp"
#include "host/Rapport.hpp"

namespace k58204::lecon {

enum class NatureExercice {
    Document,     // the verdict comes from the document's content
    EtatDeWord,   // it comes (wholly or partly) from Word's state: graded with a note
    SansDocument  // no working document to replace: not graded
};

struct GenreExercice {
    NatureExercice nature = NatureExercice::Document;
    std::string note;  // what the verdict reflects, for the two other natures
};

// 102 (toolbars), 123 (a new document), 124 (saving into a folder): SansDocument.
// 103 (the folder it was opened from), 104 (the insertion point), 105 (the
// display of formatting marks), 109 (saved state), 120 (print preview), 121
// (print preview, while orientation and margin are the document's), 122
// (closing): EtatDeWord. The others: Document.
GenreExercice genre(int32_t exercice);

// A document that cannot be graded: an exercise out of range or without a
// working document, an unreadable file, a preparation that failed.
class ErreurNotation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Notation {
    int32_t exercice = 0;
    Verdict verdict;
    std::string note;  // empty for an exercise judged on the document alone
    std::vector<std::string> avertissements;  // what the reader noticed in the document
    Lecteur lecteur = Lecteur::WordML2003;     // which reader read it
    // As the verdict catalogue reads it: no general error, and no fault code
    // (or the best outcome of 112 and 119, "C" with BravoNuance).
    bool reussi() const;
};

// ErreurNotation when no document can be graded as exercise `exercice`
// (out of 101 to 124, or without a working document).
void verifieNotable(int32_t exercice);

// Grades `document` (a Linux path to a WordprocessingML 2003 or .docx file)
// as the working document of `exercice`, on a machine whose drive C: is
// `racine` (it must exist and should be empty). A file that cannot be read
// is refused before the machine starts, its own path in the message.
Notation note(const Cours& cours, int32_t exercice, const std::filesystem::path& document,
              const std::filesystem::path& racine);
// The same for a document already read, `nom` naming it in messages.
Notation note(const Cours& cours, int32_t exercice, DocumentLu document, const std::string& nom,
              const std::filesystem::path& racine);

}  // namespace k58204::lecon
