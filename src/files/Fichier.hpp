#pragma once
#include <string>

namespace k58204 {

// One working document of an exercise: the name under which the host places
// it in the working folder, the name the exercise uses, and whether it is a
// template that belongs in the template folder.
struct Fichier {
    std::u16string NomSource;  // empty when there is nothing to rename
    std::u16string NomDest;
    bool Modele = false;

    bool operator==(const Fichier&) const = default;
};

}  // namespace k58204
