// The file-system seam on Linux: Windows paths on a root folder.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <memory>

#include "platform/SystemeFichiers.hpp"
#include "sim/fichiers/SystemeFichiersLinux.hpp"
#include "sim/poste/RacineTemporaire.hpp"
#include "support/CasFichiers.hpp"
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
        {u"C:\\Cours\\..\\..\\Cours\\.\\Voyage à CANGO.doc", true, 0},  // ".." stops at the root
        {u"D:\\Cours\\Voyage à CANGO.doc", false, err::CheminIntrouvable},
        {u"\\\\serveur\\partage\\x.doc", false, err::CheminIntrouvable},
    };
    for (const auto& [chemin, existe, erreurLecture] : cas) {
        SCOPED_TRACE(versUtf8(chemin));
        EXPECT_EQ(fs.Existe(chemin), existe);
        EXPECT_EQ(numeroErreur([&] { EXPECT_EQ(fs.Lit(chemin), "voyage"); }), erreurLecture);
    }
    EXPECT_EQ(fs.cheminReel(u"c:\\COURS\\voyage à cango.DOC"), u"C:\\Cours\\Voyage à CANGO.doc");
}

TEST_F(SystemeFichiersTest, LectureSeuleSuitLeFichierRenommeJusquANormal) {
    const std::u16string f = u"C:\\cours\\voyage à cango.doc", copie = u"C:\\Cours\\Copie.doc";
    EXPECT_EQ(fs.GetAttr(f), attr::Archive);
    fs.SetAttr(f, attr::LectureSeule | attr::Archive);
    fs.Name(f, copie);  // renaming is allowed; the attribute goes with the file
    EXPECT_EQ(fs.GetAttr(copie), attr::LectureSeule | attr::Archive);
    fs.SetAttr(copie, attr::Normal);
    fs.Kill(copie);
    EXPECT_FALSE(fs.Existe(copie));
    // Kill finds no system file (hidden ones and folders: the shared table).
    EXPECT_EQ(numeroErreur([&] { fs.Kill(u"C:\\Cours\\K58204\\s.doc"); }), err::FichierIntrouvable);
}

TEST_F(SystemeFichiersTest, DirSelonMasqueEtDansLOrdreAlphabetique) {
    const std::u16string tout = u"C:\\Cours\\K58204\\*.*";
    const std::tuple<std::u16string, int32_t, Noms> cas[] = {
        {tout, attr::Cache, {u"A.doc", u"b.doc", u"c.txt", u"h.doc"}},
        {tout, attr::Dossier, {u".", u"..", u"A.doc", u"b.doc", u"c.txt", u"sous"}},
        {u"c:\\cours\\k58204\\*.DOC", 55, {u"A.doc", u"b.doc", u"h.doc", u"s.doc"}},
        {u"C:\\Cours\\K58204\\?.doc", attr::Normal, {u"A.doc", u"b.doc"}},
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
        {d + u"A.doc", d + u"B.DOC", err::FichierExistant},  // another case of an existing name
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
    fs.ChDir(u"c:\\cours\\k58204");
    EXPECT_EQ(fs.CurDir(), u"C:\\cours\\k58204");
    EXPECT_EQ(fs.Lit(u"b.doc"), "b.doc");  // relative to the current folder
    fs.MkDir(u"essai");
    fs.RmDir(u"C:\\Cours\\K58204\\ESSAI");
    EXPECT_FALSE(fs.Existe(u"essai"));
}

TEST_F(SystemeFichiersTest, MakeSureDirectoryPathExistsCreeJusquAuDernierSeparateur) {
    EXPECT_TRUE(fs.MakeSureDirectoryPathExists(u"C:\\Documents and Settings\\Stagiaire\\Modèles\\"));
    EXPECT_EQ(fs.GetAttr(u"c:\\documents and settings\\stagiaire\\modèles"), attr::Dossier);
    EXPECT_TRUE(fs.MakeSureDirectoryPathExists(u"C:\\Nouveau\\pas un dossier"));
    EXPECT_EQ(fs.GetAttr(u"C:\\Nouveau"), attr::Dossier);
    EXPECT_FALSE(fs.Existe(u"C:\\Nouveau\\pas un dossier"));
    EXPECT_FALSE(fs.MakeSureDirectoryPathExists(u"C:\\Cours\\Voyage à CANGO.doc\\x\\"));  // a file in the way
}

// Files a holder (a Word instance) keeps open: not deleted, renamed nor
// overwritten by anyone else until it lets them go.
struct Detenteur : DetenteurFichiers {
    std::vector<std::u16string> tenus;
    std::vector<std::u16string> fichiersTenus() const override { return tenus; }
};

TEST_F(SystemeFichiersTest, UnFichierTenuNeDisparaitNiNeChangeDeNom) {
    auto word = std::make_shared<Detenteur>();
    word->tenus = {u"c:\\cours\\k58204\\B.DOC"};  // held under another spelling
    fs.ajouteDetenteur(word);
    const std::u16string b = u"C:\\Cours\\K58204\\b.doc";
    EXPECT_EQ(numeroErreur([&] { fs.Kill(b); }), err::PermissionRefusee);
    // The folder that holds it cannot move either.
    EXPECT_EQ(numeroErreur([&] { fs.Name(u"C:\\Cours\\K58204", u"C:\\Cours\\Autre"); }), err::AccesChemin);
    // The holder's own writes are allowed (reading and attributes: the
    // shared table); the neighbouring file is not held.
    fs.ecritPour(b, "sienne", word.get());
    EXPECT_EQ(fs.Lit(b), "sienne");
    EXPECT_TRUE(fs.tenu(b));
    EXPECT_FALSE(fs.tenu(b, word.get()));
    fs.Kill(u"C:\\Cours\\K58204\\A.doc");
    // A holder that no longer exists holds nothing (let go when the document
    // closes: the lesson, at the end of every exercise).
    word.reset();
    fs.Kill(b);
    EXPECT_FALSE(fs.Existe(b));
}

TEST_F(SystemeFichiersTest, LesLiensNeMenentPasHorsDeLaRacine) {
    test::RacineTemporaire dehors;
    dehors.ecrit("secret.doc", "secret");
    const auto& r = racine.chemin();
    std::filesystem::create_directory_symlink(dehors.chemin(), r / "Cours/dehors");
    std::filesystem::create_symlink(dehors.chemin() / "secret.doc", r / "Cours/lien.doc");
    std::filesystem::create_symlink(dehors.chemin() / "absent.doc", r / "Cours/casse.doc");
    std::filesystem::create_directory_symlink(r / "Cours/K58204", r / "Cours/dedans");  // stays inside
    const std::pair<const char*, std::function<void()>> refuses[] = {
        {"Kill through a folder link", [&] { fs.Kill(u"C:\\Cours\\dehors\\secret.doc"); }},
        {"Kill of a file link", [&] { fs.Kill(u"C:\\Cours\\lien.doc"); }},
        {"Lit", [&] { fs.Lit(u"C:\\Cours\\LIEN.doc"); }},
        {"Ecrit", [&] { fs.Ecrit(u"C:\\Cours\\dehors\\nouveau.doc", "x"); }},
        {"Ecrit on a dangling link", [&] { fs.Ecrit(u"C:\\Cours\\casse.doc", "x"); }},
        {"Name into", [&] { fs.Name(u"C:\\Cours\\K58204\\b.doc", u"C:\\Cours\\dehors\\b.doc"); }},
        {"ChDir", [&] { fs.ChDir(u"C:\\Cours\\dehors"); }},
        {"Dir inside", [&] { fs.Dir(u"C:\\Cours\\dehors\\*.*", 55); }},
    };
    for (const auto& [quoi, f] : refuses) EXPECT_EQ(numeroErreur(f), err::AccesChemin) << quoi;
    EXPECT_FALSE(fs.Existe(u"C:\\Cours\\dehors"));
    EXPECT_EQ(fs.Dir(u"C:\\Cours\\*.*", 55), (Noms{u".", u"..", u"dedans", u"K58204", u"Voyage à CANGO.doc"}));
    EXPECT_EQ(fs.Lit(u"C:\\Cours\\dedans\\b.doc"), "b.doc");
    // Nothing outside changed.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dehors.chemin()), {}), 1);
    EXPECT_TRUE(std::filesystem::exists(dehors.chemin() / "secret.doc"));
}

TEST_F(SystemeFichiersTest, NomsQueWindowsRefuse) {
    const std::u16string c = u"C:\\Cours\\";
    auto u = [](char16_t unite) { return std::u16string(1, unite); };
    const std::tuple<std::u16string, int32_t, int32_t> cas[] = {  // path, error of Ecrit, of MkDir
        {c + u"aux \\x.doc", err::AccesChemin, err::AccesChemin},  // as a folder, trailing space
        {c + u"LPT10", 0, 0},                                       // not a device
        {c + u"a" + u(0xD800) + u".doc", 52, 52},  // lone high surrogate
        {c + u(0xDE00) + u(0xD83D) + u".doc", 52, 52},  // a pair in the wrong order
        {c + u(0xD83D) + u(0xDE00) + u".doc", 0, 0},    // a real pair
        {u"C:\\" + std::u16string(255, u'x'), 0, err::CheminIntrouvable},
        {u"C:\\" + std::u16string(256, u'x'), err::CheminIntrouvable, err::CheminIntrouvable},
    };
    for (const auto& [chemin, erreurEcrit, erreurMkDir] : cas) {
        SCOPED_TRACE(versUtf8(chemin.substr(0, 20)) + " / " + std::to_string(chemin.size()));
        EXPECT_EQ(numeroErreur([&] { fs.Ecrit(chemin, "x"); }), erreurEcrit);
        EXPECT_EQ(fs.Existe(chemin), erreurEcrit == 0);
        if (erreurEcrit == 0) fs.Kill(chemin);
        EXPECT_EQ(numeroErreur([&] { fs.MkDir(chemin); }), erreurMkDir);
        if (erreurMkDir == 0) fs.RmDir(chemin);
    }
    // Nothing was made for the refused names.
    EXPECT_EQ(fs.Dir(c + u"*.*", 55), (Noms{u".", u"..", u"K58204", u"Voyage à CANGO.doc"}));
}

// The rows the Win32 seam plays too (tests/windows/platform): the same state,
// the same VB errors, in a folder of its own beside the fixture's.
TEST_F(SystemeFichiersTest, RepondLesErreursDeWindows) {
    auto autreProcessus = std::make_shared<Detenteur>();
    fs.ajouteDetenteur(autreProcessus);
    const std::u16string b = u"C:\\Cas\\";
    fs.MkDir(b);
    test::prepareEtat(fs, b, [&](const std::u16string& p) { autreProcessus->tenus.push_back(p); });
    for (const test::CasFichier& c : test::CasFichiers) {
        SCOPED_TRACE(versUtf8(test::cheminCas(c, b).substr(0, 40)) + " / appel " + std::to_string(int(c.appel)));
        EXPECT_EQ(test::joue(fs, c, b), c.numero);
        test::defait(fs, c, b);
    }
}

}  // namespace
}  // namespace k58204::sim
