#pragma once
#include <cstdint>
#include <string>

#include "files/Fichier.hpp"
#include "files/TableauIndexe.hpp"

namespace k58204 {

// The working documents an exercise declares, in the order it added them.
class FichiersDeTravail {
public:
    void add(std::u16string siNomSource, std::u16string siNomDest, bool biModele) {
        fichiers_.add(Fichier{std::move(siNomSource), std::move(siNomDest), biModele});
    }
    int32_t count() const { return fichiers_.count(); }
    // A copy of record noItem (1 to count; 0 gives an empty record); error 9 otherwise.
    Fichier Item(int32_t noItem) const { return fichiers_.item(noItem); }

private:
    TableauIndexe<Fichier> fichiers_;
};

}  // namespace k58204
