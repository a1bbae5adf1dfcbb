// The agreement between formats: the verdict a document gets as the
// simulated Word saved it (WordprocessingML 2003), and the verdicts of the
// same document once LibreOffice has saved it as .docx and as .doc, for
// every exercise. The documents are the course's own and those the scripts
// of tests/host/accord leave in C:\Accord\, one a state of its exercise
// ("110-B.xml": exercise 110 in the state the lesson grades "B").
//
// Every document's three verdicts agree, but those of the disagreements
// listed below, each expected as written and with its cause. The test fails
// on any change: a new disagreement, one that has gone or moved, a document
// missing.
// K58204_ACCORD_MARKDOWN=FILE (or "-" for the standard output) writes the
// table measured in Markdown. What the .doc round trip alone does, from a
// document LibreOffice reads faithfully, is in AllerRetourDocTest.cpp.
//
// Skipped where soffice is not installed, except in continuous integration
// (the CI environment variable set), where it must be.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Soffice.hpp"
#include "host/ConversionLibreOffice.hpp"
#include "host/DossierTemporaire.hpp"
#include "host/ExamenDocument.hpp"
#include "host/Hote.hpp"
#include "host/LecteurScript.hpp"
#include "host/Notation.hpp"
#include "host/NotationClasse.hpp"
#include "support/ProgrammeRequis.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon {
namespace {

namespace fs = std::filesystem;

const Cours& coursAccord() {
    static const Cours c(K58204_COURS_DIR);
    return c;
}

// Why the formats disagree on a row.
enum class Cause {
    Aucune,  // they agree
    Import,  // LibreOffice's reading of WordprocessingML 2003
    Export,  // what LibreOffice writes in a .docx
};

const char* nomCause(Cause c) {
    switch (c) {
        case Cause::Aucune: return "";
        case Cause::Import: return "import WordprocessingML 2003 de LibreOffice";
        case Cause::Export: return "export .docx de LibreOffice";
    }
    return "";
}

struct Ligne {
    std::string document;  // "110-B": exercise and state
    std::string xml, docx, doc;
    Cause cause = Cause::Aucune;
    std::string pourquoi = "";  // what changes, found by comparing the documents
    // noter leaves the .docx (saved by LibreOffice) or the .doc (converted by
    // it) to be checked in Word (measured, not expected).
    bool docxAVerifier = false, docAVerifier = false;
};

// A verdict in a few words: the code ("aucun" for none), "générale" before a
// general error's code, "nuance" for BravoNuance, the supplementary strings
// in parentheses, each between « and »; "non notable" for a document that
// could not be graded.
std::string resume(const ResultatDocument& r) {
    if (r.statut == ResultatDocument::Statut::NonNotable || !r.verdict) return "non notable";
    const Verdict& v = *r.verdict;
    std::string s = v.erreurGenerale.value_or(false) ? "générale " : "";
    const std::u16string code = v.causeErreur.value_or(u"");
    s += code.empty() ? "aucun" : versUtf8(code);
    if (v.bravoNuance.value_or(false)) s += " nuance";
    if (v.complement && !v.complement->empty()) {
        std::string liste;
        for (const std::u16string& c : *v.complement) liste += (liste.empty() ? "«" : ", «") + versUtf8(c) + "»";
        s += " (" + liste + ")";
    }
    for (const std::string& e : v.erreurs) s += " [" + e + "]";
    return s;
}

// The disagreements, exercises in order.
const std::vector<Ligne>& desaccords() {
    using C = Cause;
    // What LibreOffice 7.4 does, found by comparing the original, the .docx's
    // word/document.xml and the ODT LibreOffice writes from the same import
    // (which tells its import from its .docx export). The .doc round trip
    // keeps each of these as the .docx has it.
    static const std::string CasesPerdues =
        "les cases à cocher (champs FORMCHECKBOX) disparaissent : l'ODT du même import n'en a plus, le .docx garde "
        "le texte seul ; le contrôle ne retrouve pas les cases du formulaire (document trop modifié)";
    static const std::string RetraitsPerdus =
        "les retraits des paragraphes (w:ind, en twips) sont lus comme 0 (ODT : margin-left et text-indent à 0)";
    static const std::string EspacementPerdu =
        "l'espacement avant et après (w:spacing before/after) est lu comme 0 (ODT : margin-top et margin-bottom à 0)";
    static const std::string InterligneExactPerdu =
        "l'interligne exact (w:line 240, exact) devient « au moins 0 » (ODT : line-height 0) ; 1,5 ligne et double "
        "restent";
    // A bookmark that crosses a paragraph mark is split the same way when
    // LibreOffice saves a hand-made .docx, or the ODT, as .docx: the export.
    static const std::string SigneParagrapheCoupe =
        "le signet « s01 », qui couvre le paragraphe et sa marque, est écrit en deux signets vides « s01 », le second au "
        "début du paragraphe suivant (l'ODT du même import l'a entier ; un .docx fait à la main est coupé de même) ; le "
        "lecteur garde le dernier des deux, dont le paragraphe n'a pas de bordure. Sans cela, l'import ramène déjà toute "
        "bordure à un filet (w:sz 2) et fait du surlignage un fond de caractère";
    static const std::string PassageCoupe =
        "le signet « e01 », sur six paragraphes, est écrit en un début sans fin puis un second « e01 » sur le dernier "
        "paragraphe (un .docx fait à la main est coupé de même) ; le lecteur ignore le premier, avec un avertissement, "
        "et garde le second : le contrôle prend le dernier paragraphe, justifié, pour le passage entier";
    static const std::string SignetsCoupes =
        "les signets « s01 » et « s03 », qui franchissent une marque de paragraphe, sont écrits en deux morceaux "
        "(l'ODT du même import les a entiers) ; le contrôle ne retrouve pas la place du passage déplacé";
    static const std::vector<Ligne> t = {
        {"101-B", "B", "générale D", "générale D", C::Import, CasesPerdues},
        {"101-cours", "A", "générale D", "générale D", C::Import, CasesPerdues},
        {"101-ok", "aucun", "générale D", "générale D", C::Import, CasesPerdues},
        {"114-D", "D", "A", "A", C::Import, RetraitsPerdus},
        {"114-F", "F", "A", "A", C::Import, RetraitsPerdus},
        {"114-ok", "aucun", "A", "A", C::Import, RetraitsPerdus},
        {"115-ok-fin", "aucun", "D", "D", C::Export, PassageCoupe},
        {"116-B", "B", "A", "A", C::Import, EspacementPerdu},
        {"116-D", "D", "A", "A", C::Import, EspacementPerdu},
        {"116-ok", "aucun", "A", "A", C::Import, EspacementPerdu},
        {"117-D", "D", "A", "A", C::Import, InterligneExactPerdu},
        {"118-B", "B", "A", "A", C::Export, SigneParagrapheCoupe},
        {"118-E", "E", "A", "A", C::Export, SigneParagrapheCoupe},
        {"118-ok", "aucun", "A", "A", C::Export, SigneParagrapheCoupe},
        {"119-C", "C nuance", "D", "D", C::Export, SignetsCoupes},
        {"119-E", "E", "B", "B", C::Export, SignetsCoupes},
    };
    return t;
}

// The exercise of a document named "NNN-state".
int32_t exerciceDe(const std::string& document) { return std::stoi(document.substr(0, 3)); }

// The verdict a document gets as it is read, whatever noter would mark.
ResultatDocument litSansMarque(int32_t exercice, const fs::path& document) {
    DossierTemporaire racine("k58204-accord");
    const Notation n = note(coursAccord(), exercice, document, racine.chemin());
    ResultatDocument r;
    r.exercice = exercice;
    r.verdict = n.verdict;
    r.lecture = lis(exercice, n.verdict);
    r.statut = r.lecture.reussi ? ResultatDocument::Statut::Reussi : ResultatDocument::Statut::Echoue;
    return r;
}

// The table, each cause's explanation given once, under it, by its number.
std::string enMarkdown(const std::vector<Ligne>& lignes) {
    std::ostringstream os;
    std::vector<std::string> notes;
    size_t accords = 0;
    os << "| document | WordprocessingML 2003 | .docx | .doc | cause |\n|---|---|---|---|---|\n";
    for (const Ligne& l : lignes) {
        os << "| " << l.document << " | " << l.xml << " | " << l.docx << (l.docxAVerifier ? " (noter : à vérifier)" : "")
           << " | " << l.doc << (l.docAVerifier ? " (noter : à vérifier)" : "") << " | ";
        if (l.cause == Cause::Aucune) {
            ++accords;
        } else {
            auto n = std::find(notes.begin(), notes.end(), l.pourquoi);
            if (n == notes.end()) n = notes.insert(n, l.pourquoi);
            os << nomCause(l.cause) << " (" << (n - notes.begin() + 1) << ")";
        }
        os << " |\n";
    }
    os << "\n" << accords << " documents sur " << lignes.size() << " ont le même verdict dans les trois formats.\n\n";
    for (size_t i = 0; i < notes.size(); ++i) os << (i + 1) << ". " << notes[i] << "\n";
    return os.str();
}

TEST(AccordLibreOffice, VerdictsDesTroisFormats) {
    K58204_EXIGE_PROGRAMME("soffice");
    DossierTemporaire travail("k58204-accord");
    const fs::path xml = travail.chemin() / "xml", docx = travail.chemin() / "docx", doc = travail.chemin() / "doc";
    fs::create_directories(xml);

    // The documents: the scripts' (each script on its own machine), then the course's.
    std::vector<fs::path> scripts;
    for (const auto& e : fs::directory_iterator(fs::path(K58204_TESTS_DIR) / "accord"))
        if (e.path().extension() == ".lecon") scripts.push_back(e.path());
    std::sort(scripts.begin(), scripts.end());
    ASSERT_FALSE(scripts.empty());
    for (const fs::path& s : scripts) {
        const fs::path racine = travail.chemin() / "machines" / s.stem();
        fs::create_directories(racine);
        const RapportScript r = Hote(coursAccord()).joue(litScript(s), racine);
        ASSERT_EQ(r.echoues, 0) << s << ": a state is not the one its document is named after";
        ASSERT_GT(r.reussis, 0) << s;
        for (const auto& e : fs::directory_iterator(racine / "Accord")) fs::copy_file(e.path(), xml / e.path().filename());
    }
    for (int32_t n = 101; n <= 124; ++n)
        if (auto source = coursAccord().source(n)) fs::copy_file(*source, xml / (std::to_string(n) + "-cours.xml"));

    // One soffice a format, both at once.
    std::vector<std::string> documents;
    std::vector<fs::path> sources;
    for (const auto& e : fs::directory_iterator(xml)) documents.push_back(e.path().stem());
    std::sort(documents.begin(), documents.end());
    for (const std::string& d : documents) sources.push_back(xml / (d + ".xml"));
    auto enregistre = [&](const char* filtre, const fs::path& sortie, const char* profil) {
        return std::async(std::launch::async, [&, filtre, profil] {
            return test::enregistreSous(sources, filtre, sortie, travail.chemin() / profil, std::chrono::seconds(600));
        });
    };
    auto versDocx = enregistre("docx", docx, "profil-docx"), versDoc = enregistre("doc:MS Word 97", doc, "profil-doc");
    const bool docxFait = versDocx.get(), docFait = versDoc.get();
    ASSERT_TRUE(docxFait && docFait) << "soffice failed";

    // The .doc files go the way noter takes binary documents: all converted
    // to .docx by one LibreOffice, each then graded from its conversion.
    std::vector<fs::path> binaires;
    for (const std::string& d : documents) binaires.push_back(doc / (d + ".doc"));
    ConversionLibreOffice conversionDoc;
    const std::vector<Conversion> conversions = conversionDoc.convertit(binaires);

    // Three gradings a document, several at once.
    std::vector<ResultatDocument> r(3 * documents.size());
    std::vector<char> aVerifier(r.size(), 0);
    std::atomic<size_t> suivant{0};
    auto travaille = [&] {
        for (size_t i = suivant++; i < r.size(); i = suivant++) {
            const std::string& d = documents[i / 3];
            const fs::path f = i % 3 == 0 ? xml / (d + ".xml") : i % 3 == 1 ? docx / (d + ".docx") : binaires[i / 3];
            // What each file is, by its bytes: the simulated Word writes WordprocessingML 2003.
            const FormatFichier attendu = i % 3 == 0 ? FormatFichier::WordML2003
                                          : i % 3 == 1 ? FormatFichier::Docx
                                                       : FormatFichier::WordBinaire;
            EXPECT_EQ(formatDuFichier(f), attendu) << f;
            const std::optional<fs::path> lu = i % 3 == 2 ? conversions[i / 3].docx : std::nullopt;
            r[i] = noteDocument(coursAccord(), exerciceDe(d), DocumentANoter{f, f.filename().string()}, lu);
            if (i % 3 == 2 && !lu) r[i].erreur += " ; " + conversions[i / 3].erreur;
            // A document noter leaves to be checked in Word has no verdict:
            // the table still compares what it (its conversion) reads as.
            if (r[i].statut == ResultatDocument::Statut::AVerifier) {
                aVerifier[i] = true;
                r[i] = litSansMarque(exerciceDe(d), lu.value_or(f));
            }
        }
    };
    const unsigned taches = std::max(2u, std::thread::hardware_concurrency());
    {
        std::vector<std::jthread> fils;
        for (unsigned t = 0; t < taches; ++t) fils.emplace_back(travaille);
    }
    std::vector<Ligne> mesure;
    std::set<int32_t> exercices;
    for (size_t i = 0; i < documents.size(); ++i) {
        mesure.push_back({documents[i], resume(r[3 * i]), resume(r[3 * i + 1]), resume(r[3 * i + 2])});
        mesure.back().docxAVerifier = aVerifier[3 * i + 1];
        mesure.back().docAVerifier = aVerifier[3 * i + 2];
        exercices.insert(exerciceDe(documents[i]));
    }

    // The documents that agree, and the disagreements as listed. What each
    // check gives is the exercises' own tests' concern; this one compares formats.
    std::map<std::string, const Ligne*> attendues;
    for (const Ligne& l : desaccords()) {
        EXPECT_TRUE(attendues.emplace(l.document, &l).second) << l.document << " twice in the table";
        EXPECT_NE(l.cause, Cause::Aucune) << l.document << ": a disagreement needs its cause";
    }
    for (Ligne& l : mesure) {
        const auto a = attendues.find(l.document);
        const Ligne attendue = a == attendues.end() ? Ligne{l.document, l.xml, l.xml, l.xml} : *a->second;
        const size_t i = 3 * static_cast<size_t>(&l - mesure.data());
        EXPECT_TRUE(l.xml == attendue.xml && l.docx == attendue.docx && l.doc == attendue.doc)
            << "measured {\"" << l.document << "\", \"" << l.xml << "\", \"" << l.docx << "\", \"" << l.doc
            << "\"}\n  expected {\"" << attendue.xml << "\", \"" << attendue.docx << "\", \"" << attendue.doc << "\"}\n  "
            << r[i].erreur << "\n  " << r[i + 1].erreur << "\n  " << r[i + 2].erreur;
        l.cause = attendue.cause;
        l.pourquoi = attendue.pourquoi;
        if (a != attendues.end()) attendues.erase(a);
        // What LibreOffice's writing changes reaches real .doc files too (and
        // any .docx it saves): noter must not give such a verdict.
        if (l.cause == Cause::Export) {
            EXPECT_TRUE(l.docxAVerifier && l.docAVerifier) << l.document << ": a verdict LibreOffice's writing changes, given";
        }
    }
    for (const auto& [document, l] : attendues) ADD_FAILURE() << document << " was not graded";
    // Every exercise has a row.
    for (int32_t n = 101; n <= 124; ++n) EXPECT_TRUE(exercices.count(n)) << "no document for exercise " << n;

    if (const char* sortie = std::getenv("K58204_ACCORD_MARKDOWN")) {
        if (std::string(sortie) == "-")
            std::cout << enMarkdown(mesure);
        else
            std::ofstream(sortie) << enMarkdown(mesure);
    }
}

}  // namespace
}  // namespace k58204::lecon
