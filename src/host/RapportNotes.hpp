#pragma once
// The report of a class's documents graded as one exercise: one result per
// document and a summary, as text for a person, JSON for a program (its
// schema: schemas/notes.schema.json), CSV for a spreadsheet or an HTML page
// for a teacher (RapportNotesHtml.cpp). Nothing here
// depends on how the documents were graded.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/Catalogue.hpp"
#include "host/Rapport.hpp"

namespace k58204::lecon {

// The version of the JSON of notes; raised when a field changes meaning or goes.
inline constexpr int VersionSchemaNotes = 2;

struct ResultatDocument {
    // AVerifier: read, but converted from a format whose conversion may change
    // what the exercise's check reads; no verdict is given, the reason is.
    enum class Statut { Reussi, Echoue, NonNotable, AVerifier };
    std::string chemin;
    std::string nom;  // as a teacher knows it: relative to the folder given, else the path given
    std::string empreinte;  // SHA-256 of the file, hexadecimal; empty when it could not be read
    int32_t exercice = 0;
    Statut statut = Statut::NonNotable;
    std::optional<Verdict> verdict;  // when graded
    Lecture lecture;                 // when graded
    std::string note;                // what the verdict reflects (exercises judged on Word's state)
    std::vector<std::string> avertissements;
    std::string erreur;  // why it could not be graded
    std::string lecteur;  // "wordml2003" or "docx" once read; empty when it could not be
    bool converti = false;  // a binary Word document converted to .docx by LibreOffice
    std::string aVerifier;  // why it is to be checked in Word (Statut::AVerifier)
};

struct Bilan {
    int32_t reussis = 0, echoues = 0, nonNotables = 0, aVerifier = 0;
};
Bilan bilan(const std::vector<ResultatDocument>& resultats);

// 0 when every document passed, 1 when one did not (failed, not gradable or
// to be checked in Word), 2 when none could be graded.
int codeDeSortie(const std::vector<ResultatDocument>& resultats);

// One block a document, then "N passed, N failed, N not gradable" (and ", N
// to check in Word" when there are such).
void ecritTexte(std::ostream& os, const std::vector<ResultatDocument>& resultats);
nlohmann::json enJson(const std::vector<ResultatDocument>& resultats, const std::string& version);
// A header line, then one line a document (RFC 4180 quoting).
void ecritCsv(std::ostream& os, const std::vector<ResultatDocument>& resultats);
// One self-contained page: the summary, a chart of the codes, the documents'
// table (sortable, filterable by status), the documents not gradable.
void ecritHtml(std::ostream& os, const std::vector<ResultatDocument>& resultats, const std::string& version);

}  // namespace k58204::lecon
