#include "host/DossierTemporaire.hpp"

#include <stdlib.h>

#include <stdexcept>
#include <system_error>

namespace k58204::lecon {

DossierTemporaire::DossierTemporaire(const std::string& prefixe) {
    std::string modele = (std::filesystem::temp_directory_path() / (prefixe + "-XXXXXX")).string();
    if (!mkdtemp(modele.data())) throw std::runtime_error("impossible de créer un dossier temporaire : " + modele);
    chemin_ = modele;
}

DossierTemporaire::~DossierTemporaire() {
    std::error_code ignore;
    std::filesystem::remove_all(chemin_, ignore);
}

}  // namespace k58204::lecon
