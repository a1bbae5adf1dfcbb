// The verdict catalogue: it covers exactly the codes the checks write (read
// from the exercises' and the module's sources), and reads verdicts as a
// learner should hear them.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "host/Catalogue.hpp"

namespace k58204::lecon {
namespace {

std::string source(const std::string& chemin) {
    std::ifstream f(std::string(K58204_SOURCES_DIR) + "/" + chemin);
    std::ostringstream s;
    s << f.rdbuf();
    EXPECT_FALSE(s.str().empty()) << chemin;
    return s.str();
}

// The codes a source writes: the literals the pattern captures.
std::set<std::string> codesEcrits(const std::string& texte, const std::regex& motif) {
    std::set<std::string> codes;
    for (std::sregex_iterator i(texte.begin(), texte.end(), motif), fin; i != fin; ++i) codes.insert((*i)[1]);
    return codes;
}

std::set<std::string> codesDe(const std::vector<MessageCode>& liste) {
    std::set<std::string> codes;
    for (const MessageCode& m : liste) codes.insert(std::string(m.code));
    return codes;
}

TEST(Catalogue, CouvreLesCodesDeChaqueExercice) {
    ASSERT_EQ(fichesExercices().size(), 24u);
    // Every one-letter code literal of an exercise's check is a code it writes.
    const std::regex lettre(R"re(u"([A-F])")re");
    for (int32_t n = 101; n <= 124; ++n) {
        SCOPED_TRACE(n);
        const FicheExercice* f = fiche(n);
        ASSERT_NE(f, nullptr);
        EXPECT_FALSE(f->titre.empty());
        const auto ecrits = codesEcrits(source("src/exercises/Question0" + std::to_string(n) + ".cpp"), lettre);
        EXPECT_FALSE(ecrits.empty());
        EXPECT_EQ(codesDe(f->codes), ecrits);
        for (const MessageCode& m : f->codes) EXPECT_FALSE(m.message.empty()) << m.code;
    }
    EXPECT_EQ(fiche(100), nullptr);
    EXPECT_EQ(fiche(125), nullptr);
}

TEST(Catalogue, CouvreLesCodesGeneraux) {
    std::set<std::string> ecrits =
        codesEcrits(source("src/module/ModuleCycle.cpp"), std::regex(R"re(msCauseErreurGenerale = u"([^"]+)")re"));
    const auto document = codesEcrits(source("src/files/EtatDocument.cpp"), std::regex(R"re(echec\(u"([^"]+)"\))re"));
    ecrits.insert(document.begin(), document.end());
    EXPECT_EQ(codesDe(codesGeneraux()), ecrits);
}

Verdict verdict(bool general, std::u16string code, bool bravo = false, std::vector<std::u16string> complement = {}) {
    return Verdict{general, std::move(code), bravo, std::move(complement), {}};
}

TEST(Catalogue, LectureDuVerdict) {
    struct Cas {
        const char* nom;
        int32_t exercice;
        Verdict verdict;
        bool reussi;
        bool general;
        std::string message;  // a fragment of it
        bool avecRemarque;    // "Alignement laissé"
    };
    Verdict illisible = verdict(false, u""), sansCause = verdict(false, u"");
    illisible.erreurs.push_back("CauseErreur : erreur 91");
    sansCause.causeErreur.reset();
    for (const Cas& c : std::vector<Cas>{
             {"sans code", 110, verdict(false, u""), true, false, "réussi", false},
             {"code de l'exercice", 110, verdict(false, u"B"), false, false, "gras mais pas en italique", false},
             {"bravo de 112", 112, verdict(false, u"C", true), true, false, "Bravo", false},
             {"C de 112 sans nuance", 112, verdict(false, u"C", false), false, false, "code « C »", false},
             {"bravo d'un essai précédent", 119, verdict(false, u"D", true), false, false, "essai précédent", false},
             {"bravo sur un autre code", 112, verdict(false, u"A", true), false, false, "pas à la place", false},
             {"général", 110, verdict(true, u"%AL"), false, true, "boîte de dialogue", false},
             {"document de travail", 110, verdict(true, u"B"), false, true, "nombre de paragraphes", false},
             {"code général inconnu", 110, verdict(true, u"ZZ"), false, true, "code « ZZ »", false},
             {"code inconnu de l'exercice", 110, verdict(false, u"F"), false, false, "code « F »", false},
             {"remarque de 115", 115, verdict(false, u"A", false, {u" à Gauche"}), false, false, "laissé : à Gauche.", true},
             {"remarque sans nom", 115, verdict(false, u"B", false, {u" à "}), false, false, "second paragraphe", false},
             {"verdict illisible", 110, illisible, false, false, "pas pu être lu", false},
             {"propriété absente", 110, sansCause, false, false, "pas pu être lu", false},
         }) {
        SCOPED_TRACE(c.nom);
        const Lecture l = lis(c.exercice, c.verdict);
        EXPECT_EQ(l.reussi, c.reussi);
        EXPECT_EQ(l.general, c.general);
        EXPECT_NE(l.message.find(c.message), std::string::npos) << l.message;
        EXPECT_EQ(l.message.find("Alignement laissé") != std::string::npos, c.avecRemarque) << l.message;
    }
}

}  // namespace
}  // namespace k58204::lecon
