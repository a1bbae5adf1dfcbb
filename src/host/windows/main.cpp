// k58204.exe: the training host on Windows. Runs lesson scripts as
// `k58204 lecon` does on the simulated machine, with the same script format
// and the same report, but drives K58204.dll through COM as a training host
// does, and Word through the automation the module hands back.
#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "com/commun/Possession.hpp"
#include "host/CommandeLecon.hpp"
#include "host/Commandes.hpp"
#include "host/windows/SalleCom.hpp"

namespace {

constexpr char Aide[] = R"(
Only the lesson runner: grading saved documents (noter) needs the simulated
Word in-process and is part of the Linux host only.
The module is "K58204.Module" (regsvr32 K58204.dll), Word is whatever server
is registered as "Word.Application" (simword.exe /RegServer for the simulated one).

Examples:
  k58204 lecon                          the course's whole lesson
  k58204 lecon cours\lecon-110-113.lecon --json rapport.json
)";

int principal(int argc, char** argv) {
    using namespace k58204::lecon;
    CLI::App app{"k58204: the training host on Windows, driving K58204.dll and Word through COM", "k58204"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("k58204 ") + K58204_VERSION);
    app.footer(Aide);

    ArgumentsLecon l;
    CLI::App* cmdLecon = app.add_subcommand("lecon", "run lesson scripts (by default the course's whole lesson)");
    ajouteOptionsLecon(*cmdLecon, l, false);

    std::string sujet;
    CLI::App* cmdAide = app.add_subcommand("help", "help on k58204 or on one of its commands");
    cmdAide->add_option("COMMAND", sujet, "lecon");

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e, std::cout, std::cerr);
    } catch (const CLI::ParseError& e) {
        app.exit(e, std::cout, std::cerr);
        return SortieUsage;
    }
    if (cmdLecon->parsed()) {
        k58204::com::InitialisationCom com;
        if (FAILED(com.resultat())) {
            std::cerr << "COM n'a pas pu être initialisé\n";
            return SortieUsage;
        }
        windows::SalleCom salle;
        return lecon(l, salle, std::cout, std::cerr);
    }
    if (sujet.empty() || sujet == "lecon") {
        std::cout << (sujet.empty() ? app.help() : cmdLecon->help());
        return SortieReussie;
    }
    std::cerr << "commande « " << sujet << " » inconnue (lecon)\n";
    return SortieUsage;
}

}  // namespace

int main(int argc, char** argv) {
    // The reports are UTF-8 text with "\n" line ends, byte for byte as on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return principal(argc, argv);
}
