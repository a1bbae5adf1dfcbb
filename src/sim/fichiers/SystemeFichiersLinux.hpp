#pragma once
// The file-system seam on Linux: Windows paths ("C:\Cours\x.doc",
// backslashes or slashes, names matched without regard to case) mapped onto a
// root folder, as Wine's dosdevices map a drive.
//
// - Drive C: is the root folder; any other drive, and UNC paths, give "path
//   not found" (76). "\x" is on the current drive; a relative path is taken
//   from the current folder, which starts at "C:\".
// - Each name is looked up without regard to case (k58204::LCase); when a
//   folder holds several names that differ only by case, the exact spelling
//   wins, then the first in byte order.
// - Attributes: read-only is the file's write permission; hidden, system and
//   archive are kept in a side table of this object. A file without an entry
//   reads as archive (32), as Windows marks new and changed files; a folder
//   reads as 16. A read-only file refuses Kill and Ecrit (75).
// - Dir lists "." and ".." (when the folder bit is asked for and the folder
//   is not the root), then the entries in alphabetical order without regard
//   to case, as NTFS returns them. An entry is listed when its hidden, system
//   and folder bits are all in the mask.
// - Names with a character Windows forbids (< > : " | ? * or a control
//   character) give "bad file name" (52); wildcards are only for Dir. So does
//   a name holding a lone surrogate: VB hands names to the ANSI file calls,
//   where such a character becomes "?" (a choice: no source found).
// - Device names (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, with or without
//   an extension, in any case) are not ordinary files: creating, changing or
//   reading one gives "path/file access error" (75); Existe is false and Dir
//   lists nothing for them.
// - A full path of MAX_PATH (260) characters or more, a folder path that
//   leaves no room for an 8.3 file name (248 or more, for MkDir), or a name
//   longer than 255 characters gives "path not found" (76), as the ANSI calls
//   VB makes fail (the number is a choice: no source found).
// - Symbolic links on the Linux side are followed only while they stay in
//   the root: a link whose target is outside it (or missing) cannot be
//   reached (75) and Dir does not list it, so nothing acts outside drive C:.
// - Files held open by a DetenteurFichiers (a Word instance's open
//   documents) cannot be deleted, renamed or overwritten: Kill, Name and
//   Ecrit give "permission denied" (70); renaming a folder that holds one
//   gives 75. Reading and changing attributes are allowed, as Word shares its
//   files for reading.
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/fichiers/FichiersWord.hpp"

namespace k58204::sim {

class SystemeFichiersLinux : public FichiersWord {
public:
    // `racine` must exist; it is drive C:.
    explicit SystemeFichiersLinux(std::filesystem::path racine);

    void SetAttr(std::u16string_view chemin, int32_t attributs) override;
    int32_t GetAttr(std::u16string_view chemin) override;
    void Kill(std::u16string_view chemin) override;
    void Name(std::u16string_view source, std::u16string_view destination) override;
    std::vector<std::u16string> Dir(std::u16string_view motif, int32_t attributs) override;
    void ChDir(std::u16string_view chemin) override;
    std::u16string CurDir() override;
    void MkDir(std::u16string_view chemin) override;
    void RmDir(std::u16string_view chemin) override;
    bool MakeSureDirectoryPathExists(std::u16string_view chemin) override;
    bool Existe(std::u16string_view chemin) override;
    int32_t FileLen(std::u16string_view chemin) override;
    double FileDateTime(std::u16string_view chemin) override;
    std::string Lit(std::u16string_view chemin) override;
    void Ecrit(std::u16string_view chemin, std::string_view octets) override;

    // ------------------------------------------------------------ helpers
    const std::filesystem::path& racine() const { return racine_; }
    // The Linux path of a Windows path (existing names in their case on disk;
    // missing ones as given). Raises 76 for another drive, 52 for a bad name.
    std::filesystem::path cheminLinux(std::u16string_view chemin) const;
    // The absolute Windows form: "C:\" + the components, "." and ".." resolved,
    // names as given (not as on disk), no final backslash except for the root.
    std::u16string cheminAbsolu(std::u16string_view chemin) const;
    // The same with the names as found on disk ("c:\cours\VOYAGE.doc" ->
    // "C:\Cours\Voyage.doc"); missing names as given.
    std::u16string cheminReel(std::u16string_view chemin) const;

    // Files a holder keeps open (checked at each Kill, Name and Ecrit for as
    // long as the holder lives).
    void ajouteDetenteur(std::weak_ptr<const DetenteurFichiers> detenteur) override;
    // Whether a holder other than `sauf` keeps the file open.
    bool tenu(std::u16string_view chemin, const DetenteurFichiers* sauf = nullptr) const;
    // Ecrit on behalf of a holder, which may overwrite the files it holds itself.
    void ecritPour(std::u16string_view chemin, std::string_view octets, const DetenteurFichiers* auteur) override;

    // Windows path limits of the ANSI calls VB makes (terminating NUL included).
    static constexpr size_t LongueurMaxChemin = 260;
    static constexpr size_t LongueurMaxDossier = 248;
    static constexpr size_t LongueurMaxNom = 255;

private:
    struct Resolution {
        std::vector<std::u16string> composants;  // as on disk where found
        size_t trouves = 0;                      // how many leading components exist
        std::filesystem::path linux;             // racine + composants
        bool existe() const { return trouves == composants.size(); }
    };
    // Components of an absolute path ("." and ".." resolved). Raises 76 / 52.
    std::vector<std::u16string> decoupe(std::u16string_view chemin, bool jokersPermis) const;
    Resolution resous(const std::vector<std::u16string>& composants) const;
    Resolution resous(std::u16string_view chemin) const { return resous(decoupe(chemin, false)); }
    // Raises what Windows answers for a path that does not resolve.
    [[noreturn]] void leveAbsent(const Resolution& r) const;
    std::string cle(const std::filesystem::path& p) const;
    // Raises 75 when p is a symbolic link that leads out of the root.
    void verifieLien(const std::filesystem::path& p) const;
    bool lienSortant(const std::filesystem::path& p) const;
    // Whether a holder other than `sauf` keeps p, or (dedans) a file under p.
    bool tenuLinux(const std::filesystem::path& p, bool dedans, const DetenteurFichiers* sauf) const;
    void ecritLinux(const Resolution& r, std::string_view octets);
    int32_t attributs(const std::filesystem::path& p) const;
    void oublie(const std::filesystem::path& p);

    std::filesystem::path racine_;
    std::filesystem::path racineCanonique_;  // racine_ with its own links resolved
    std::vector<std::weak_ptr<const DetenteurFichiers>> detenteurs_;
    std::vector<std::u16string> courant_;  // components of the current folder
    // Hidden / system / archive bits by lower-cased Linux path.
    std::map<std::string, int32_t> attributs_;
};

}  // namespace k58204::sim
