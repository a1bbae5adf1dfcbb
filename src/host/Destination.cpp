#include "host/Destination.hpp"

#include <filesystem>
#include <system_error>

namespace k58204::lecon {

std::optional<Destination> Destination::ouvre(const std::string& chemin, std::ostream& sortie) {
    Destination d;
    d.chemin_ = chemin;
    if (chemin == "-") {
        d.flux_ = &sortie;
        return d;
    }
    std::error_code ec;
    if (std::filesystem::is_directory(chemin, ec)) return std::nullopt;
    d.fichier_ = std::make_unique<std::ofstream>(chemin, std::ios::binary | std::ios::trunc);
    if (!*d.fichier_) return std::nullopt;
    d.flux_ = d.fichier_.get();
    return d;
}

bool Destination::termine(const char* quoi, std::ostream& erreurs) {
    flux_->flush();
    if (*flux_) return true;
    erreurs << chemin_ << " : impossible d'écrire le rapport " << quoi << "\n";
    return false;
}

std::optional<Destination> destination(const std::string& chemin, const char* quoi, std::ostream& sortie,
                                       std::ostream& erreurs) {
    auto d = Destination::ouvre(chemin, sortie);
    if (!d) erreurs << chemin << " : impossible d'écrire le rapport " << quoi << " à cet endroit\n";
    return d;
}

std::string enJsonTexte(const nlohmann::json& j) {
    return j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace k58204::lecon
