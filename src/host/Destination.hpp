#pragma once
// An output named on the command line: "-" is standard output; a file is
// opened (and so checked) before anything runs.
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

namespace k58204::lecon {

class Destination {
public:
    // Empty when the file cannot be written.
    static std::optional<Destination> ouvre(const std::string& chemin, std::ostream& sortie);
    bool standard() const { return chemin_ == "-"; }
    std::ostream& flux() { return *flux_; }
    // Ends the report (`quoi`: its kind, "JSON"); false, after telling
    // `erreurs`, when it could not be written.
    bool termine(const char* quoi, std::ostream& erreurs);

private:
    std::string chemin_;
    std::unique_ptr<std::ofstream> fichier_;
    std::ostream* flux_ = nullptr;
};

// Destination::ouvre, telling `erreurs` when the file cannot be written
// (`quoi`: the report's kind, "JSON").
std::optional<Destination> destination(const std::string& chemin, const char* quoi, std::ostream& sortie,
                                       std::ostream& erreurs);

// JSON as the reports write it: indented by two, invalid UTF-8 replaced.
std::string enJsonTexte(const nlohmann::json& j);

}  // namespace k58204::lecon
