#pragma once
// Grading a class's documents as one exercise: the documents named (a folder
// stands for its *.doc, *.docx and *.xml files, in name order), each graded
// on its own simulated machine, several at once. Binary Word documents are
// first converted to .docx, all of them by one LibreOffice process.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "host/Cours.hpp"
#include "host/RapportNotes.hpp"

namespace k58204::lecon {

struct DocumentANoter {
    std::filesystem::path chemin;
    std::string nom;  // relative to the folder given on the command line, else the path as given
};

// The documents to grade: each path as given, a folder replaced by the
// entries named *.doc, *.docx or *.xml it holds (any case; not its
// subfolders' content). A folder without such entries is kept, to be reported
// as what it is. The format is told later by the bytes, not by the name.
std::vector<DocumentANoter> documentsANoter(const std::vector<std::filesystem::path>& entrees);

struct OptionsClasse {
    unsigned taches = 1;  // documents graded at once (1 or more)
    // Called after each conversion and each document graded, with the count
    // done and the total; from any of the grading threads, one call at a time.
    std::function<void(size_t, size_t)> progression;
    std::string libreOffice;  // the LibreOffice command (ConversionLibreOffice's default when empty)
};

// One result a document, in the order of `documents`; a document that cannot
// be graded is a result too (NonNotable, with why).
std::vector<ResultatDocument> noteClasse(const Cours& cours, int32_t exercice, const std::vector<DocumentANoter>& documents,
                                         const OptionsClasse& options = {});
// The same, each document named by its path.
std::vector<ResultatDocument> noteClasse(const Cours& cours, int32_t exercice,
                                         const std::vector<std::filesystem::path>& documents,
                                         const OptionsClasse& options = {});

// One document (what each grading thread does); `lu` is the file read in its
// place (a conversion of it), when there is one.
ResultatDocument noteDocument(const Cours& cours, int32_t exercice, const DocumentANoter& document,
                              const std::optional<std::filesystem::path>& lu = std::nullopt);

}  // namespace k58204::lecon
