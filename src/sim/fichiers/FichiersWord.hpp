#pragma once
// The file system as a Word instance uses it: the seam, plus the holding of
// the files of open documents. While a holder keeps a file, nobody else may
// delete, rename or overwrite it; the holder itself may still save it.
// SystemeFichiersLinux implements it on the simulated drive C:; simword.exe
// implements it over the real Windows file system with real file handles.
#include <memory>
#include <string_view>

#include "platform/SystemeFichiers.hpp"
#include "sim/fichiers/DetenteurFichiers.hpp"

namespace k58204::sim {

class FichiersWord : public platform::SystemeFichiers {
public:
    // Files a holder keeps open (for as long as the holder lives).
    virtual void ajouteDetenteur(std::weak_ptr<const DetenteurFichiers> detenteur) = 0;
    // Ecrit on behalf of a holder, which may overwrite the files it holds itself.
    virtual void ecritPour(std::u16string_view chemin, std::string_view octets, const DetenteurFichiers* auteur) = 0;
};

}  // namespace k58204::sim
