#pragma once
// Staging and clean-up of an exercise's working documents: the host places
// each source document in the working folder; before the exercise it is moved
// to the name the exercise uses; when the exercise ends, the document is
// closed in Word without saving and deleted.
#include <optional>
#include <string>

#include "files/FichiersDeTravail.hpp"
#include "platform/SystemeFichiers.hpp"
#include "word/Modele.hpp"

namespace k58204 {

struct DossiersTravail {
    std::u16string travail;  // the working folder, ending with a backslash
    std::u16string modeles;  // the template folder, ending with a backslash
};

// For each destination file (destination folder + NomDest): closes, without
// saving, the open document that is that file (by full path; a document of
// the same name elsewhere is left alone), unloads and detaches templates of
// that name, and deletes the file. `fichiers` null raises error 91, as reading
// the records of no exercise does. A failing Word call does not stop the
// deletions; it is raised again with "Module" / "Nettoyage" at the end, as is
// a failure to read the records (which stops at once).
void Nettoyage(const FichiersDeTravail* fichiers, const word::Application& application,
               const DossiersTravail& dossiers, platform::SystemeFichiers& fs);

// Moves each source document to its destination name, in the working folder
// or the template folder. Errors are raised again with "Module" / "Renomme".
void Renomme(const FichiersDeTravail* fichiers, const DossiersTravail& dossiers, platform::SystemeFichiers& fs);

}  // namespace k58204
