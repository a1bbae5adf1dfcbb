#include "host/Commandes.hpp"

#include <unistd.h>

#include <charconv>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <CLI/CLI.hpp>

#include "host/Catalogue.hpp"
#include "host/CommandeLecon.hpp"
#include "host/Cours.hpp"
#include "host/Destination.hpp"
#include "host/DossierTemporaire.hpp"
#include "host/Hote.hpp"
#include "host/Notation.hpp"
#include "host/NotationClasse.hpp"
#include "host/Version.hpp"

namespace k58204::lecon {

namespace {

struct ArgumentsNoter {
    std::string exercice;
    std::vector<std::string> documents;
    std::string cours;
    unsigned taches = 0;  // 0: the machine's cores
    std::string json;
    std::string csv;
    std::string html;
};

struct ArgumentsExercices {
    std::string exercice;
    bool json = false;
};

// Exercise numbers are decimal whatever their leading zeros ("0110" is 110).
std::optional<int32_t> numeroExercice(const std::string& texte) {
    if (texte.empty() || texte.size() > 9) return std::nullopt;
    int32_t n = 0;
    auto [fin, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), n, 10);
    if (ec != std::errc() || fin != texte.data() + texte.size()) return std::nullopt;
    return n;
}

Cours coursDe(const std::string& option) {
    return Cours(option.empty() ? dossierCoursParDefaut() : std::filesystem::path(option));
}

// The simulated machines of a run: the drive C: of each script is a folder
// of the root named after the script (its rank first, so that two scripts of
// the same name do not meet); a temporary root unless --racine names one.
class SalleSimulee final : public Salle {
public:
    explicit SalleSimulee(std::string racine) : racineDonnee_(std::move(racine)) {}

    bool prepare(std::ostream& erreurs) override {
        try {
            if (racineDonnee_.empty()) {
                temporaire_.emplace("k58204-lecon");
                racine_ = temporaire_->chemin();
            } else {
                racine_ = racineDonnee_;
                std::filesystem::create_directories(racine_);
            }
        } catch (const std::exception& e) {
            erreurs << e.what() << "\n";
            return false;
        }
        return true;
    }

    RapportScript joue(size_t rang, const Script& script, const Hote& hote) override {
        std::string rangTexte = std::to_string(rang + 1);
        if (rangTexte.size() < 2) rangTexte.insert(0, "0");
        const std::filesystem::path c = racine_ / (rangTexte + "-" + std::filesystem::path(script.fichier).stem().string());
        try {
            std::filesystem::remove_all(c);
            std::filesystem::create_directories(c);
            return hote.joue(script, c);
        } catch (const std::exception& e) {
            RapportScript r;
            r.fichier = script.fichier;
            r.evenements.push_back(evenement::Echec{script.fichier, "", std::string("poste simulé : ") + e.what()});
            r.echoues = 1;
            return r;
        }
    }

private:
    std::string racineDonnee_;
    std::optional<DossierTemporaire> temporaire_;
    std::filesystem::path racine_;
};

// "[#######.............] 7/20" on one line of the terminal, redrawn.
void progression(std::ostream& os, size_t faits, size_t total) {
    constexpr size_t Largeur = 30;
    const size_t pleins = total ? faits * Largeur / total : Largeur;
    os << "\r[" << std::string(pleins, '#') << std::string(Largeur - pleins, '.') << "] " << faits << "/" << total
       << (faits == total ? "\n" : "") << std::flush;
}

int noter(const ArgumentsNoter& a, std::ostream& sortie, std::ostream& erreurs) {
    const std::optional<int32_t> exercice = numeroExercice(a.exercice);
    if (!exercice) {
        erreurs << "numéro d'exercice « " << a.exercice << " » : un nombre décimal de 101 à 124 est attendu\n";
        return SortieUsage;
    }
    try {
        verifieNotable(*exercice);
    } catch (const ErreurNotation& e) {
        erreurs << "exercice " << *exercice << " : " << e.what() << "\n";
        return SortieUsage;
    }
    std::optional<Destination> json, csv, html;
    if (!a.json.empty() && !(json = destination(a.json, "JSON", sortie, erreurs))) return SortieUsage;
    if (!a.csv.empty() && !(csv = destination(a.csv, "CSV", sortie, erreurs))) return SortieUsage;
    if (!a.html.empty() && !(html = destination(a.html, "HTML", sortie, erreurs))) return SortieUsage;
    auto standard = [](const std::optional<Destination>& d) { return d && d->standard(); };
    if (standard(json) + standard(csv) + standard(html) > 1) {
        erreurs << "--json -, --csv - et --html - : un seul rapport peut aller sur la sortie standard\n";
        return SortieUsage;
    }

    const Cours cours = coursDe(a.cours);
    std::vector<std::filesystem::path> entrees(a.documents.begin(), a.documents.end());
    const std::vector<DocumentANoter> documents = documentsANoter(entrees);

    OptionsClasse options;
    options.taches = a.taches ? a.taches : std::max(1u, std::thread::hardware_concurrency());
    if (documents.size() > DocumentsSansProgression && &erreurs == &std::cerr && isatty(STDERR_FILENO))
        options.progression = [&erreurs](size_t faits, size_t total) { progression(erreurs, faits, total); };
    const std::vector<ResultatDocument> resultats = noteClasse(cours, *exercice, documents, options);

    if (!standard(json) && !standard(csv) && !standard(html)) ecritTexte(sortie, resultats);
    // Every report asked is written, even after one could not be.
    bool ecrits = true;
    if (json) {
        json->flux() << enJsonTexte(enJson(resultats, VersionK58204));
        ecrits = json->termine("JSON", erreurs) && ecrits;
    }
    if (csv) {
        ecritCsv(csv->flux(), resultats);
        ecrits = csv->termine("CSV", erreurs) && ecrits;
    }
    if (html) {
        ecritHtml(html->flux(), resultats, VersionK58204);
        ecrits = html->termine("HTML", erreurs) && ecrits;
    }
    return ecrits ? codeDeSortie(resultats) : SortieUsage;
}

nlohmann::json enJson(const FicheExercice& f) {
    nlohmann::json codes = nlohmann::json::array();
    for (const MessageCode& m : f.codes) {
        nlohmann::json c{{"code", m.code}, {"message", m.message}};
        if (!m.indice.empty()) c["conseil"] = m.indice;
        if (m.bravo) c["bravo"] = true;
        codes.push_back(std::move(c));
    }
    return {{"exercise", f.numero}, {"title", f.titre}, {"codes", codes}};
}

int exercices(const ArgumentsExercices& a, std::ostream& sortie, std::ostream& erreurs) {
    std::vector<const FicheExercice*> fiches;
    if (a.exercice.empty()) {
        for (const FicheExercice& f : fichesExercices()) fiches.push_back(&f);
    } else {
        const std::optional<int32_t> n = numeroExercice(a.exercice);
        const FicheExercice* f = n ? fiche(*n) : nullptr;
        if (!f) {
            erreurs << "exercice « " << a.exercice << " » inconnu : le cours va de 101 à 124\n";
            return SortieUsage;
        }
        fiches.push_back(f);
    }
    if (a.json) {
        nlohmann::json liste = nlohmann::json::array();
        for (const FicheExercice* f : fiches) liste.push_back(enJson(*f));
        sortie << enJsonTexte(liste);
        return SortieReussie;
    }
    for (const FicheExercice* f : fiches) {
        sortie << f->numero << "  " << f->titre << "\n";
        for (const MessageCode& m : f->codes) {
            sortie << "    " << m.code << "  " << m.message << "\n";
            if (!m.indice.empty()) sortie << "       conseil : " << m.indice << "\n";
        }
    }
    return SortieReussie;
}

constexpr char Exemples[] = R"(
Examples:
  k58204 lecon                              the course's whole lesson
  k58204 lecon cours/lecon-110-113.lecon --trace
  k58204 noter 110 copie.xml                one document, graded as exercise 110
  k58204 noter 110 classe/ -j 4 --json notes.json --csv notes.csv
  k58204 noter 110 classe/ --html classe.html    a page to open in a browser
  k58204 exercices 115                      what 115 asks and what its codes mean
  k58204 help noter
)";

}  // namespace

int principal(int argc, const char* const* argv, std::ostream& sortie, std::ostream& erreurs) {
    CLI::App app{"k58204: the training host on the simulated Word 2003 (runs lessons, grades saved documents)", "k58204"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("k58204 ") + VersionK58204);
    app.footer(Exemples);

    ArgumentsLecon l;
    CLI::App* cmdLecon = app.add_subcommand("lecon", "run lesson scripts (by default the course's whole lesson)");
    ajouteOptionsLecon(*cmdLecon, l, true);
    cmdLecon->add_option("--racine", l.racine, "folder that holds drive C: of each script (kept after the run)");
    cmdLecon->footer("\nExamples:\n  k58204 lecon\n  k58204 lecon mon-essai.lecon --racine /tmp/essai --json rapport.json\n");

    ArgumentsNoter n;
    CLI::App* cmdNoter = app.add_subcommand("noter", "grade saved documents as the working document of an exercise");
    cmdNoter->add_option("N", n.exercice, "exercise number (101 to 124, decimal)")->required();
    cmdNoter->add_option("DOCUMENT", n.documents,
                         "documents (Word 2003 XML, .docx, or binary .doc converted by LibreOffice; the format is told "
                         "by the bytes), or folders (their *.doc, *.docx and *.xml files)")
        ->required();
    cmdNoter->add_option("--cours", n.cours, "course folder (source documents)");
    cmdNoter->add_option("-j,--jobs", n.taches, "documents graded at once (default: the machine's cores)")
        ->check(CLI::Range(1u, 256u));
    cmdNoter->add_option("--json", n.json, "write the results as JSON to this file (- for standard output)");
    cmdNoter->add_option("--csv", n.csv, "write the results as CSV to this file (- for standard output)");
    cmdNoter->add_option("--html", n.html,
                         "write the results as an HTML page (summary, chart of the codes, sortable table) to this "
                         "file (- for standard output)");
    cmdNoter->footer(
        "\nBinary .doc files are converted to .docx by one headless LibreOffice (soffice, package "
        "libreoffice-writer-nogui) with a private profile; where a conversion may change what an exercise checks, "
        "the document is reported \"à vérifier dans Word\" instead of graded.\n"
        "Exit codes: 0 every document passed, 1 one did not, 2 usage error or no document could be graded.\n"
        "Examples:\n  k58204 noter 110 copie.xml\n  k58204 noter 0110 classe/ -j 2 --json - > notes.json\n"
        "  k58204 noter 110 classe/ --html classe.html\n");

    ArgumentsExercices x;
    CLI::App* cmdExercices = app.add_subcommand("exercices", "list the exercises, their titles and their codes");
    cmdExercices->add_option("N", x.exercice, "only this exercise");
    cmdExercices->add_flag("--json", x.json, "as JSON");

    std::string sujet;
    CLI::App* cmdAide = app.add_subcommand("help", "help on k58204 or on one of its commands");
    cmdAide->add_option("COMMAND", sujet, "lecon, noter or exercices");

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e, sortie, erreurs);
    } catch (const CLI::ParseError& e) {
        app.exit(e, sortie, erreurs);
        return SortieUsage;
    }
    if (cmdLecon->parsed()) {
        SalleSimulee salle(l.racine);
        return lecon(l, salle, sortie, erreurs);
    }
    if (cmdNoter->parsed()) return noter(n, sortie, erreurs);
    if (cmdExercices->parsed()) return exercices(x, sortie, erreurs);
    if (sujet.empty()) {
        sortie << app.help();
        return SortieReussie;
    }
    for (CLI::App* c : {cmdLecon, cmdNoter, cmdExercices}) {
        if (c->get_name() == sujet) {
            sortie << c->help();
            return SortieReussie;
        }
    }
    erreurs << "commande « " << sujet << " » inconnue (lecon, noter, exercices)\n";
    return SortieUsage;
}

}  // namespace k58204::lecon
