#include "host/CommandeLecon.hpp"

#include <exception>
#include <filesystem>
#include <optional>

#include "host/CheminsUtf8.hpp"
#include "host/Commandes.hpp"
#include "host/Cours.hpp"
#include "host/Destination.hpp"
#include "host/LecteurScript.hpp"

namespace k58204::lecon {

void ajouteOptionsLecon(CLI::App& commande, ArgumentsLecon& a, bool trace) {
    commande.add_option("scripts", a.scripts, "*.lecon scripts (by default the course's, in name order)");
    commande.add_option("--cours", a.cours, "course folder (source documents and lesson scripts)");
    if (trace)
        commande.add_flag("--trace", a.trace, "print the automation calls the module makes during each host step");
    commande.add_option("--json", a.json, "also write the report as JSON to this file (- for standard output)");
    commande.add_option("--html", a.html, "also write the report as an HTML page to this file (- for standard output)");
}

namespace {

// The reports asked besides the text: JSON, HTML; at most one of them on
// standard output, where it replaces the text.
struct Rapports {
    std::optional<Destination> json, html;
    bool surSortie() const { return (json && json->standard()) || (html && html->standard()); }

    // False (after saying so) when one could not be written.
    bool ecrit(const Rapport& rapport, std::ostream& erreurs) {
        bool ok = true;
        if (json) {
            json->flux() << enJsonTexte(enJson(rapport));
            ok = json->termine("JSON", erreurs) && ok;
        }
        if (html) {
            ecritHtml(html->flux(), rapport);
            ok = html->termine("HTML", erreurs) && ok;
        }
        return ok;
    }
};

}  // namespace

int lecon(const ArgumentsLecon& a, Salle& salle, std::ostream& sortie, std::ostream& erreurs) {
    Rapports rapports;
    if (!a.json.empty() && !(rapports.json = destination(a.json, "JSON", sortie, erreurs))) return SortieUsage;
    if (!a.html.empty() && !(rapports.html = destination(a.html, "HTML", sortie, erreurs))) return SortieUsage;
    if (rapports.json && rapports.html && rapports.json->standard() && rapports.html->standard()) {
        erreurs << "--json - et --html - : un seul rapport peut aller sur la sortie standard\n";
        return SortieUsage;
    }

    const Cours cours(a.cours.empty() ? dossierCoursParDefaut() : cheminUtf8(a.cours));
    std::vector<std::filesystem::path> chemins;
    for (const std::string& s : a.scripts) chemins.push_back(cheminUtf8(s));
    if (chemins.empty()) chemins = cours.lecons();
    if (chemins.empty()) {
        erreurs << "aucun script de leçon (*.lecon) dans " << cours.dossier().string() << "\n";
        return SortieUsage;
    }

    // Every script is read before anything runs.
    Rapport rapport;
    std::vector<Script> scripts;
    for (const auto& chemin : chemins) {
        try {
            scripts.push_back(litScript(chemin));
        } catch (const ErreurScript& e) {
            rapport.erreursScript.insert(rapport.erreursScript.end(), e.erreurs().begin(), e.erreurs().end());
        }
    }
    if (!rapport.erreursScript.empty()) {
        for (const std::string& f : rapport.erreursScript) erreurs << abrege(f) << "\n";
        rapports.ecrit(rapport, erreurs);
        return SortieUsage;
    }

    if (!salle.prepare(erreurs)) return SortieUsage;

    const Hote hote(cours, OptionsHote{a.trace});
    for (size_t i = 0; i < scripts.size(); ++i) {
        try {
            rapport.scripts.push_back(salle.joue(i, scripts[i], hote));
        } catch (const std::exception& e) {
            RapportScript r;
            r.fichier = scripts[i].fichier;
            r.evenements.push_back(evenement::Echec{scripts[i].fichier, "", std::string("poste : ") + e.what()});
            r.echoues = 1;
            rapport.scripts.push_back(std::move(r));
        }
    }

    if (!rapports.surSortie()) ecritTexte(sortie, rapport);
    if (!rapports.ecrit(rapport, erreurs)) return SortieUsage;
    return rapport.echoues() == 0 ? SortieReussie : SortieEchec;
}

}  // namespace k58204::lecon
