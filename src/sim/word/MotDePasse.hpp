#pragma once
// The key Word 97-2003 keeps for a protection password (w:unprotectPassword
// in WordprocessingML 2003): the legacy 32-bit password hash, written here as
// eight hexadecimal digits. Reading accepts either byte order, since files in
// circulation store it both ways.
#include <string>
#include <string_view>

namespace k58204::sim {

std::u16string cleMotDePasse(std::u16string_view motDePasse);
bool motDePasseCorrect(std::u16string_view cle, std::u16string_view motDePasse);

}  // namespace k58204::sim
