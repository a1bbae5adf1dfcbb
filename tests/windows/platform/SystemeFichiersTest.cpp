// SystemeFichiers32 on real files in a temporary folder with an accented name.
#include "platform/win32/SystemeFichiers32.hpp"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/Conversions.hpp"
#include "platform/win32/Possession.hpp"
#include "support/CasFichiers.hpp"
#include "word/Erreur.hpp"
#include "word/Texte.hpp"

namespace k58204::platform::win32 {
namespace {

// Removes a folder and everything in it, read-only and hidden entries included.
void supprimeArbre(const std::wstring& dossier) {
    WIN32_FIND_DATAW d;
    HANDLE h = ::FindFirstFileW((dossier + L"\\*").c_str(), &d);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring nom = d.cFileName;
            if (nom == L"." || nom == L"..") continue;
            const std::wstring chemin = dossier + L"\\" + nom;
            ::SetFileAttributesW(chemin.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                supprimeArbre(chemin);
            else
                ::DeleteFileW(chemin.c_str());
        } while (::FindNextFileW(h, &d));
        ::FindClose(h);
    }
    ::RemoveDirectoryW(dossier.c_str());
}

class SystemeFichiers32Test : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t tmp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, tmp);
        racine_ = depuisLarge(tmp) + u"K58204 Réponses " + depuisLarge(std::to_wstring(::GetCurrentProcessId()));
        supprimeArbre(versLarge(racine_));
        ASSERT_TRUE(::CreateDirectoryW(versLarge(racine_).c_str(), nullptr));
        courantAvant_ = fs.CurDir();
    }
    void TearDown() override {
        fs.ChDir(courantAvant_);
        supprimeArbre(versLarge(racine_));
    }
    std::u16string chemin(std::u16string_view nom) const { return racine_ + u"\\" + std::u16string(nom); }
    void cree(std::u16string_view nom, int32_t attributs = 0, std::string_view contenu = "x") {
        fs.Ecrit(chemin(nom), contenu);
        if (attributs) fs.SetAttr(chemin(nom), attributs);
    }

    SystemeFichiers32 fs;
    std::u16string racine_, courantAvant_;
};

// Seen under Wine 8: FindFirstFileW gives "." and ".." first; the other
// entries come in no promised order, so they are compared sorted.
TEST_F(SystemeFichiers32Test, DirFiltersByMaskAndPattern) {
    fs.MkDir(chemin(u"essai"));
    const std::u16string essai = chemin(u"essai") + u"\\";
    for (auto [nom, attributs] : {std::pair{u"Application.doc", 0}, {u"lecture.doc", attr::LectureSeule},
                                  {u"caché.doc", attr::Cache}, {u"système.doc", attr::Systeme}, {u"note.txt", 0}})
        cree(std::u16string(u"essai\\") + nom, attributs);
    fs.MkDir(essai + u"sous");
    using Liste = std::vector<std::u16string>;
    struct Cas {
        const char16_t* motif;
        int32_t masque;
        Liste attendu;
    } cas[] = {
        {u"*.*", 0, {u"Application.doc", u"lecture.doc", u"note.txt"}},
        {u"*.*", attr::Cache, {u"Application.doc", u"caché.doc", u"lecture.doc", u"note.txt"}},
        {u"*.*", attr::Systeme, {u"Application.doc", u"lecture.doc", u"note.txt", u"système.doc"}},
        {u"*.*", attr::Dossier, {u".", u"..", u"Application.doc", u"lecture.doc", u"note.txt", u"sous"}},
        {u"*.*", 55,
         {u".", u"..", u"Application.doc", u"caché.doc", u"lecture.doc", u"note.txt", u"sous", u"système.doc"}},
        {u"*.doc", 0, {u"Application.doc", u"lecture.doc"}},
        {u"", 0, {u"Application.doc", u"lecture.doc", u"note.txt"}},
        {u"caché.doc", 0, {}},
    };
    auto trie = [](Liste l) {
        std::sort(l.begin(), l.end(), [](const auto& a, const auto& b) { return LCase(a) < LCase(b); });
        return l;
    };
    for (const Cas& c : cas) {
        const Liste obtenu = fs.Dir(essai + c.motif, c.masque);
        EXPECT_EQ(trie(obtenu), trie(c.attendu)) << versUtf8(c.motif) << " mask " << c.masque;
        if (c.masque & attr::Dossier) {
            ASSERT_GE(obtenu.size(), 2u);
            EXPECT_EQ(Liste(obtenu.begin(), obtenu.begin() + 2), (Liste{u".", u".."}));
        }
    }
    EXPECT_TRUE(fs.Dir(chemin(u"absent\\*.*"), 55).empty());
}

// The ANSI path goes through imagehlp; a path the code page cannot hold is
// made with the wide API. Only what precedes the last backslash is a folder.
TEST_F(SystemeFichiers32Test, MakeSureDirectoryPathExistsCreatesEveryMissingFolder) {
    struct Cas {
        const char16_t* chemin;
        const char16_t* dossier;   // must exist afterwards
        const char16_t* pasCree;   // must not
    } cas[] = {
        {u"a\\b\\Réponses.doc", u"a\\b", u"a\\b\\Réponses.doc"},
        {u"Ωmega\\Δ\\", u"Ωmega\\Δ", nullptr},
        {u"Ωmega\\Δ\\ε\\x.doc", u"Ωmega\\Δ\\ε", u"Ωmega\\Δ\\ε\\x.doc"},
    };
    for (const Cas& c : cas) {
        EXPECT_TRUE(fs.MakeSureDirectoryPathExists(chemin(c.chemin))) << versUtf8(c.chemin);
        EXPECT_EQ(fs.GetAttr(chemin(c.dossier)) & attr::Dossier, attr::Dossier) << versUtf8(c.chemin);
        if (c.pasCree) {
            EXPECT_FALSE(fs.Existe(chemin(c.pasCree))) << versUtf8(c.chemin);
        }
    }
    cree(u"fichier");
    EXPECT_FALSE(fs.MakeSureDirectoryPathExists(chemin(u"fichier\\x\\")));
    EXPECT_FALSE(fs.MakeSureDirectoryPathExists(chemin(u"fichier\\Ω\\")));  // the wide path fails too
}

// The rows the simulated drive plays too (tests/sim/fichiers): the same
// state, the same VB errors. "Another process" holds its file as Word holds
// an open document: shared for reading only.
TEST_F(SystemeFichiers32Test, AnswersTheSameErrorsAsTheSimulatedDrive) {
    const std::u16string b = racine_ + u"\\";
    Poignee tenu;
    k58204::test::prepareEtat(fs, b, [&](const std::u16string& p) {
        tenu.reset(sansInvalide(::CreateFileW(versLarge(p).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
        ASSERT_TRUE(tenu);
    });
    for (const k58204::test::CasFichier& c : k58204::test::CasFichiers) {
        SCOPED_TRACE(versUtf8(k58204::test::cheminCas(c, b).substr(b.size(), 40)) + " / call " + std::to_string(int(c.appel)));
        EXPECT_EQ(k58204::test::joue(fs, c, b), c.numero);
        k58204::test::defait(fs, c, b);
    }
}

}  // namespace
}  // namespace k58204::platform::win32
