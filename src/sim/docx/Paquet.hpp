#pragma once
// The package's own XML parts: relationships (*.rels) and document
// properties (docProps/core.xml, docProps/custom.xml). Each is parsed from its
// bytes; malformed XML throws ErreurDocx (PartieInvalide) naming the part.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k58204::sim::paquet {

struct Relation {
    std::string id;
    std::string type;    // the relationship type URI
    std::string cible;   // Target as written
    bool externe = false;  // TargetMode="External"
};

std::vector<Relation> lireRelations(std::string_view nomPartie, std::string_view octets);

// The relationships part of a part: word/document.xml -> word/_rels/document.xml.rels.
std::string partieRelations(std::string_view partie);
// Resolves an internal Target against the part holding the relationship
// ("" for the package): "styles.xml" from word/document.xml is word/styles.xml,
// "/word/x.xml" is word/x.xml, ".." goes up. nullopt when it leaves the package.
std::optional<std::string> resoudre(std::string_view source, std::string_view cible);
// The first relationship whose type ends with "/" + `suffixe` (transitional
// and strict type URIs differ only before it).
const Relation* relationDeType(const std::vector<Relation>& relations, std::string_view suffixe);

// dc:title and dc:creator of the core properties (UTF-8); empty when absent.
struct Principales {
    std::string titre, auteur;
};
Principales lirePrincipales(std::string_view nomPartie, std::string_view octets);
// The heading (major) and body (minor) Latin fonts of a theme part's font
// scheme (a:fontScheme); empty when absent.
struct PolicesTheme {
    std::string majeure, mineure;
};
PolicesTheme lirePolicesTheme(std::string_view nomPartie, std::string_view octets);
// The value of the custom property `nom`; nullopt when absent.
std::optional<std::string> lirePropriete(std::string_view nomPartie, std::string_view octets, std::string_view nom);

}  // namespace k58204::sim::paquet
