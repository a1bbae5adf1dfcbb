#pragma once
// Windows path strings as the Word instance handles them before handing them
// to the file system: joining, normalising, splitting. Names are not looked
// up here (the file-system seam resolves them without regard to case).
#include <string>
#include <string_view>

namespace k58204::sim {

// "C:\x", "\x" (current drive) or "\\server\x".
bool estCheminAbsolu(std::u16string_view chemin);
// A relative name taken from `dossier`; an absolute one unchanged.
std::u16string joindre(std::u16string_view dossier, std::u16string_view nom);
// Backslashes only, "." and ".." resolved, repeated separators merged, drive
// letter in capitals (the current drive C: added to "\x"), no final backslash
// except for a drive's root ("C:\").
std::u16string normaliseChemin(std::u16string_view chemin);
// The folder of a normalised path, without final backslash ("C:" for the root).
std::u16string dossierDe(std::u16string_view chemin);
// The name after the last backslash.
std::u16string nomDe(std::u16string_view chemin);
// A file name Word accepts: not empty, none of < > | " * ? and a colon only after the drive letter.
bool cheminValide(std::u16string_view chemin);
// "Voyage à CANGO.doc" -> "Voyage à CANGO"; a name without extension unchanged.
std::u16string sansExtension(std::u16string_view nom);
bool aExtension(std::u16string_view nom);

}  // namespace k58204::sim
