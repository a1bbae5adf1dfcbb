#pragma once
// One table of file-system states and calls, played on both file-system seams
// (the simulated drive natively, the Win32 one under Wine): each row gives the
// VB error both must raise. Paths are relative to a base folder `B` (ending
// with a backslash) that `prepareEtat` fills:
//   B\dossier\        an empty folder          B\plein\x.doc   a folder not empty
//   B\fichier.doc     a normal file            B\lecture.doc   a read-only file
//   B\cache.doc       a hidden file            B\tenu.doc      held open by another process
#include <cstdint>
#include <functional>
#include <string>

#include "platform/SystemeFichiers.hpp"
#include "support/NumeroErreur.hpp"
#include "word/Erreur.hpp"

namespace k58204::test {

enum class Appel { SetAttr, GetAttr, Kill, Name, ChDir, MkDir, RmDir, Lit, Ecrit };

struct CasFichier {
    Appel appel;
    const char16_t* chemin;  // under B; empty with `longueur`
    const char16_t* autre;   // Name's destination, under B
    int32_t numero;          // the VB error; 0 for none
    size_t longueur = 0;     // else: B followed by one name, making a path this long
};

inline constexpr int32_t Nom52 = 52;  // bad file name

inline const CasFichier CasFichiers[] = {
    // A missing file, and a missing folder (or a file where a folder should be).
    {Appel::SetAttr, u"absent.doc", nullptr, err::FichierIntrouvable},
    {Appel::SetAttr, u"Sans\\05820404.doc", nullptr, err::CheminIntrouvable},
    {Appel::SetAttr, u"fichier.doc\\x.doc", nullptr, err::CheminIntrouvable},
    {Appel::GetAttr, u"absent.doc", nullptr, err::FichierIntrouvable},
    {Appel::GetAttr, u"Sans\\x.doc", nullptr, err::CheminIntrouvable},
    {Appel::Kill, u"absent.doc", nullptr, err::FichierIntrouvable},
    {Appel::Kill, u"Sans\\x.doc", nullptr, err::CheminIntrouvable},
    {Appel::Lit, u"absent.doc", nullptr, err::FichierIntrouvable},
    {Appel::Lit, u"Sans\\x.doc", nullptr, err::CheminIntrouvable},
    {Appel::Ecrit, u"Sans\\x.doc", nullptr, err::CheminIntrouvable},
    {Appel::Name, u"absent.doc", u"x.doc", err::FichierIntrouvable},
    {Appel::Name, u"Sans\\x.doc", u"x.doc", err::FichierIntrouvable},  // VB looks for the source first
    {Appel::Name, u"fichier.doc", u"Sans\\x.doc", err::CheminIntrouvable},
    {Appel::ChDir, u"Sans", nullptr, err::CheminIntrouvable},
    {Appel::MkDir, u"Sans\\sous", nullptr, err::CheminIntrouvable},
    {Appel::RmDir, u"Sans", nullptr, err::CheminIntrouvable},
    // A file where a folder is expected, a folder where a file is.
    {Appel::ChDir, u"fichier.doc", nullptr, err::CheminIntrouvable},
    {Appel::MkDir, u"fichier.doc", nullptr, err::AccesChemin},
    {Appel::MkDir, u"dossier", nullptr, err::AccesChemin},
    {Appel::RmDir, u"fichier.doc", nullptr, err::AccesChemin},
    {Appel::RmDir, u"plein", nullptr, err::AccesChemin},
    {Appel::Kill, u"dossier", nullptr, err::FichierIntrouvable},
    {Appel::Lit, u"dossier", nullptr, err::AccesChemin},
    {Appel::Ecrit, u"dossier", nullptr, err::AccesChemin},
    {Appel::Name, u"fichier.doc", u"dossier", err::FichierExistant},
    {Appel::Name, u"fichier.doc", u"lecture.doc", err::FichierExistant},
    // Read-only, hidden, held open.
    {Appel::Kill, u"lecture.doc", nullptr, err::AccesChemin},
    {Appel::Ecrit, u"lecture.doc", nullptr, err::AccesChemin},
    {Appel::Kill, u"cache.doc", nullptr, err::FichierIntrouvable},
    {Appel::Kill, u"tenu.doc", nullptr, err::PermissionRefusee},
    {Appel::Name, u"tenu.doc", u"x.doc", err::PermissionRefusee},
    {Appel::Ecrit, u"tenu.doc", nullptr, err::PermissionRefusee},
    {Appel::Lit, u"tenu.doc", nullptr, 0},
    {Appel::SetAttr, u"tenu.doc", nullptr, 0},
    {Appel::SetAttr, u"fichier.doc", nullptr, err::AppelIncorrect, 0},  // the folder bit (see joue)
    // Names Windows refuses, device names.
    {Appel::Ecrit, u"a|b.doc", nullptr, Nom52},
    {Appel::GetAttr, u"a<b.doc", nullptr, Nom52},
    {Appel::Kill, u"*.doc", nullptr, Nom52},
    {Appel::Lit, u"CON", nullptr, err::AccesChemin},
    {Appel::Ecrit, u"nul.doc", nullptr, err::AccesChemin},
    {Appel::MkDir, u"aux", nullptr, err::AccesChemin},
    {Appel::Ecrit, u"COM0.doc", nullptr, 0},
    // Long paths, as VB's ANSI calls have them: MAX_PATH (260) with the
    // terminating NUL, 248 for a folder.
    {Appel::Ecrit, nullptr, nullptr, 0, 259},
    {Appel::Ecrit, nullptr, nullptr, err::CheminIntrouvable, 260},
    {Appel::MkDir, nullptr, nullptr, 0, 247},
    {Appel::MkDir, nullptr, nullptr, err::CheminIntrouvable, 248},
    {Appel::GetAttr, nullptr, nullptr, err::CheminIntrouvable, 260},
};

// Fills the base folder `b` through the seam; `tiens` holds a file open as
// another process would.
inline void prepareEtat(platform::SystemeFichiers& fs, const std::u16string& b,
                        const std::function<void(const std::u16string&)>& tiens) {
    fs.MkDir(b + u"dossier");
    fs.MkDir(b + u"plein");
    for (const char16_t* f : {u"fichier.doc", u"lecture.doc", u"cache.doc", u"tenu.doc", u"plein\\x.doc"})
        fs.Ecrit(b + f, "x");
    fs.SetAttr(b + u"lecture.doc", platform::attr::LectureSeule);
    fs.SetAttr(b + u"cache.doc", platform::attr::Cache);
    tiens(b + u"tenu.doc");
}

// The path of a row under `b`.
inline std::u16string cheminCas(const CasFichier& c, const std::u16string& b) {
    if (c.longueur) return b + std::u16string(c.longueur - b.size(), u'n');
    return b + c.chemin;
}

// Plays one row; the VB error it raised (0 for none).
inline int32_t joue(platform::SystemeFichiers& fs, const CasFichier& c, const std::u16string& b) {
    const std::u16string p = cheminCas(c, b);
    return numeroErreur([&] {
        switch (c.appel) {
            case Appel::SetAttr: fs.SetAttr(p, c.numero == err::AppelIncorrect ? platform::attr::Dossier : 0); break;
            case Appel::GetAttr: fs.GetAttr(p); break;
            case Appel::Kill: fs.Kill(p); break;
            case Appel::Name: fs.Name(p, b + c.autre); break;
            case Appel::ChDir: fs.ChDir(p); break;
            case Appel::MkDir: fs.MkDir(p); break;
            case Appel::RmDir: fs.RmDir(p); break;
            case Appel::Lit: fs.Lit(p); break;
            case Appel::Ecrit: fs.Ecrit(p, "y"); break;
        }
    });
}

// Undoes what a row that succeeded made, so that rows stay independent.
inline void defait(platform::SystemeFichiers& fs, const CasFichier& c, const std::u16string& b) {
    if (c.numero != 0 || c.autre) return;
    const std::u16string p = cheminCas(c, b);
    if (c.appel == Appel::Ecrit && fs.Existe(p)) fs.Kill(p);
    if (c.appel == Appel::MkDir) fs.RmDir(p);
}

}  // namespace k58204::test
