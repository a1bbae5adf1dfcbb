// An interrupted run (SIGINT, SIGTERM) leaves no temporary folder behind and
// ends by the signal, for a lesson as for a class being graded.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "host/DossierTemporaire.hpp"

extern char** environ;

namespace k58204::lecon {
namespace {

// True once a folder of that prefix, not empty, is under `dossier`.
bool travailEnCours(const std::filesystem::path& dossier, const std::string& prefixe) {
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dossier, ec))
        if (e.path().filename().string().rfind(prefixe, 0) == 0 && !std::filesystem::is_empty(e.path(), ec)) return true;
    return false;
}

TEST(Interruption, DossiersTemporairesSupprimes) {
    DossierTemporaire espace("k58204-interruption-test");
    const auto temp = espace.chemin() / "tmp";
    std::filesystem::create_directory(temp);
    const std::string script = (espace.chemin() / "longue.lecon").string();
    std::ofstream(script) << [] {
        std::string s;
        for (int i = 0; i < 400; ++i) s += "exercice 110\nteste\n";
        return s;
    }();
    const auto classe = espace.chemin() / "classe";
    std::filesystem::create_directory(classe);
    const std::filesystem::path source = std::filesystem::path(K58204_COURS_DIR) / "05820410.doc";
    for (int i = 0; i < 200; ++i) std::filesystem::copy_file(source, classe / ("copie" + std::to_string(i) + ".doc"));
    struct Cas {
        std::vector<std::string> args;
        std::string prefixe;
        int signal;
    };
    for (const Cas& c : std::vector<Cas>{{{"lecon", script}, "k58204-lecon-", SIGINT},
                                         {{"noter", "110", classe.string(), "-j", "2"}, "k58204-noter-", SIGTERM}}) {
        SCOPED_TRACE(c.prefixe);
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), K58204_EXE);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        std::string tmpdir = "TMPDIR=" + temp.string();
        std::vector<char*> env{tmpdir.data()};
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind("TMPDIR=", 0) != 0) env.push_back(*e);
        env.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), env.data()), 0);
        posix_spawn_file_actions_destroy(&actions);

        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!travailEnCours(temp, c.prefixe) && std::chrono::steady_clock::now() < limite)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_TRUE(travailEnCours(temp, c.prefixe));
        kill(pid, c.signal);
        int statut = 0;
        ASSERT_EQ(waitpid(pid, &statut, 0), pid);
        EXPECT_TRUE(WIFSIGNALED(statut) && WTERMSIG(statut) == c.signal) << statut;
        EXPECT_TRUE(std::filesystem::is_empty(temp));
    }
}

}  // namespace
}  // namespace k58204::lecon
