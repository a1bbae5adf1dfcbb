// Grading a class of 500 documents as one exercise, the same documents as
// WordprocessingML 2003 and as .docx (LibreOffice's conversion of them): the
// wall time, and the peak memory of a process that grades only that class
// (each run is made in a child process, whose peak resident size the kernel
// reports when it ends).
//
//   cmake --preset bench && cmake --build --preset bench --target bench_noter
//   build/bench/bench/host/bench_noter
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "host/DossierTemporaire.hpp"
#include "host/NotationClasse.hpp"
#include "host/ProcessusEnfant.hpp"

namespace k58204::lecon {
namespace {

namespace fs = std::filesystem;

constexpr int Documents = 500;
constexpr int32_t Exercice = 110;

// The class: 500 copies of the course's document of exercise 110, as XML in
// one folder and as .docx in another.
struct Classe {
    DossierTemporaire dossier{"k58204-bench-noter"};
    fs::path xml = dossier.chemin() / "xml", docx = dossier.chemin() / "docx";

    Classe() {
        fs::create_directories(xml);
        fs::create_directories(docx);
        const fs::path source = dossier.chemin() / "source.xml";
        fs::copy_file(fs::path(K58204_COURS_DIR) / "05820410.doc", source);
        ProcessusEnfant soffice({"soffice", "--headless", "-env:UserInstallation=file://" + (dossier.chemin() / "p").string(),
                                 "--convert-to", "docx:MS Word 2007 XML", "--outdir", dossier.chemin().string(),
                                 source.string()});
        int code = -1;
        if (soffice.attend(std::chrono::seconds(120), [](const std::string&) {}, code) != ProcessusEnfant::Fin::Terminee ||
            !fs::exists(dossier.chemin() / "source.docx"))
            throw std::runtime_error("LibreOffice did not convert the course's document");
        for (int i = 0; i < Documents; ++i) {
            const std::string nom = "eleve" + std::to_string(i);
            fs::copy_file(source, xml / (nom + ".xml"));
            fs::copy_file(dossier.chemin() / "source.docx", docx / (nom + ".docx"));
        }
    }
};

Classe& classe() {
    static Classe c;
    return c;
}

// Grades the folder in a child process; its peak resident size in MiB.
double noteDansUnEnfant(const fs::path& dossier) {
    const pid_t pid = fork();
    if (pid == 0) {
        const Cours cours(K58204_COURS_DIR);
        OptionsClasse options;
        options.taches = std::max(1u, std::thread::hardware_concurrency());
        const auto resultats = noteClasse(cours, Exercice, documentsANoter({dossier}), options);
        for (const ResultatDocument& r : resultats)
            if (r.statut == ResultatDocument::Statut::NonNotable) _exit(1);
        _exit(resultats.size() == Documents ? 0 : 1);
    }
    int statut = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &statut, 0, &usage) != pid || !WIFEXITED(statut) || WEXITSTATUS(statut) != 0)
        throw std::runtime_error("grading " + dossier.string() + " failed");
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_NoterClasse(benchmark::State& state, bool docx) {
    const fs::path dossier = docx ? classe().docx : classe().xml;
    double pic = 0;
    for (auto _ : state) pic = std::max(pic, noteDansUnEnfant(dossier));
    state.counters["documents"] = Documents;
    state.counters["peak_MiB"] = pic;
    state.counters["docs_per_s"] = benchmark::Counter(Documents, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK_CAPTURE(BM_NoterClasse, xml, false)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK_CAPTURE(BM_NoterClasse, docx, true)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace k58204::lecon
