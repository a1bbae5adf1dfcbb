#include "sim/docx/Docx.hpp"

#include "sim/doc/WordML2006.hpp"
#include "sim/docx/ArchiveZip.hpp"
#include "sim/docx/Paquet.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {

namespace {

constexpr std::string_view PartiePrincipale = "word/document.xml";

// The part a relationship of `source` names (internal targets only), else `parDefaut`.
std::string partieLiee(const std::vector<paquet::Relation>& relations, std::string_view source,
                       std::string_view type, std::string_view parDefaut) {
    if (auto* r = paquet::relationDeType(relations, type); r && !r->externe)
        if (auto p = paquet::resoudre(source, r->cible)) return *p;
    return std::string(parDefaut);
}

std::vector<paquet::Relation> relationsDe(const ArchiveZip& archive, std::string_view partie) {
    const std::string nom = paquet::partieRelations(partie);
    auto octets = archive.lire(nom);
    if (!octets) return {};
    return paquet::lireRelations(nom, *octets);
}

}  // namespace

bool ressembleDocx(std::string_view octets) { return octets.substr(0, 4) == std::string_view("PK\x03\x04", 4); }

ModeleDocument lireDocx(std::string_view octets, std::vector<std::string>& avertissements) {
    ArchiveZip archive(octets);
    const auto racine = relationsDe(archive, "");

    // The main part as the package names it; word/document.xml when it names
    // none, or one that is not there.
    std::string principale = partieLiee(racine, "", "officeDocument", PartiePrincipale);
    auto document = archive.lire(principale);
    if (!document && principale != PartiePrincipale)
        if ((document = archive.lire(PartiePrincipale))) principale = PartiePrincipale;
    if (!document)
        throw ErreurDocx(ErreurDocx::Cause::PartieManquante,
                         principale + " : partie principale introuvable, ce n'est pas un document Word (.docx)");

    const auto liens = relationsDe(archive, principale);
    const std::string nomStyles = partieLiee(liens, principale, "styles", "word/styles.xml");
    const std::string nomReglages = partieLiee(liens, principale, "settings", "word/settings.xml");
    const auto styles = archive.lire(nomStyles);
    const auto reglages = archive.lire(nomReglages);

    wordml::Document2006 d{{principale, *document}, std::nullopt, std::nullopt, {}, {}, {}};
    if (styles) d.styles = wordml::Partie2006{nomStyles, *styles};
    if (reglages) {
        d.reglages = wordml::Partie2006{nomReglages, *reglages};
        for (const auto& r : relationsDe(archive, nomReglages)) d.liensReglages.emplace(r.id, r.cible);
    }

    const std::string nomTheme = partieLiee(liens, principale, "theme", "word/theme/theme1.xml");
    if (auto theme = archive.lire(nomTheme)) {
        auto polices = paquet::lirePolicesTheme(nomTheme, *theme);
        d.policeThemeMajeure = polices.majeure;
        d.policeThemeMineure = polices.mineure;
    }

    ModeleDocument modele;
    try {
        modele = wordml::lireWordML2006(d, avertissements);
    } catch (const ErreurWordML& e) {
        throw ErreurDocx(ErreurDocx::Cause::PartieInvalide, e.what());
    }

    auto& pr = modele.proprietes();
    const std::string nomCore = partieLiee(racine, "", "core-properties", "docProps/core.xml");
    if (auto core = archive.lire(nomCore)) {
        auto p = paquet::lirePrincipales(nomCore, *core);
        pr.titre = depuisUtf8(p.titre);
        pr.auteur = depuisUtf8(p.auteur);
    }
    const std::string nomCustom = partieLiee(racine, "", "custom-properties", "docProps/custom.xml");
    if (auto custom = archive.lire(nomCustom))
        if (auto cle = paquet::lirePropriete(nomCustom, *custom, "MotDePasseOuverture"))
            pr.cleOuverture = depuisUtf8(*cle);
    return modele;
}

}  // namespace k58204::sim
