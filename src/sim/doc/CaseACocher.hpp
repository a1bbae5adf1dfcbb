#pragma once
// A check-box form field. In the document text a form field occupies exactly
// one character, CaractereChamp, at its position; the field's data (name,
// state) lives beside the text, kept in step with edits.
#include <cstdint>
#include <string>

namespace k58204::sim {

// The character a form field occupies in the text: Chr(21), Word's field-end
// mark. It counts as one character and as one word of its own.
inline constexpr char16_t CaractereChamp = u'\x15';

struct CaseACocher {
    int32_t position = 0;       // of its CaractereChamp
    std::u16string nom;         // bookmark-like name ("CaseACocher1"), may be empty
    bool coche = false;         // CheckBox.Value
    bool parDefaut = false;     // CheckBox.Default (wDef)
    int32_t demiPoints = 20;    // box size (hps), half points

    bool operator==(const CaseACocher&) const = default;
};

}  // namespace k58204::sim
