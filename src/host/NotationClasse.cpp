#include "host/NotationClasse.hpp"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <mutex>
#include <system_error>
#include <thread>

#include "host/AVerifierDansWord.hpp"
#include "host/ConversionLibreOffice.hpp"
#include "host/DossierTemporaire.hpp"
#include "host/Empreinte.hpp"
#include "host/ExamenDocument.hpp"
#include "host/Notation.hpp"

namespace k58204::lecon {

namespace {

bool estDocument(const std::filesystem::path& p) {
    std::string e = p.extension().string();
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return std::tolower(c); });
    return e == ".doc" || e == ".docx" || e == ".xml";
}

}  // namespace

std::vector<DocumentANoter> documentsANoter(const std::vector<std::filesystem::path>& entrees) {
    std::vector<DocumentANoter> documents;
    for (const std::filesystem::path& entree : entrees) {
        std::error_code ec;
        if (!std::filesystem::is_directory(entree, ec)) {
            documents.push_back({entree, entree.string()});
            continue;
        }
        std::vector<std::filesystem::path> contenu;
        for (const auto& e : std::filesystem::directory_iterator(entree, ec))
            if (estDocument(e.path())) contenu.push_back(e.path());
        std::sort(contenu.begin(), contenu.end());
        if (contenu.empty()) {
            documents.push_back({entree, entree.string()});
            continue;
        }
        for (const std::filesystem::path& p : contenu) documents.push_back({p, p.filename().string()});
    }
    return documents;
}

ResultatDocument noteDocument(const Cours& cours, int32_t exercice, const DocumentANoter& document,
                              const std::optional<std::filesystem::path>& lu) {
    ResultatDocument r;
    r.chemin = document.chemin.string();
    r.nom = document.nom;
    r.exercice = exercice;
    r.converti = lu.has_value();
    try {
        std::error_code ec;
        if (natureNonOrdinaire(document.chemin).empty() && std::filesystem::is_regular_file(document.chemin, ec) &&
            std::filesystem::file_size(document.chemin, ec) <= TailleMaxFichierANoter)
            r.empreinte = sha256Hex(litFichier(document.chemin));
    } catch (const std::exception&) {
    }
    try {
        verifieNotable(exercice);
        DocumentLu contenu = litDocumentANoter(lu.value_or(document.chemin), r.chemin);
        r.lecteur = codeLecteur(contenu.lecteur);
        if (r.converti || ecritParLibreOffice(contenu.application))
            if (std::optional<std::string> raison = raisonAVerifier(exercice, r.converti)) {
                r.statut = ResultatDocument::Statut::AVerifier;
                r.aVerifier = *raison;
                r.avertissements = std::move(contenu.avertissements);
                return r;
            }
        DossierTemporaire racine("k58204-noter");
        Notation n = note(cours, exercice, std::move(contenu), r.chemin, racine.chemin());
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
    std::vector<DocumentANoter> nommes;
    for (const std::filesystem::path& p : documents) nommes.push_back({p, p.string()});
    return noteClasse(cours, exercice, nommes, options);
}

std::vector<ResultatDocument> noteClasse(const Cours& cours, int32_t exercice, const std::vector<DocumentANoter>& documents,
                                         const OptionsClasse& options) {
    // The binary documents, told by their bytes, converted first, all at once.
    std::vector<size_t> binaires;
    for (size_t i = 0; i < documents.size(); ++i) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(documents[i].chemin, ec) &&
            formatDuFichier(documents[i].chemin) == FormatFichier::WordBinaire)
            binaires.push_back(i);
    }
    const size_t total = documents.size() + binaires.size();
    size_t faits = 0;
    std::mutex verrou;
    auto avance = [&] {
        std::lock_guard<std::mutex> garde(verrou);
        ++faits;
        if (options.progression) options.progression(faits, total);
    };
    ConversionLibreOffice conversion(options.libreOffice);
    std::vector<ResultatDocument> resultats(documents.size());
    std::vector<std::optional<std::filesystem::path>> lus(documents.size());
    std::vector<bool> refuses(documents.size(), false);
    if (!binaires.empty()) {
        std::vector<std::filesystem::path> chemins;
        for (size_t i : binaires) chemins.push_back(documents[i].chemin);
        const std::vector<Conversion> conversions = conversion.convertit(chemins, avance);
        for (size_t k = 0; k < binaires.size(); ++k) {
            const size_t i = binaires[k];
            if (conversions[k].docx) {
                lus[i] = conversions[k].docx;
                continue;
            }
            ResultatDocument& r = resultats[i];
            r = noteDocument(cours, exercice, documents[i]);  // names and fingerprints the document, then refuses it
            r.erreur += " ; conversion par LibreOffice impossible : " + conversions[k].erreur;
            refuses[i] = true;
        }
    }

    std::atomic<size_t> suivant{0};
    auto travaille = [&] {
        for (size_t i = suivant++; i < documents.size(); i = suivant++) {
            if (!refuses[i]) resultats[i] = noteDocument(cours, exercice, documents[i], lus[i]);
            avance();
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
