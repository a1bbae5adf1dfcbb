#include "host/DossierTemporaire.hpp"

#include <stdlib.h>

#include <mutex>
#include <set>
#include <stdexcept>
#include <system_error>

namespace k58204::lecon {

namespace {

std::mutex& verrou() {
    static std::mutex m;
    return m;
}

std::set<std::filesystem::path>& vivants() {
    static std::set<std::filesystem::path> s;
    return s;
}

// Set by an interruption: the process is ending, no folder is created any more.
bool interrompu = false;

}  // namespace

DossierTemporaire::DossierTemporaire(const std::string& prefixe) {
    std::string modele = (std::filesystem::temp_directory_path() / (prefixe + "-XXXXXX")).string();
    // Created and recorded under the lock: an interruption sees it or it does not exist.
    std::lock_guard<std::mutex> garde(verrou());
    if (interrompu) throw std::runtime_error("interrompu");
    if (!mkdtemp(modele.data())) throw std::runtime_error("impossible de créer un dossier temporaire : " + modele);
    chemin_ = modele;
    vivants().insert(chemin_);
}

DossierTemporaire::~DossierTemporaire() {
    std::error_code ignore;
    std::filesystem::remove_all(chemin_, ignore);
    std::lock_guard<std::mutex> garde(verrou());
    vivants().erase(chemin_);
}

void supprimeDossiersTemporaires() {
    std::lock_guard<std::mutex> garde(verrou());
    interrompu = true;
    for (const std::filesystem::path& d : vivants()) {
        // A grading thread may still be writing there: a few attempts.
        std::error_code ec;
        for (int essai = 0; essai < 5 && std::filesystem::exists(d, ec); ++essai) std::filesystem::remove_all(d, ec);
    }
    vivants().clear();
}

}  // namespace k58204::lecon
