// The file-system seam on Linux: Windows paths on a root folder.
#include <gtest/gtest.h>

#include <functional>

#include "platform/SystemeFichiers.hpp"
#include "sim/fichiers/SystemeFichiersLinux.hpp"
#include "sim/poste/RacineTemporaire.hpp"
#include "support/NumeroErreur.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {
namespace {

namespace attr = platform::attr;
using Noms = std::vector<std::u16string>;

using test::numeroErreur;

class SystemeFichiersTest : public ::testing::Test {
protected:
    SystemeFichiersTest() : fs(racine.chemin()) {
        racine.ecrit("Cours/Voyage à CANGO.doc", "voyage");
        for (std::string f : {"b.doc", "A.doc", "c.txt", "h.doc", "s.doc"}) racine.ecrit("Cours/K58204/" + f, f);
        std::filesystem::create_directories(racine.chemin() / "Cours/K58204/sous");
        fs.SetAttr(u"C:\\Cours\\K58204\\h.doc", attr::Cache);
        fs.SetAttr(u"C:\\Cours\\K58204\\s.doc", attr::Systeme);
    }
    test::RacineTemporaire racine;
    SystemeFichiersLinux fs;
};

TEST_F(SystemeFichiersTest, ResolutNomsSansEgardALaCasseEtLesLecteurs) {
    const std::tuple<std::u16string, bool, int32_t> cas[] = {  // path, Existe, error of Lit
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
    for (const auto& [chemin, existe, erreurLecture] : cas) {
        SCOPED_TRACE(versUtf8(chemin));
        EXPECT_EQ(fs.Existe(chemin), existe);
        EXPECT_EQ(numeroErreur([&] { EXPECT_EQ(fs.Lit(chemin), "voyage"); }), erreurLecture);
    }
    EXPECT_EQ(fs.cheminReel(u"c:\\COURS\\voyage à cango.DOC"), u"C:\\Cours\\Voyage à CANGO.doc");
}

TEST_F(SystemeFichiersTest, LectureSeuleRefuseKillEtEcritureJusquANormal) {
    const std::u16string f = u"C:\\cours\\voyage à cango.doc", copie = u"C:\\Cours\\Copie.doc";
    EXPECT_EQ(fs.GetAttr(f), attr::Archive);
    fs.SetAttr(f, attr::LectureSeule | attr::Archive);
    EXPECT_EQ(numeroErreur([&] { fs.Kill(f); }), err::AccesChemin);
    EXPECT_EQ(numeroErreur([&] { fs.Ecrit(f, "x"); }), err::AccesChemin);
    fs.Name(f, copie);  // renaming is allowed; the attribute goes with the file
    EXPECT_EQ(fs.GetAttr(copie), attr::LectureSeule | attr::Archive);
    fs.SetAttr(copie, attr::Normal);
    fs.Kill(copie);
    EXPECT_FALSE(fs.Existe(copie));
    // Kill finds neither hidden nor system files, nor folders.
    for (const char16_t* p : {u"C:\\Cours\\K58204\\h.doc", u"C:\\Cours\\K58204\\s.doc", u"C:\\Cours\\K58204\\sous"})
        EXPECT_EQ(numeroErreur([&] { fs.Kill(p); }), err::FichierIntrouvable) << versUtf8(p);
    EXPECT_EQ(numeroErreur([&] { fs.SetAttr(u"C:\\Cours\\absent.doc", 0); }), err::FichierIntrouvable);
}

TEST_F(SystemeFichiersTest, DirSelonMasqueEtDansLOrdreAlphabetique) {
    const std::u16string tout = u"C:\\Cours\\K58204\\*.*";
    const std::tuple<std::u16string, int32_t, Noms> cas[] = {
        {tout, attr::LectureSeule | attr::Archive, {u"A.doc", u"b.doc", u"c.txt"}},
        {tout, attr::Cache, {u"A.doc", u"b.doc", u"c.txt", u"h.doc"}},
        {tout, attr::Dossier, {u".", u"..", u"A.doc", u"b.doc", u"c.txt", u"sous"}},
        {u"c:\\cours\\k58204\\*.DOC", 55, {u"A.doc", u"b.doc", u"h.doc", u"s.doc"}},
        {u"C:\\Cours\\K58204\\?.doc", attr::Normal, {u"A.doc", u"b.doc"}},
        {u"C:\\Cours\\K58204\\a.DOC", attr::Normal, {u"A.doc"}},
        {u"C:\\Cours\\K58204\\sous", attr::Normal, {}},
        {u"C:\\Cours\\K58204\\sous", attr::Dossier, {u"sous"}},
        {u"C:\\Cours\\K58204\\", attr::Normal, {u"A.doc", u"b.doc", u"c.txt"}},
        {u"C:\\Cours\\Absent\\*.*", 55, {}},
        {u"C:\\*.*", attr::Dossier, {u"Cours"}},  // the root has no "." nor ".."
    };
    for (const auto& [motif, masque, attendus] : cas)
        EXPECT_EQ(fs.Dir(motif, masque), attendus) << versUtf8(motif) << " / " << masque;
    EXPECT_EQ(numeroErreur([&] { fs.Dir(u"D:\\*.*", 55); }), err::CheminIntrouvable);
}

TEST_F(SystemeFichiersTest, NameDeplaceEtRefuseLesCollisions) {
    const std::u16string d = u"C:\\Cours\\K58204\\";
    const std::tuple<std::u16string, std::u16string, int32_t> cas[] = {
        {d + u"absent.doc", d + u"x.doc", err::FichierIntrouvable},
        {d + u"A.doc", d + u"B.DOC", err::FichierExistant},
        {d + u"A.doc", u"C:\\Cours\\Absent\\A.doc", err::CheminIntrouvable},
        {d + u"c.txt", d + u"sous\\c.txt", 0},
        {d + u"A.doc", d + u"a.doc", 0},  // only the case changes
        {u"C:\\Cours\\K58204", d + u"sous\\dedans", err::AccesChemin},
    };
    for (const auto& [source, destination, numero] : cas)
        EXPECT_EQ(numeroErreur([&] { fs.Name(source, destination); }), numero) << versUtf8(destination);
    EXPECT_EQ(fs.Dir(d + u"*.*", 0), (Noms{u"a.doc", u"b.doc"}));
    EXPECT_EQ(fs.Dir(d + u"sous\\*.*", 0), (Noms{u"c.txt"}));
}

TEST_F(SystemeFichiersTest, DossierCourantEtDossiers) {
    EXPECT_EQ(fs.CurDir(), u"C:\\");
    EXPECT_EQ(numeroErreur([&] { fs.ChDir(u"C:\\Cours\\Voyage à CANGO.doc"); }), err::CheminIntrouvable);
    fs.ChDir(u"c:\\cours\\k58204");
    EXPECT_EQ(fs.CurDir(), u"C:\\cours\\k58204");
    EXPECT_EQ(fs.Lit(u"b.doc"), "b.doc");  // relative to the current folder
    fs.MkDir(u"essai");
    EXPECT_EQ(numeroErreur([&] { fs.MkDir(u"ESSAI"); }), err::AccesChemin);
    fs.Ecrit(u"essai\\Application.doc", "doc");
    EXPECT_EQ(numeroErreur([&] { fs.RmDir(u"essai"); }), err::AccesChemin);  // not empty
    fs.Kill(u"essai\\Application.doc");
    fs.RmDir(u"C:\\Cours\\K58204\\ESSAI");
    EXPECT_FALSE(fs.Existe(u"essai"));
    EXPECT_EQ(numeroErreur([&] { fs.Ecrit(u"C:\\Absent\\x.doc", "x"); }), err::CheminIntrouvable);
}

TEST_F(SystemeFichiersTest, MakeSureDirectoryPathExistsCreeJusquAuDernierSeparateur) {
    EXPECT_TRUE(fs.MakeSureDirectoryPathExists(u"C:\\Documents and Settings\\Stagiaire\\Modèles\\"));
    EXPECT_EQ(fs.GetAttr(u"c:\\documents and settings\\stagiaire\\modèles"), attr::Dossier);
    EXPECT_TRUE(fs.MakeSureDirectoryPathExists(u"C:\\Nouveau\\pas un dossier"));
    EXPECT_FALSE(fs.Existe(u"C:\\Nouveau\\pas un dossier"));
    EXPECT_FALSE(fs.MakeSureDirectoryPathExists(u"C:\\Cours\\Voyage à CANGO.doc\\x\\"));  // a file in the way
}

}  // namespace
}  // namespace k58204::sim
