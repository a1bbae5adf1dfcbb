#pragma once
// Grading a class's documents as one exercise: the documents named (a folder
// stands for its *.doc and *.xml files, in name order), each graded on its
// own simulated machine, several at once.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "host/Cours.hpp"
#include "host/RapportNotes.hpp"

namespace k58204::lecon {

// The documents to grade: each path as given, a folder replaced by the
// entries named *.doc or *.xml it holds (not its subfolders' content). A
// folder without such entries is kept, to be reported as what it is.
std::vector<std::filesystem::path> documentsANoter(const std::vector<std::filesystem::path>& entrees);

struct OptionsClasse {
    unsigned taches = 1;  // documents graded at once (1 or more)
    // Called after each document, with the count done and the total; from
    // any of the grading threads, one call at a time.
    std::function<void(size_t, size_t)> progression;
};

// One result a document, in the order of `documents`; a document that cannot
// be graded is a result too (NonNotable, with why).
std::vector<ResultatDocument> noteClasse(const Cours& cours, int32_t exercice,
                                         const std::vector<std::filesystem::path>& documents,
                                         const OptionsClasse& options = {});

// One document (what each grading thread does).
ResultatDocument noteDocument(const Cours& cours, int32_t exercice, const std::filesystem::path& document);

}  // namespace k58204::lecon
