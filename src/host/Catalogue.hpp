#pragma once
// The verdict catalogue: what the host tells the learner. The module only
// gives codes; here, for each of the course's exercises, its title (what the
// learner is asked to do) and, for each code its check can give, a message
// and, where it helps, a hint; and the messages of the module's general
// codes ("AM", "%AL", "AN") and of the working-document codes ("A" to "D"),
// which come only while ErreurGenerale is True. French, as the course is.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/Rapport.hpp"

namespace k58204::lecon {

struct MessageCode {
    std::string_view code;
    std::string_view message;
    std::string_view indice;  // may be empty
    // The best outcome of the exercise when BravoNuance is True (112 and 119
    // give "C" with BravoNuance for the right answer).
    bool bravo = false;
};

struct FicheExercice {
    int32_t numero = 0;
    std::string_view titre;
    std::vector<MessageCode> codes;  // in code order
};

// The 24 exercises, 101 to 124 in order.
const std::vector<FicheExercice>& fichesExercices();
// The fiche of an exercise; nullptr outside 101 to 124.
const FicheExercice* fiche(int32_t exercice);
// "AM", "%AL", "AN" then the working-document codes "A" to "D".
const std::vector<MessageCode>& codesGeneraux();
// The entry of a code in a list; nullptr when the list lacks it.
const MessageCode* trouve(const std::vector<MessageCode>& codes, std::u16string_view code);

// A verdict read for a person.
struct Lecture {
    std::string code;     // CauseErreur ("" when there is none or it could not be read)
    bool general = false; // a general error: the work could not be checked
    bool reussi = false;
    std::string message;
    std::string indice;
};

// Reads the verdict of `exercice`. Passed: no general error, every property
// read, and no code, or the exercise's bravo code with BravoNuance True. A
// BravoNuance left True by an earlier attempt does not make a later fault a
// success. Complement strings are worked into the message (115's remark on
// the alignment left on the faulty paragraph).
Lecture lis(int32_t exercice, const Verdict& verdict);

}  // namespace k58204::lecon
