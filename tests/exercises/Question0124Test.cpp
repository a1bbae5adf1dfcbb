// Question0124: the learner saves the blank document as "Application.doc" in
// a new folder "essai" of the working folder. Prepare clears what an earlier
// attempt left.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"
#include "word/Texte.hpp"

namespace k58204::test {
namespace {

const std::u16string Travail = DossierCours;
const std::u16string Essai = Travail + u"essai\\";
// The working folder as the current folder shows it: no final backslash.
const std::u16string TravailCourant = Left(Travail, static_cast<int32_t>(Travail.size()) - 1);

void enregistreSous(const Auto& app, const std::u16string& chemin) { document(app).fait(u"SaveAs", {chemin}); }
std::u16string nomActif(const Auto& app) { return document(app).lit(u"Name").CStr(); }

// ---------------------------------------------------------------- the check

// The Save As dialog's "new folder" button is the file system's MkDir.
Actions enregistreDans(std::u16string dossier, std::u16string nom) {
    return [=](ExerciceSimule& e) {
        if (!dossier.empty()) e.poste().fichiers().MkDir(Travail + dossier);
        enregistreSous(e.appli(), Travail + (dossier.empty() ? u"" : dossier + u"\\") + nom);
    };
}

class Question0124 : public ::testing::TestWithParam<Scenario> {};

TEST_P(Question0124, Verdict) { joue(124, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0124,
    ::testing::Values(Scenario{"EnregistreSansExtension", enregistreDans(u"essai", u"Application"), u""},
                      Scenario{"EnregistreSousUnAutreNom", enregistreDans(u"essai", u"Applications.doc"), u"A"}),
    nomScenario);

// ---------------------------------------------------------------- Prepare

// An earlier attempt's folder: a read-only file, "Application.doc" still open
// in Word with changes, and a folder of the learner's; the current folder
// inside it, as the check left it. The files go, the document is closed
// without saving and a new blank one is active; a folder inside "essai" is
// never removed, so "essai" stays, and Prepare still returns normally.
TEST(Question0124, PrepareVideEssai) {
    ExerciceSimule e(124, {.prepare = false});
    platform::SystemeFichiers& f = e.poste().fichiers();
    f.MkDir(Travail + u"essai");
    f.MkDir(Essai + u"archives");
    f.Ecrit(Essai + u"Notes.txt", "brouillon");
    f.SetAttr(Essai + u"Notes.txt", platform::attr::LectureSeule);
    e.appli()[u"Documents"].fait(u"Add");
    enregistreSous(e.appli(), Essai + u"Application.doc");
    tape(e.appli(), u"modifié");
    f.ChDir(Travail + u"essai");

    EXPECT_NO_THROW(e.prepare());

    EXPECT_FALSE(f.Existe(Essai + u"Notes.txt"));
    EXPECT_FALSE(f.Existe(Essai + u"Application.doc"));
    EXPECT_TRUE(f.Existe(Essai + u"archives"));
    EXPECT_EQ(f.CurDir(), TravailCourant);
    EXPECT_EQ(e.appli()[u"Documents"].lit(u"Count").CLng(), 1);
    EXPECT_EQ(LCase(Left(nomActif(e.appli()), 8)), u"document");
    EXPECT_EQ(document(e.appli()).lit(u"Path").CStr(), u"");
}

// A document of the same name open from another folder is not the one in
// "essai": it stays open with its changes, while the file of "essai" goes.
TEST(Question0124, PrepareLaisseOuvertUnHomonymeDAilleurs) {
    ExerciceSimule e(124, {.prepare = false});
    e.poste().fichiers().MkDir(Travail + u"essai");
    e.poste().fichiers().Ecrit(Essai + u"Application.doc", "x");
    e.poste().fichiers().MkDir(u"C:\\Autre");
    e.appli()[u"Documents"].fait(u"Add");
    enregistreSous(e.appli(), u"C:\\Autre\\Application.doc");
    tape(e.appli(), u"travail en cours");

    e.prepare();

    EXPECT_FALSE(e.poste().fichiers().Existe(Travail + u"essai"));
    const Auto autre = e.appli()[u"Documents"](u"Item", {u"Application.doc"});
    EXPECT_EQ(autre.lit(u"Path").CStr(), u"C:\\Autre");
    EXPECT_FALSE(autre.lit(u"Saved").CBool());
}

// A new, unsaved document ("document" in any case) is activated; without
// one a new document is added.
TEST(Question0124, PrepareActiveUnDocumentVierge) {
    for (bool avecDocument2 : {false, true}) {
        ExerciceSimule e(124, {.prepare = false});
        if (avecDocument2) {
            e.appli()[u"Documents"].fait(u"Add");
            enregistreSous(e.appli(), Travail + u"DOCUMENT2.doc");
        }
        e.copieCours(u"05820422.doc", Travail + u"Voyage à CANGO.doc");
        e.appli()[u"Documents"].fait(u"Open", {Travail + u"Voyage à CANGO.doc"});
        e.prepare();
        EXPECT_EQ(e.appli()[u"Documents"].lit(u"Count").CLng(), 2);
        EXPECT_EQ(versUtf8(nomActif(e.appli())), avecDocument2 ? "DOCUMENT2.doc" : "Document1");
    }
}

}  // namespace
}  // namespace k58204::test
