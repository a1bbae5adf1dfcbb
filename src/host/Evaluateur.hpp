#pragma once
// Runs the VBA of a lesson script against Word's Application through the
// automation seam, as VBA's late binding does:
//   - reading a chain is a property get of each member in turn, its arguments
//     passed with it (Bookmarks("s01") is a get of Bookmarks with "s01");
//   - a statement calls (Appel::Call) its last member with its arguments;
//   - an assignment puts (Appel::Put) its last member, the value last;
//   - the file statements (MkDir, Kill, RmDir, ChDir, ChDrive, Name ... As,
//     FileCopy, SetAttr) and functions (Dir, FileLen, GetAttr, FileDateTime,
//     CurDir) go to the machine's file system, with its VB errors.
// Errors of Word or of the file system come out as Erreur, unchanged.
#include <optional>

#include "host/Ast.hpp"
#include "platform/SystemeFichiers.hpp"
#include "word/Objet.hpp"

namespace k58204::lecon {

// VB's "device unavailable": a drive the machine does not have.
inline constexpr int32_t PeripheriqueIndisponible = 68;

class Evaluateur {
public:
    Evaluateur(ObjetPtr application, platform::SystemeFichiers& fichiers);

    // The root of every chain; the host changes it when Word is started again.
    void application(ObjetPtr application) { application_ = std::move(application); }
    const ObjetPtr& application() const { return application_; }

    void execute(const Instruction& instruction);
    // The value of an expression; an object stays an object.
    Variant evalue(const Expression& expression);
    // What a check compares: as evalue, an object being read through its
    // default member (as VBA does when an object meets "=").
    Variant valeur(const Expression& expression);

private:
    // Property gets along the first n links of a chain, from Application.
    Variant parcours(const Chemin& chemin, size_t n);
    Arguments arguments(const ArgumentsVba& args);
    void chDrive(const std::u16string& lecteur);

    ObjetPtr application_;
    platform::SystemeFichiers& fichiers_;
};

// The value of an expression that needs neither Word nor the file system
// (literals, constants, &, -, Chr); nothing when it reads a chain or Dir.
// VBA's run-time errors (Chr(300)) come out as Erreur.
std::optional<Variant> valeurConstante(const Expression& expression);

}  // namespace k58204::lecon
