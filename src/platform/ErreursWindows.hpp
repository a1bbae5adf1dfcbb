#pragma once
// Windows' file-system error codes and the VB run-time error each becomes:
// one table for both file-system seams. The Win32 seam raises what the API
// answered; the simulated file system decides which code Windows would answer
// for the same state and raises it through the same table, so that both give
// the module, and the learner's statements, the same VB error.
#include <cstdint>

#include "word/Erreur.hpp"

namespace k58204::platform {

// The values of winerror.h, named here so that builds without windows.h see them.
namespace codeWin32 {
inline constexpr uint32_t FichierIntrouvable = 2;     // ERROR_FILE_NOT_FOUND
inline constexpr uint32_t CheminIntrouvable = 3;      // ERROR_PATH_NOT_FOUND
inline constexpr uint32_t AccesRefuse = 5;            // ERROR_ACCESS_DENIED
inline constexpr uint32_t LecteurInvalide = 15;       // ERROR_INVALID_DRIVE
inline constexpr uint32_t DossierCourant = 16;        // ERROR_CURRENT_DIRECTORY
inline constexpr uint32_t ViolationPartage = 32;      // ERROR_SHARING_VIOLATION
inline constexpr uint32_t ViolationVerrou = 33;       // ERROR_LOCK_VIOLATION
inline constexpr uint32_t CheminReseau = 53;          // ERROR_BAD_NETPATH
inline constexpr uint32_t NomReseau = 67;             // ERROR_BAD_NET_NAME
inline constexpr uint32_t FichierExiste = 80;         // ERROR_FILE_EXISTS
inline constexpr uint32_t NomInvalide = 123;          // ERROR_INVALID_NAME
inline constexpr uint32_t DossierNonVide = 145;       // ERROR_DIR_NOT_EMPTY
inline constexpr uint32_t DejaExistant = 183;         // ERROR_ALREADY_EXISTS
inline constexpr uint32_t NomTropLong = 206;          // ERROR_FILENAME_EXCED_RANGE
inline constexpr uint32_t NomDeDossierInvalide = 267; // ERROR_DIRECTORY
}  // namespace codeWin32

// VB's "bad file name or number", which the component's catalogue does not word.
inline constexpr int32_t NomFichierIncorrect = 52;

// VB's number for a Windows error code: a missing file 53; a missing folder,
// drive or share, or a path too long, 76; access denied or a file held by
// another process 70; an existing file 58; a bad name 52; anything else 75.
constexpr int32_t numeroVb(uint32_t code) noexcept {
    switch (code) {
        case codeWin32::FichierIntrouvable: return err::FichierIntrouvable;
        case codeWin32::CheminIntrouvable:
        case codeWin32::LecteurInvalide:
        case codeWin32::CheminReseau:
        case codeWin32::NomReseau:
        case codeWin32::NomTropLong: return err::CheminIntrouvable;
        case codeWin32::AccesRefuse:
        case codeWin32::ViolationPartage:
        case codeWin32::ViolationVerrou: return err::PermissionRefusee;
        case codeWin32::FichierExiste:
        case codeWin32::DejaExistant: return err::FichierExistant;
        case codeWin32::NomInvalide: return NomFichierIncorrect;
        default: return err::AccesChemin;
    }
}

// Raises VB's run-time error `numero` with the source "K58204".
[[noreturn]] inline void leveVb(int32_t numero) {
    if (numero == NomFichierIncorrect)
        throw Erreur(NomFichierIncorrect, SourceComposant, u"Nom ou numéro de fichier incorrect");
    leveErreurExecution(numero);
}

// Raises the VB error of a Windows error code.
[[noreturn]] inline void leveWindows(uint32_t code) { leveVb(numeroVb(code)); }

}  // namespace k58204::platform
