#pragma once
// What a lesson run reports: per script, in the order things happened, the
// verdict read after each TestePoint, each check line (attendu, attendu
// erreur, verifie) and whether it held, the failure that stopped a script,
// and (when traced) the automation calls the module made during each host
// step. Rendered as text for a person, as JSON for a program, or as an HTML
// page (RapportHtml.cpp).
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

namespace k58204::lecon {

// The verdict as the host reads it through the module's four properties.
// A property whose read raised an error holds nothing and its error text.
struct Verdict {
    std::optional<bool> erreurGenerale;
    std::optional<std::u16string> causeErreur;
    std::optional<bool> bravoNuance;
    std::optional<std::vector<std::u16string>> complement;  // none held reads as ()
    std::vector<std::string> erreurs;                        // "BravoNuance: 91 …"
};
// "ErreurGenerale=False CauseErreur="A" BravoNuance=False Complement=()".
std::string texte(const Verdict& v);
// One value as a script writes it: True, "A" (quotes doubled inside), ("a", "b").
std::string enScript(bool b);
std::string enScript(const std::u16string& s);
std::string enScript(const std::vector<std::u16string>& liste);

namespace evenement {

// A TestePoint that completed, with the verdict read just after it.
struct Teste {
    std::string position;  // "fichier:ligne"
    int32_t exercice = 0;
    Verdict verdict;
};

// A check line: attendu, attendu erreur or verifie.
struct Controle {
    std::string position;
    std::string ligne;
    bool tenu = false;
    std::string raison;  // why it did not hold
};

// What stopped the script: an error no "attendu erreur" expected, a learner
// step that failed, a desktop step with no Word to act on.
struct Echec {
    std::string position;
    std::string ligne;
    std::string raison;
};

// The automation calls the module made during one host step (--trace).
struct Appels {
    std::string position;
    std::string etape;
    std::vector<std::string> appels;  // Journal::ligne of each call
};

}  // namespace evenement

using Evenement = std::variant<evenement::Teste, evenement::Controle, evenement::Echec, evenement::Appels>;

struct RapportScript {
    std::string fichier;
    std::vector<Evenement> evenements;
    int32_t reussis = 0;   // check lines that held
    // Check lines that did not hold, check lines a stopped script did not
    // reach, and the failure that stopped it.
    int32_t echoues = 0;
    int32_t nonJoues = 0;  // check lines not reached (counted in echoues)
};

struct Rapport {
    std::vector<RapportScript> scripts;
    // The mistakes found while reading the scripts ("fichier:ligne: …"); when
    // there are any, nothing ran.
    std::vector<std::string> erreursScript;
    int32_t reussis() const;
    int32_t echoues() const;
};

// Reports shorten every text that comes from a script or a document to this
// many bytes, then say how long it was: "début… (52428800 octets)".
inline constexpr size_t TexteMaxRapport = 200;
std::string abrege(const std::string& texte, size_t maximum = TexteMaxRapport);

// The report for a person; the last line is "N passed, N failed". Under each
// verdict, what it means for the learner (the verdict catalogue).
void ecritTexte(std::ostream& os, const Rapport& rapport);
nlohmann::json enJson(const Rapport& rapport);
// One self-contained page: the summary, every failure, then each script
// (those that failed first) step by step.
void ecritHtml(std::ostream& os, const Rapport& rapport);
nlohmann::json enJson(const Verdict& verdict);
struct Lecture;
// Adds "code", "general", "message", "conseil" (when there is one) and "passed".
void ajouteLecture(nlohmann::json& j, const Lecture& lecture);

}  // namespace k58204::lecon
