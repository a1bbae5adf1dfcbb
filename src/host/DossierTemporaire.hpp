#pragma once
// A fresh folder under the system's temporary folder, removed with its
// content when the object goes. Every such folder alive is also known to
// the process, so that an interruption (see Interruption.hpp) removes it too.
#include <filesystem>
#include <string>

namespace k58204::lecon {

class DossierTemporaire {
public:
    // std::runtime_error when it cannot be created.
    explicit DossierTemporaire(const std::string& prefixe = "k58204");
    ~DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& chemin() const { return chemin_; }

private:
    std::filesystem::path chemin_;
};

// Removes every temporary folder still alive (on an interruption); from then
// on none is created (the constructor throws).
void supprimeDossiersTemporaires();

}  // namespace k58204::lecon
