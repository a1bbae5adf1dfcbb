#include "host/NotationClasse.hpp"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <system_error>
#include <thread>

#include "host/DossierTemporaire.hpp"
#include "host/Empreinte.hpp"
#include "host/ExamenDocument.hpp"
#include "host/Notation.hpp"

namespace k58204::lecon {

namespace {

bool estDocument(const std::filesystem::path& p) {
    const std::string e = p.extension().string();
    return e == ".doc" || e == ".xml";
}

}  // namespace

std::vector<std::filesystem::path> documentsANoter(const std::vector<std::filesystem::path>& entrees) {
    std::vector<std::filesystem::path> documents;
    for (const std::filesystem::path& entree : entrees) {
        std::error_code ec;
        if (!std::filesystem::is_directory(entree, ec)) {
            documents.push_back(entree);
            continue;
        }
        std::vector<std::filesystem::path> contenu;
        for (const auto& e : std::filesystem::directory_iterator(entree, ec))
            if (estDocument(e.path())) contenu.push_back(e.path());
        std::sort(contenu.begin(), contenu.end());
        if (contenu.empty()) contenu.push_back(entree);
        documents.insert(documents.end(), contenu.begin(), contenu.end());
    }
    return documents;
}

ResultatDocument noteDocument(const Cours& cours, int32_t exercice, const std::filesystem::path& document) {
    ResultatDocument r;
    r.chemin = document.string();
    r.exercice = exercice;
    try {
        std::error_code ec;
        if (natureNonOrdinaire(document).empty() && std::filesystem::is_regular_file(document, ec))
            r.empreinte = sha256Hex(litFichier(document));
    } catch (const std::exception&) {
    }
    try {
        DossierTemporaire racine("k58204-noter");
        Notation n = note(cours, exercice, document, racine.chemin());
        r.verdict = n.verdict;
        r.lecture = lis(exercice, n.verdict);
        r.statut = r.lecture.reussi ? ResultatDocument::Statut::Reussi : ResultatDocument::Statut::Echoue;
        r.note = n.note;
        r.avertissements = n.avertissements;
    } catch (const std::exception& e) {
        r.statut = ResultatDocument::Statut::NonNotable;
        r.erreur = e.what();
    }
    return r;
}

std::vector<ResultatDocument> noteClasse(const Cours& cours, int32_t exercice,
                                         const std::vector<std::filesystem::path>& documents,
                                         const OptionsClasse& options) {
    std::vector<ResultatDocument> resultats(documents.size());
    std::atomic<size_t> suivant{0};
    size_t faits = 0;
    std::mutex verrou;
    auto travaille = [&] {
        for (size_t i = suivant++; i < documents.size(); i = suivant++) {
            resultats[i] = noteDocument(cours, exercice, documents[i]);
            std::lock_guard<std::mutex> garde(verrou);
            ++faits;
            if (options.progression) options.progression(faits, documents.size());
        }
    };
    const size_t taches = std::clamp<size_t>(options.taches, 1, std::max<size_t>(documents.size(), 1));
    if (taches == 1) {
        travaille();
        return resultats;
    }
    std::vector<std::jthread> fils;
    for (size_t t = 0; t < taches; ++t) fils.emplace_back(travaille);
    fils.clear();  // joins
    return resultats;
}

}  // namespace k58204::lecon
