#pragma once
// A fresh folder under the system's temporary folder, removed with its
// content when the object goes.
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

}  // namespace k58204::lecon
