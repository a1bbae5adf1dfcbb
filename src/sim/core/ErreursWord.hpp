#pragma once
// The errors the simulated Word raises, with the numbers, source and texts of
// a French Word 2003. Texts that no source confirmed are kept in this one
// table so they can be corrected in one place.
#include <cstdint>
#include <string>

#include "word/Erreur.hpp"

namespace k58204::sim {

inline constexpr char16_t SourceWord[] = u"Microsoft Word";

namespace wderr {
inline constexpr int32_t MembreInexistant = 5941;     // the requested member of the collection does not exist
inline constexpr int32_t AucunDocument = 4248;        // no document is open
inline constexpr int32_t FichierIntrouvable = 5174;   // Open: file not found
inline constexpr int32_t CheminInvalide = 5273;       // Open: bad path / document name
inline constexpr int32_t CaracteresInvalides = 5152;  // invalid file name characters
inline constexpr int32_t NomFichierIncorrect = 4160;  // Documents("x") not open
inline constexpr int32_t EchecCommande = 4198;        // command failed / prompt cancelled
inline constexpr int32_t NonDisponible = 4605;        // method or property not available now
inline constexpr int32_t SignetInexistant = 5101;     // GoTo: no such bookmark
inline constexpr int32_t ObjetSupprime = 5825;        // a deleted object used again
inline constexpr int32_t ValeurHorsLimites = 4608;    // value out of range
inline constexpr int32_t FormatIllisible = 5156;      // file is not in a format Word can read (choice, see .cpp)
inline constexpr int32_t ArgumentIncorrect = 5;       // Office: invalid procedure call or argument
inline constexpr int32_t ParametreIncorrect = 4120;   // a parameter Word does not accept (HomeKey's Unit...)
inline constexpr int32_t NomSignetIncorrect = 5828;   // Bookmarks.Add: not a valid bookmark name
inline constexpr int32_t MotDePasseIncorrect = 5485;  // Unprotect: wrong password
inline constexpr int32_t MotDePasseOuverture = 5408;  // Open: wrong password to open
}  // namespace wderr

// An error as Word raises it: source "Microsoft Word", its French text,
// `detail` appended where Word adds the path or the member name.
Erreur erreurWord(int32_t numero, const std::u16string& detail = u"");
[[noreturn]] void leveErreurWord(int32_t numero, const std::u16string& detail = u"");

// Calls rejected while Word runs a modal loop: the HRESULT as VB's Err.Number
// (RPC_E_CALL_REJECTED), no Word source.
inline constexpr int32_t AppelRejete = static_cast<int32_t>(0x80010001u);
[[noreturn]] void leveAppelRejete();
// Word's process has gone: VB's 462.
[[noreturn]] void leveServeurIndisponible();

}  // namespace k58204::sim
