// Question0103: the learner opens "Voyage à CANGO.doc" from the working folder.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Copies of the course document the learner may come across: the folder
// Word proposes (the parent of the working folder), and a renamed copy in
// the working folder.
constexpr char16_t CopieParent[] = u"C:\\Cours\\Voyage à CANGO.doc";
constexpr char16_t CopieRenommee[] = u"C:\\Cours\\K58204\\Copie de Voyage à CANGO.doc";
constexpr char16_t Original[] = u"C:\\Cours\\K58204\\Voyage à CANGO.doc";

// Opens the documents in this order, copying the course document first
// where there is none.
Actions ouvre(std::vector<std::u16string> chemins) {
    return [chemins](ExerciceSimule& e) {
        for (const std::u16string& c : chemins) {
            if (!e.poste().fichiers().Existe(c)) e.copieCours(u"05820403.doc", c);
            e.appli()[u"Documents"].fait(u"Open", {c});
        }
    };
}

class Question0103 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0103, Verdict) { joue(103, GetParam()); }

// The working document decides when it is open; otherwise the first open
// document whose name ends with the course document's name, in any letter
// case. Then it must be the active one.
INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0103,
    ::testing::Values(Scenario{"NomEnAutreCasse", ouvre({u"c:\\cours\\k58204\\VOYAGE À cango.DOC"}), u""},
                      Scenario{"CopieRenommeeDuDossierDeTravail", ouvre({CopieRenommee}), u"B"},
                      Scenario{"MauvaiseCopiePuisBonneActive", ouvre({CopieParent, Original}), u""},
                      Scenario{"BonneCopiePuisMauvaiseActive", ouvre({Original, CopieParent}), u"C"}),
    nomScenario);

}  // namespace
}  // namespace k58204::test
