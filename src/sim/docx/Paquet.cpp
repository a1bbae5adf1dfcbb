#include "sim/docx/Paquet.hpp"

#include <rapidxml/rapidxml.hpp>

#include "sim/doc/ProfondeurXml.hpp"
#include "sim/doc/WordML.hpp"
#include "sim/docx/Docx.hpp"

namespace k58204::sim::paquet {

namespace {

using Noeud = rapidxml::xml_node<char>;

// A parsed part. Element names are matched by their local name: these parts
// have one vocabulary each, and writers differ in the prefixes they use.
class Xml {
public:
    Xml(std::string_view nomPartie, std::string_view octets) : tampon_(octets.begin(), octets.end()) {
        auto refuse = [&](const std::string& r) {
            throw ErreurDocx(ErreurDocx::Cause::PartieInvalide, std::string(nomPartie) + " : XML mal formé (" + r + ")");
        };
        if (octets.find('\0') != std::string_view::npos) refuse("octet nul");
        // The parser recurses once per level: too deep a nesting is refused before parsing.
        if (mesureProfondeurXml(octets, ProfondeurMaxWordML) != ProfondeurXml::Acceptable)
            refuse("balisage illisible ou imbriqué trop profond");
        tampon_.push_back('\0');
        try {
            xml_.parse<rapidxml::parse_validate_closing_tags>(tampon_.data());
        } catch (const rapidxml::parse_error& e) {
            refuse(e.what());
        }
        for (auto* n = xml_.first_node(); n; n = n->next_sibling())
            if (n->type() == rapidxml::node_element) {
                racine_ = n;
                break;
            }
        if (!racine_) refuse("aucun élément");
    }
    const Noeud* racine() const { return racine_; }

private:
    std::vector<char> tampon_;
    rapidxml::xml_document<char> xml_;
    const Noeud* racine_ = nullptr;
};

std::string_view local(std::string_view nom) {
    size_t i = nom.find(':');
    return i == std::string_view::npos ? nom : nom.substr(i + 1);
}
bool est(const Noeud* n, std::string_view nom) {
    return n->type() == rapidxml::node_element && local({n->name(), n->name_size()}) == nom;
}
std::string attribut(const Noeud* n, std::string_view nom) {
    for (auto* a = n->first_attribute(); a; a = a->next_attribute())
        if (std::string_view(a->name(), a->name_size()) == nom) return {a->value(), a->value_size()};
    return {};
}
std::string texte(const Noeud* n) {
    std::string s;
    for (auto* c = n->first_node(); c; c = c->next_sibling())
        if (c->type() == rapidxml::node_data || c->type() == rapidxml::node_cdata) s.append(c->value(), c->value_size());
    return s;
}

}  // namespace

std::vector<Relation> lireRelations(std::string_view nomPartie, std::string_view octets) {
    Xml x(nomPartie, octets);
    std::vector<Relation> r;
    for (auto* e = x.racine()->first_node(); e; e = e->next_sibling())
        if (est(e, "Relationship"))
            r.push_back({attribut(e, "Id"), attribut(e, "Type"), attribut(e, "Target"),
                         attribut(e, "TargetMode") == "External"});
    return r;
}

std::string partieRelations(std::string_view partie) {
    size_t barre = partie.rfind('/');
    std::string_view dossier = barre == std::string_view::npos ? std::string_view() : partie.substr(0, barre + 1);
    std::string_view fichier = barre == std::string_view::npos ? partie : partie.substr(barre + 1);
    return std::string(dossier) + "_rels/" + std::string(fichier) + ".rels";
}

std::optional<std::string> resoudre(std::string_view source, std::string_view cible) {
    std::vector<std::string> segments;
    if (cible.substr(0, 1) != "/") {
        size_t barre = source.rfind('/');
        std::string_view dossier = barre == std::string_view::npos ? std::string_view() : source.substr(0, barre);
        for (size_t i = 0; i < dossier.size();) {
            size_t j = dossier.find('/', i);
            if (j == std::string_view::npos) j = dossier.size();
            segments.emplace_back(dossier.substr(i, j - i));
            i = j + 1;
        }
    }
    for (size_t i = 0; i <= cible.size();) {
        size_t j = cible.find('/', i);
        if (j == std::string_view::npos) j = cible.size();
        std::string_view s = cible.substr(i, j - i);
        if (s == "..") {
            if (segments.empty()) return std::nullopt;
            segments.pop_back();
        } else if (!s.empty() && s != ".") {
            segments.emplace_back(s);
        }
        i = j + 1;
    }
    if (segments.empty()) return std::nullopt;
    std::string chemin;
    for (const auto& s : segments) chemin += (chemin.empty() ? "" : "/") + s;
    return chemin;
}

const Relation* relationDeType(const std::vector<Relation>& relations, std::string_view suffixe) {
    for (const auto& r : relations) {
        std::string_view t = r.type;
        if (t.size() > suffixe.size() && t.substr(t.size() - suffixe.size()) == suffixe &&
            t[t.size() - suffixe.size() - 1] == '/')
            return &r;
    }
    return nullptr;
}

Principales lirePrincipales(std::string_view nomPartie, std::string_view octets) {
    Xml x(nomPartie, octets);
    Principales p;
    for (auto* e = x.racine()->first_node(); e; e = e->next_sibling()) {
        if (est(e, "title")) p.titre = texte(e);
        else if (est(e, "creator")) p.auteur = texte(e);
    }
    return p;
}

PolicesTheme lirePolicesTheme(std::string_view nomPartie, std::string_view octets) {
    Xml x(nomPartie, octets);
    auto enfant = [](const Noeud* n, std::string_view nom) -> const Noeud* {
        for (auto* e = n ? n->first_node() : nullptr; e; e = e->next_sibling())
            if (est(e, nom)) return e;
        return nullptr;
    };
    const Noeud* schema = enfant(enfant(x.racine(), "themeElements"), "fontScheme");
    auto latine = [&](std::string_view police) {
        const Noeud* l = enfant(enfant(schema, police), "latin");
        return l ? attribut(l, "typeface") : std::string();
    };
    return {latine("majorFont"), latine("minorFont")};
}

std::optional<std::string> lirePropriete(std::string_view nomPartie, std::string_view octets, std::string_view nom) {
    Xml x(nomPartie, octets);
    for (auto* e = x.racine()->first_node(); e; e = e->next_sibling()) {
        if (!est(e, "property") || attribut(e, "name") != nom) continue;
        for (auto* v = e->first_node(); v; v = v->next_sibling())
            if (v->type() == rapidxml::node_element) return texte(v);
        return std::string();
    }
    return std::nullopt;
}

}  // namespace k58204::sim::paquet
