#pragma once
// The component's one error type: the triple that VB's Err object carries.
// Everything that fails raises an Erreur; a VB handler region is a try/catch.
#include <cstdint>
#include <exception>
#include <string>

namespace k58204 {

class Erreur : public std::exception {
public:
    Erreur(int32_t numero, std::u16string source, std::u16string description);

    int32_t numero() const noexcept { return numero_; }
    const std::u16string& source() const noexcept { return source_; }
    const std::u16string& description() const noexcept { return description_; }

    // UTF-8 rendering "number: description (source)", for logs and test output.
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int32_t numero_;
    std::u16string source_;
    std::u16string description_;
    std::string what_;
};

// Run-time error numbers the component raises itself, as VB numbers them.
namespace err {
inline constexpr int32_t AppelIncorrect = 5;          // invalid procedure call or argument
inline constexpr int32_t MemoireInsuffisante = 7;     // out of memory
inline constexpr int32_t Depassement = 6;             // overflow
inline constexpr int32_t IndiceHorsLimites = 9;       // subscript out of range
inline constexpr int32_t TypeIncompatible = 13;       // type mismatch
inline constexpr int32_t FichierIntrouvable = 53;     // file not found
inline constexpr int32_t FichierExistant = 58;        // file already exists
inline constexpr int32_t PermissionRefusee = 70;      // permission denied
inline constexpr int32_t AccesChemin = 75;            // path/file access error
inline constexpr int32_t CheminIntrouvable = 76;      // path not found
inline constexpr int32_t ObjetNonDefini = 91;         // object variable not set
inline constexpr int32_t ObjetRequis = 424;           // object required
inline constexpr int32_t ArgumentsNommes = 446;       // object doesn't support named arguments
inline constexpr int32_t ArgumentNommeIntrouvable = 448;  // named argument not found
inline constexpr int32_t ArgumentObligatoire = 449;   // argument not optional
inline constexpr int32_t NombreArguments = 450;       // wrong number of arguments or invalid property assignment
inline constexpr int32_t CreationImpossible = 429;    // ActiveX component can't create object
inline constexpr int32_t ServeurIndisponible = 462;   // remote server machine unavailable
inline constexpr int32_t MembreInconnu = 438;         // object doesn't support this property or method
// RPC_E_TIMEOUT: the host call ran out of its time before Word answered (EcheanceAppel).
inline constexpr int32_t DelaiDepasse = static_cast<int32_t>(0x8001011Fu);
}  // namespace err

// The source VB gives to run-time errors raised inside the component.
inline constexpr char16_t SourceComposant[] = u"K58204";

// A run-time error raised by the component itself: source "K58204" and VB's
// French description for the number.
[[noreturn]] void leveErreurExecution(int32_t numero);
Erreur erreurExecution(int32_t numero);

}  // namespace k58204
