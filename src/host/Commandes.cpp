#include "host/Commandes.hpp"

#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "host/Cours.hpp"
#include "host/DossierTemporaire.hpp"
#include "host/Hote.hpp"
#include "host/LecteurScript.hpp"
#include "host/Notation.hpp"

namespace k58204::lecon {

namespace {

struct ArgumentsLecon {
    std::vector<std::string> scripts;
    std::string cours;
    std::string racine;
    bool trace = false;
    std::string json;
};

struct ArgumentsNoter {
    int exercice = 0;
    std::string document;
    std::string cours;
};

Cours coursDe(const std::string& option) {
    return Cours(option.empty() ? dossierCoursParDefaut() : std::filesystem::path(option));
}

// The drive C: of each script: a folder of the root named after the script
// (its rank first, so that two scripts of the same name do not meet).
std::filesystem::path racineDuScript(const std::filesystem::path& racine, size_t rang, const std::string& fichier) {
    std::string rangTexte = std::to_string(rang + 1);
    if (rangTexte.size() < 2) rangTexte.insert(0, "0");
    return racine / (rangTexte + "-" + std::filesystem::path(fichier).stem().string());
}

int lecon(const ArgumentsLecon& a, std::ostream& sortie, std::ostream& erreurs) {
    const Cours cours = coursDe(a.cours);
    std::vector<std::filesystem::path> chemins(a.scripts.begin(), a.scripts.end());
    if (chemins.empty()) chemins = cours.lecons();
    if (chemins.empty()) {
        erreurs << "aucun script de leçon (*.lecon) dans " << cours.dossier().string() << "\n";
        return SortieUsage;
    }

    // Every script is read before anything runs.
    std::vector<Script> scripts;
    std::vector<std::string> fautes;
    for (const auto& chemin : chemins) {
        try {
            scripts.push_back(litScript(chemin));
        } catch (const ErreurScript& e) {
            fautes.insert(fautes.end(), e.erreurs().begin(), e.erreurs().end());
        }
    }
    if (!fautes.empty()) {
        for (const std::string& f : fautes) erreurs << f << "\n";
        return SortieUsage;
    }

    std::optional<DossierTemporaire> temporaire;
    std::filesystem::path racine;
    try {
        if (a.racine.empty()) {
            temporaire.emplace("k58204-lecon");
            racine = temporaire->chemin();
        } else {
            racine = a.racine;
            std::filesystem::create_directories(racine);
        }
    } catch (const std::exception& e) {
        erreurs << e.what() << "\n";
        return SortieUsage;
    }

    Rapport rapport;
    const Hote hote(cours, OptionsHote{a.trace});
    for (size_t i = 0; i < scripts.size(); ++i) {
        const std::filesystem::path c = racineDuScript(racine, i, scripts[i].fichier);
        try {
            std::filesystem::remove_all(c);
            std::filesystem::create_directories(c);
            rapport.scripts.push_back(hote.joue(scripts[i], c));
        } catch (const std::exception& e) {
            RapportScript r;
            r.fichier = scripts[i].fichier;
            r.evenements.push_back(evenement::Echec{scripts[i].fichier, "", std::string("poste simulé : ") + e.what()});
            r.echoues = 1;
            rapport.scripts.push_back(std::move(r));
        }
    }

    ecritTexte(sortie, rapport);
    if (!a.json.empty()) {
        std::ofstream f(a.json, std::ios::binary);
        f << enJson(rapport).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
        if (!f) {
            erreurs << a.json << " : impossible d'écrire le rapport JSON\n";
            return SortieUsage;
        }
    }
    return rapport.echoues() == 0 ? SortieReussie : SortieEchec;
}

int noter(const ArgumentsNoter& a, std::ostream& sortie, std::ostream& erreurs) {
    const Cours cours = coursDe(a.cours);
    try {
        DossierTemporaire racine("k58204-noter");
        Notation n = note(cours, a.exercice, a.document, racine.chemin());
        sortie << "exercice " << n.exercice << " : " << texte(n.verdict) << "\n";
        if (!n.note.empty()) sortie << "note : " << n.note << "\n";
        sortie << (n.reussi() ? "réussi" : "non réussi") << "\n";
        return n.reussi() ? SortieReussie : SortieEchec;
    } catch (const ErreurNotation& e) {
        erreurs << "exercice " << a.exercice << " : " << e.what() << "\n";
        return SortieUsage;
    } catch (const std::exception& e) {
        erreurs << e.what() << "\n";
        return SortieUsage;
    }
}

}  // namespace

int principal(int argc, const char* const* argv, std::ostream& sortie, std::ostream& erreurs) {
    CLI::App app{"k58204: the training host on the simulated Word 2003 (runs lessons, grades saved documents)", "k58204"};
    app.require_subcommand(1);

    ArgumentsLecon l;
    CLI::App* cmdLecon = app.add_subcommand("lecon", "run lesson scripts (by default the course's whole lesson)");
    cmdLecon->add_option("scripts", l.scripts, "*.lecon scripts (by default the course's, in name order)");
    cmdLecon->add_option("--cours", l.cours, "course folder (source documents and lesson scripts)");
    cmdLecon->add_option("--racine", l.racine, "folder that holds drive C: of each script (kept after the run)");
    cmdLecon->add_flag("--trace", l.trace, "print the automation calls the module makes during each host step");
    cmdLecon->add_option("--json", l.json, "also write the report as JSON to this file");

    ArgumentsNoter n;
    CLI::App* cmdNoter = app.add_subcommand("noter", "grade a saved document as the working document of an exercise");
    cmdNoter->add_option("N", n.exercice, "exercise number (101 to 124)")->required();
    cmdNoter->add_option("DOCUMENT", n.document, "WordprocessingML document (a path on this machine)")->required();
    cmdNoter->add_option("--cours", n.cours, "course folder (source documents)");

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e, sortie, erreurs);
    } catch (const CLI::ParseError& e) {
        app.exit(e, sortie, erreurs);
        return SortieUsage;
    }
    if (cmdLecon->parsed()) return lecon(l, sortie, erreurs);
    return noter(n, sortie, erreurs);
}

}  // namespace k58204::lecon
