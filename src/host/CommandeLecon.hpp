#pragma once
// The `lecon` command, the same on every machine: reads every script first
// (a mistake in one is reported before anything runs), plays each on a fresh
// machine of a Salle, and writes the report (text, and JSON or an HTML page
// when asked).
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "host/Etapes.hpp"
#include "host/Hote.hpp"
#include "host/Rapport.hpp"

namespace k58204::lecon {

struct ArgumentsLecon {
    std::vector<std::string> scripts;
    std::string cours;
    std::string racine;  // the simulated machine only
    bool trace = false;
    std::string json;
    std::string html;
};

// Where the scripts of a run are played, each on a fresh machine.
class Salle {
public:
    virtual ~Salle() = default;
    // Once every script has been read, before the first is played; false
    // (after telling `erreurs` why) ends the run as a mistake of usage.
    virtual bool prepare(std::ostream& erreurs) = 0;
    // Plays the script of rank `rang` in the run.
    virtual RapportScript joue(size_t rang, const Script& script, const Hote& hote) = 0;
};

// The options every host's `lecon` has: scripts, --cours, --json, --html, and
// --trace when the machine can record the module's calls.
void ajouteOptionsLecon(CLI::App& commande, ArgumentsLecon& a, bool trace);

// Runs the command; its exit code (Commandes.hpp).
int lecon(const ArgumentsLecon& a, Salle& salle, std::ostream& sortie, std::ostream& erreurs);

}  // namespace k58204::lecon
