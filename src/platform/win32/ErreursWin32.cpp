#include "platform/win32/ErreursWin32.hpp"

#include "word/Erreur.hpp"

namespace k58204::platform::win32 {

namespace {
inline constexpr int32_t NomIncorrect = 52;  // VB: bad file name or number
}

int32_t numeroVb(DWORD code) noexcept {
    switch (code) {
        case ERROR_FILE_NOT_FOUND: return err::FichierIntrouvable;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE: return err::CheminIntrouvable;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION: return err::PermissionRefusee;
        case ERROR_ALREADY_EXISTS:
        case ERROR_FILE_EXISTS: return err::FichierExistant;
        case ERROR_INVALID_NAME: return NomIncorrect;
        default: return err::AccesChemin;
    }
}

void leveVb(int32_t numero) {
    // The component's catalogue of descriptions has no entry for 52; the
    // simulated file system words it the same way.
    if (numero == NomIncorrect) throw Erreur(NomIncorrect, SourceComposant, u"Nom ou numéro de fichier incorrect");
    leveErreurExecution(numero);
}

void leveWin32(DWORD code) { leveVb(numeroVb(code)); }

}  // namespace k58204::platform::win32
