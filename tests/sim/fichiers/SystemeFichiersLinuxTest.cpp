// The file-system seam on Linux: Windows paths on a root folder.
#include <gtest/gtest.h>

#include <functional>

#include "platform/SystemeFichiers.hpp"
#include "sim/fichiers/SystemeFichiersLinux.hpp"
#include "sim/poste/RacineTemporaire.hpp"
#include "word/Erreur.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {
namespace {

namespace attr = platform::attr;
using Noms = std::vector<std::u16string>;

int32_t erreur(const std::function<void()>& f) {
    try {
        f();
    } catch (const Erreur& e) {
        return e.numero();
    }
    return 0;
}

class SystemeFichiersTest : public ::testing::Test {
protected:
    SystemeFichiersTest() : fs(racine.chemin()) {
        racine.ecrit("Cours/Voyage à CANGO.doc", "voyage");
        racine.ecrit("Cours/K58204/b.doc", "b");
        racine.ecrit("Cours/K58204/A.doc", "a");
        racine.ecrit("Cours/K58204/c.txt", "c");
        racine.ecrit("Cours/K58204/h.doc", "h");
        racine.ecrit("Cours/K58204/s.doc", "s");
        std::filesystem::create_directories(racine.chemin() / "Cours/K58204/sous");
        fs.SetAttr(u"C:\\Cours\\K58204\\h.doc", attr::Cache);
        fs.SetAttr(u"C:\\Cours\\K58204\\s.doc", attr::Systeme);
    }
    test::RacineTemporaire racine;
    SystemeFichiersLinux fs;
};

TEST_F(SystemeFichiersTest, ResolutNomsSansEgardALaCasseEtLesLecteurs) {
    struct Cas {
        std::u16string chemin;
        bool existe;
        int32_t erreurLecture;  // of Lit
    };
    const Cas cas[] = {
        {u"C:\\Cours\\Voyage à CANGO.doc", true, 0},
        {u"c:\\cours\\voyage à cango.doc", true, 0},
        {u"C:/COURS/VOYAGE À CANGO.DOC", true, 0},  // accented capital folded
        {u"\\Cours\\Voyage à CANGO.doc", true, 0},  // current drive
        {u"Cours\\Voyage à CANGO.doc", true, 0},    // relative to C:\ at start
        {u"C:\\Cours\\..\\Cours\\.\\Voyage à CANGO.doc", true, 0},
        {u"C:\\Cours\\Absent.doc", false, err::FichierIntrouvable},
        {u"C:\\Cours", true, err::AccesChemin},
        {u"D:\\Cours\\Voyage à CANGO.doc", false, err::CheminIntrouvable},
        {u"\\\\serveur\\partage\\x.doc", false, err::CheminIntrouvable},
        {u"C:\\Cours\\a|b.doc", false, 52},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(versUtf8(c.chemin));
        EXPECT_EQ(fs.Existe(c.chemin), c.existe);
        EXPECT_EQ(erreur([&] { EXPECT_EQ(fs.Lit(c.chemin), "voyage"); }), c.erreurLecture);
    }
    EXPECT_EQ(fs.cheminReel(u"c:\\COURS\\voyage à cango.DOC"), u"C:\\Cours\\Voyage à CANGO.doc");
}

TEST_F(SystemeFichiersTest, LectureSeuleRefuseKillEtEcritureJusquANormal) {
    const std::u16string f = u"C:\\cours\\voyage à cango.doc";
    EXPECT_EQ(fs.GetAttr(f), attr::Archive);
    fs.SetAttr(f, attr::LectureSeule | attr::Archive);
    EXPECT_EQ(fs.GetAttr(f), attr::LectureSeule | attr::Archive);
    EXPECT_EQ(erreur([&] { fs.Kill(f); }), err::AccesChemin);
    EXPECT_EQ(erreur([&] { fs.Ecrit(f, "x"); }), err::AccesChemin);
    // Renaming a read-only file is allowed; the attribute goes with it.
    fs.Name(f, u"C:\\Cours\\Copie.doc");
    EXPECT_EQ(fs.GetAttr(u"C:\\Cours\\Copie.doc"), attr::LectureSeule | attr::Archive);
    fs.SetAttr(u"C:\\Cours\\Copie.doc", attr::Normal);
    EXPECT_EQ(fs.GetAttr(u"C:\\Cours\\Copie.doc"), attr::Normal);
    fs.Kill(u"C:\\Cours\\Copie.doc");
    EXPECT_FALSE(fs.Existe(u"C:\\Cours\\Copie.doc"));
    // Kill finds neither hidden nor system files, nor folders, nor missing ones.
    for (const char16_t* p : {u"C:\\Cours\\K58204\\h.doc", u"C:\\Cours\\K58204\\s.doc", u"C:\\Cours\\K58204\\sous",
                              u"C:\\Cours\\absent.doc"})
        EXPECT_EQ(erreur([&] { fs.Kill(p); }), err::FichierIntrouvable) << versUtf8(p);
    EXPECT_EQ(erreur([&] { fs.SetAttr(u"C:\\Cours\\absent.doc", 0); }), err::FichierIntrouvable);
    EXPECT_EQ(fs.GetAttr(u"C:\\Cours\\K58204\\sous"), attr::Dossier);
}

TEST_F(SystemeFichiersTest, DirSelonMasqueEtDansLOrdreAlphabetique) {
    struct Cas {
        std::u16string motif;
        int32_t masque;
        Noms attendus;
    };
    const Cas cas[] = {
        {u"C:\\Cours\\K58204\\*.*", attr::Normal, {u"A.doc", u"b.doc", u"c.txt"}},
        {u"C:\\Cours\\K58204\\*.*", attr::LectureSeule | attr::Archive, {u"A.doc", u"b.doc", u"c.txt"}},
        {u"C:\\Cours\\K58204\\*.*", attr::Cache, {u"A.doc", u"b.doc", u"c.txt", u"h.doc"}},
        {u"C:\\Cours\\K58204\\*.*", attr::Dossier, {u".", u"..", u"A.doc", u"b.doc", u"c.txt", u"sous"}},
        {u"C:\\Cours\\K58204\\*.*", 55, {u".", u"..", u"A.doc", u"b.doc", u"c.txt", u"h.doc", u"s.doc", u"sous"}},
        {u"c:\\cours\\k58204\\*.DOC", 55, {u"A.doc", u"b.doc", u"h.doc", u"s.doc"}},
        {u"C:\\Cours\\K58204\\?.doc", attr::Normal, {u"A.doc", u"b.doc"}},
        {u"C:\\Cours\\K58204\\a.DOC", attr::Normal, {u"A.doc"}},
        {u"C:\\Cours\\K58204\\sous", attr::Normal, {}},
        {u"C:\\Cours\\K58204\\sous", attr::Dossier, {u"sous"}},
        {u"C:\\Cours\\K58204\\", attr::Normal, {u"A.doc", u"b.doc", u"c.txt"}},
        {u"C:\\Cours\\Absent\\*.*", 55, {}},
        {u"D:\\*.*", 55, {}},
        {u"C:\\*.*", attr::Dossier, {u"Cours"}},  // the root has no "." nor ".."
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(versUtf8(c.motif) + " / " + std::to_string(c.masque));
        Noms obtenus;
        int32_t e = erreur([&] { obtenus = fs.Dir(c.motif, c.masque); });
        if (c.motif.starts_with(u"D:"))
            EXPECT_EQ(e, err::CheminIntrouvable);
        else
            EXPECT_EQ(obtenus, c.attendus);
    }
}

TEST_F(SystemeFichiersTest, NameDeplaceEtRefuseLesCollisions) {
    struct Cas {
        std::u16string source, destination;
        int32_t erreur;
    };
    const Cas cas[] = {
        {u"C:\\Cours\\K58204\\absent.doc", u"C:\\Cours\\K58204\\x.doc", err::FichierIntrouvable},
        {u"C:\\Cours\\K58204\\A.doc", u"C:\\Cours\\K58204\\B.DOC", err::FichierExistant},
        {u"C:\\Cours\\K58204\\A.doc", u"C:\\Cours\\Absent\\A.doc", err::CheminIntrouvable},
        {u"C:\\Cours\\K58204\\A.doc", u"D:\\A.doc", err::CheminIntrouvable},
        {u"C:\\Cours\\K58204\\c.txt", u"C:\\Cours\\K58204\\sous\\c.txt", 0},
        {u"C:\\Cours\\K58204\\A.doc", u"C:\\Cours\\K58204\\a.doc", 0},  // only the case changes
        {u"C:\\Cours\\K58204", u"C:\\Cours\\K58204\\sous\\dedans", err::AccesChemin},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(erreur([&] { fs.Name(c.source, c.destination); }), c.erreur) << versUtf8(c.destination);
    EXPECT_EQ(fs.Dir(u"C:\\Cours\\K58204\\*.*", 0), (Noms{u"a.doc", u"b.doc"}));
    EXPECT_EQ(fs.Dir(u"C:\\Cours\\K58204\\sous\\*.*", 0), (Noms{u"c.txt"}));
    // A hidden file keeps its attribute when moved.
    fs.Name(u"C:\\Cours\\K58204\\h.doc", u"C:\\Cours\\K58204\\sous\\h2.doc");
    EXPECT_EQ(fs.GetAttr(u"C:\\Cours\\K58204\\sous\\h2.doc"), attr::Cache);
}

TEST_F(SystemeFichiersTest, DossierCourantEtDossiers) {
    EXPECT_EQ(fs.CurDir(), u"C:\\");
    EXPECT_EQ(erreur([&] { fs.ChDir(u"C:\\Absent"); }), err::CheminIntrouvable);
    EXPECT_EQ(erreur([&] { fs.ChDir(u"C:\\Cours\\Voyage à CANGO.doc"); }), err::CheminIntrouvable);
    fs.ChDir(u"c:\\cours\\k58204");
    EXPECT_EQ(fs.CurDir(), u"C:\\cours\\k58204");
    EXPECT_EQ(fs.Lit(u"b.doc"), "b");  // relative to the current folder
    fs.MkDir(u"essai");
    EXPECT_EQ(erreur([&] { fs.MkDir(u"ESSAI"); }), err::AccesChemin);
    EXPECT_EQ(erreur([&] { fs.MkDir(u"C:\\Absent\\essai"); }), err::CheminIntrouvable);
    fs.Ecrit(u"essai\\Application.doc", "doc");
    EXPECT_EQ(fs.GetAttr(u"essai\\application.doc"), attr::Archive);
    EXPECT_EQ(erreur([&] { fs.RmDir(u"essai"); }), err::AccesChemin);  // not empty
    fs.Kill(u"essai\\Application.doc");
    fs.ChDir(u"essai");
    EXPECT_EQ(erreur([&] { fs.RmDir(u"C:\\Cours\\K58204\\essai"); }), err::AccesChemin);  // the current folder
    fs.ChDir(u"..");
    EXPECT_EQ(fs.CurDir(), u"C:\\cours\\k58204");
    fs.RmDir(u"C:\\Cours\\K58204\\essai");
    EXPECT_FALSE(fs.Existe(u"essai"));
    EXPECT_EQ(erreur([&] { fs.RmDir(u"essai"); }), err::CheminIntrouvable);
    EXPECT_EQ(erreur([&] { fs.Ecrit(u"C:\\Absent\\x.doc", "x"); }), err::CheminIntrouvable);
}

TEST_F(SystemeFichiersTest, MakeSureDirectoryPathExistsCreeJusquAuDernierSeparateur) {
    EXPECT_TRUE(fs.MakeSureDirectoryPathExists(u"C:\\Documents and Settings\\Stagiaire\\Modèles\\Talvor Modèles\\"));
    EXPECT_EQ(fs.GetAttr(u"c:\\documents and settings\\stagiaire\\modèles\\talvor modèles"), attr::Dossier);
    EXPECT_TRUE(fs.MakeSureDirectoryPathExists(u"C:\\Nouveau\\pas un dossier"));
    EXPECT_TRUE(fs.Existe(u"C:\\Nouveau"));
    EXPECT_FALSE(fs.Existe(u"C:\\Nouveau\\pas un dossier"));
    EXPECT_FALSE(fs.MakeSureDirectoryPathExists(u"C:\\Cours\\Voyage à CANGO.doc\\x\\"));  // a file in the way
    EXPECT_FALSE(fs.MakeSureDirectoryPathExists(u"D:\\x\\"));
}

}  // namespace
}  // namespace k58204::sim
