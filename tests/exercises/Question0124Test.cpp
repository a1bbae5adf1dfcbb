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
int32_t nombreDocuments(const Auto& app) { return app[u"Documents"].lit(u"Count").CLng(); }
std::u16string nomActif(const Auto& app) { return document(app).lit(u"Name").CStr(); }

// ---------------------------------------------------------------- the check

struct Cas {
    std::string nom;
    // The learner's actions; the Save As dialog's "new folder" button is the
    // file system's MkDir.
    std::function<void(ExerciceSimule&)> actions;
    std::u16string code;
};
std::ostream& operator<<(std::ostream& os, const Cas& c) { return os << c.nom; }

class Question0124 : public ::testing::TestWithParam<Cas> {};

TEST_P(Question0124, Verdict) {
    const Cas& c = GetParam();
    ExerciceSimule e(124);
    c.actions(e);
    e.teste();
    EXPECT_EQ(versUtf8(e.code()), versUtf8(c.code));
    EXPECT_FALSE(e.bravo());
    EXPECT_EQ(e.complement(), std::vector<std::u16string>{});
}

std::function<void(ExerciceSimule&)> enregistreDans(std::u16string dossier, std::u16string nom) {
    return [=](ExerciceSimule& e) {
        if (!dossier.empty()) e.poste().fichiers().MkDir(Travail + dossier);
        enregistreSous(e.appli(), Travail + (dossier.empty() ? u"" : dossier + u"\\") + nom);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0124,
    ::testing::Values(Cas{"EnregistreDansEssai", enregistreDans(u"essai", u"Application.doc"), u""},
                      Cas{"EnregistreSansExtension", enregistreDans(u"essai", u"Application"), u""},
                      Cas{"RienFait", [](ExerciceSimule&) {}, u"B"},
                      Cas{"DossierSansDocument",
                          [](ExerciceSimule& e) { e.poste().fichiers().MkDir(Travail + u"essai"); }, u"A"},
                      Cas{"EnregistreSousUnAutreNom", enregistreDans(u"essai", u"Applications.doc"), u"A"},
                      Cas{"EnregistreDansLeDossierDeTravail", enregistreDans(u"", u"Application.doc"), u"B"},
                      Cas{"DossierMalNomme", enregistreDans(u"essais", u"Application.doc"), u"B"}),
    [](const ::testing::TestParamInfo<Cas>& info) { return info.param.nom; });

// A passing check leaves the current folder in "essai".
TEST(Question0124, LaVerificationEntreDansEssai) {
    ExerciceSimule e(124);
    enregistreDans(u"essai", u"Application.doc")(e);
    e.teste();
    EXPECT_EQ(e.poste().fichiers().CurDir(), Travail + u"essai");
}

// ---------------------------------------------------------------- Prepare

// An earlier attempt's folder: a read-only file, and "Application.doc" still
// open in Word; the current folder inside it, as the check left it.
TEST(Question0124, PrepareVideEtSupprimeEssai) {
    ExerciceSimule e(124, {.prepare = false});
    platform::SystemeFichiers& f = e.poste().fichiers();
    f.MkDir(Travail + u"essai");
    f.Ecrit(Essai + u"Notes.txt", "brouillon");
    f.SetAttr(Essai + u"Notes.txt", platform::attr::LectureSeule);
    e.appli()[u"Documents"].fait(u"Add");
    enregistreSous(e.appli(), Essai + u"Application.doc");
    tape(e.appli(), u"modifié");
    f.ChDir(Travail + u"essai");

    e.prepare();

    EXPECT_FALSE(f.Existe(Essai + u"Notes.txt"));
    EXPECT_FALSE(f.Existe(Essai + u"Application.doc"));
    EXPECT_FALSE(f.Existe(Travail + u"essai"));
    EXPECT_EQ(f.CurDir(), TravailCourant);
    // Closed without saving; a new blank document is the active one.
    EXPECT_EQ(nombreDocuments(e.appli()), 1);
    EXPECT_EQ(LCase(Left(nomActif(e.appli()), 8)), u"document");
    EXPECT_EQ(document(e.appli()).lit(u"Path").CStr(), u"");
}

// A document of the same name open from another folder is not the one in
// "essai": it stays open with its changes, while the file of "essai" goes.
TEST(Question0124, PrepareLaisseOuvertUnHomonymeDAilleurs) {
    ExerciceSimule e(124, {.prepare = false});
    platform::SystemeFichiers& f = e.poste().fichiers();
    f.MkDir(Travail + u"essai");
    f.MkDir(u"C:\\Autre");
    e.appli()[u"Documents"].fait(u"Add");
    enregistreSous(e.appli(), Essai + u"Application.doc");
    document(e.appli()).fait(u"Close", {nomme(u"SaveChanges", 0)});
    e.appli()[u"Documents"].fait(u"Add");
    enregistreSous(e.appli(), u"C:\\Autre\\Application.doc");
    tape(e.appli(), u"travail en cours");

    e.prepare();

    EXPECT_FALSE(f.Existe(Travail + u"essai"));
    const Auto autre = e.appli()[u"Documents"](u"Item", {u"Application.doc"});
    EXPECT_EQ(autre.lit(u"Path").CStr(), u"C:\\Autre");
    EXPECT_FALSE(autre.lit(u"Saved").CBool());
}

TEST(Question0124, PrepareActiveUnDocumentVierge) {
    struct Depart {
        std::string nom;
        bool documentVierge;
        std::function<void(ExerciceSimule&)> avant;
        int32_t documentsApres;
        std::u16string actif;
    };
    const std::vector<Depart> departs = {
        {"Document1Ouvert", true, [](ExerciceSimule&) {}, 1, u"Document1"},
        {"AucunDocument", false, [](ExerciceSimule&) {}, 1, u"Document1"},
        {"SeulementLeVoyage", false,
         [](ExerciceSimule& e) {
             e.copieCours(u"05820422.doc", Travail + u"Voyage à CANGO.doc");
             e.appli()[u"Documents"].fait(u"Open", {Travail + u"Voyage à CANGO.doc"});
         },
         2, u"Document1"},
        // A name in capitals counts too.
        {"DocumentEnMajusculesPuisLeVoyage", false,
         [](ExerciceSimule& e) {
             e.appli()[u"Documents"].fait(u"Add");
             enregistreSous(e.appli(), Travail + u"DOCUMENT2.doc");
             e.copieCours(u"05820422.doc", Travail + u"Voyage à CANGO.doc");
             e.appli()[u"Documents"].fait(u"Open", {Travail + u"Voyage à CANGO.doc"});
         },
         2, u"DOCUMENT2.doc"},
    };
    for (const Depart& d : departs) {
        SCOPED_TRACE(d.nom);
        ExerciceSimule e(124, {.prepare = false, .documentVierge = d.documentVierge});
        d.avant(e);
        e.prepare();
        EXPECT_EQ(nombreDocuments(e.appli()), d.documentsApres);
        EXPECT_EQ(versUtf8(nomActif(e.appli())), versUtf8(d.actif));
        // Without a folder "essai" there is nothing to remove, and no error.
        EXPECT_EQ(e.poste().fichiers().CurDir(), TravailCourant);
    }
}

// A folder inside "essai" is never removed: the files go, "essai" stays, and
// Prepare still returns normally.
TEST(Question0124, PrepareLaisseUnSousDossier) {
    ExerciceSimule e(124, {.prepare = false});
    platform::SystemeFichiers& f = e.poste().fichiers();
    f.MkDir(Travail + u"essai");
    f.MkDir(Essai + u"archives");
    f.Ecrit(Essai + u"Application.doc", "x");
    EXPECT_NO_THROW(e.prepare());
    EXPECT_FALSE(f.Existe(Essai + u"Application.doc"));
    EXPECT_TRUE(f.Existe(Essai + u"archives"));
    EXPECT_EQ(f.CurDir(), TravailCourant);
}

// A second attempt in the same exercise: the check left the current folder
// in "essai", and the next Prepare still removes it.
TEST(Question0124, UnDeuxiemeEssai) {
    ExerciceSimule e(124);
    enregistreDans(u"essai", u"Application.doc")(e);
    e.teste();
    ASSERT_EQ(e.code(), u"");
    e.prepare();
    EXPECT_FALSE(e.poste().fichiers().Existe(Travail + u"essai"));
    e.teste();
    EXPECT_EQ(e.code(), u"B");
}

}  // namespace
}  // namespace k58204::test
