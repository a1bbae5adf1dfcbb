// k58204.exe: the training host on Windows. Runs lesson scripts as
// `k58204 lecon` does on the simulated machine, with the same script format
// and the same report, but drives K58204.dll through COM as a training host
// does, and Word through the automation the module hands back.
#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include <windows.h>
#include <shellapi.h>

#include <iostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "com/commun/Possession.hpp"
#include "host/CommandeLecon.hpp"
#include "host/Commandes.hpp"
#include "host/windows/SalleCom.hpp"
#include "word/Texte.hpp"

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
    // Arguments are Windows paths; "/x" is a path of the current drive, not an option.
    app.allow_windows_style_options(false);
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

int main() {
    // The reports are UTF-8 text with "\n" line ends, byte for byte as on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // The arguments as UTF-8, from the wide command line: a script's name
    // keeps every character, whatever the ANSI code page holds.
    int argc = 0;
    LPWSTR* argvW = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argvW) return k58204::lecon::SortieUsage;
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(k58204::versUtf8(std::u16string(reinterpret_cast<const char16_t*>(argvW[i]))));
    LocalFree(argvW);
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    return principal(argc, argv.data());
}
