#pragma once
// The file-system seam on Windows, through the wide (UTF-16) Win32 API, with
// VB's run-time errors (ErreursWin32.hpp) where VB's statements give them:
//
// - GetAttr gives VB's bits only (read-only 1, hidden 2, system 4, folder 16,
//   archive 32). SetAttr accepts only read-only, hidden, system and archive
//   (else 5); 0 makes the file normal.
// - Kill looks for normal files, as VB's does: a folder, a hidden or a system
//   file is not found (53); a read-only file gives 75.
// - Name: a missing source gives 53 whatever part of its path is missing; an
//   existing destination 58; a missing destination folder 76.
// - Dir lists the entries in the order the file system returns them ("." and
//   ".." included when the mask has the folder bit); a pattern that ends with
//   a backslash or a drive means "*"; a missing folder gives an empty list.
// - ChDir changes the process's current folder (drive included); a missing
//   folder, or a file, gives 76. MkDir of an existing folder gives 75; RmDir
//   of a missing folder 76, of a folder that is not empty (or is the current
//   one) 75.
// - Every call refuses a path naming a device (CON, NUL, COM1...) in any of
//   its parts (75), and one too long for VB's ANSI calls (76): MAX_PATH with
//   the NUL, 248 for MkDir, 255 for a name.
// - MakeSureDirectoryPathExists calls imagehlp's when the path has an exact
//   form in the ANSI code page, and otherwise creates the folders itself with
//   the wide API, so that no character of the path is lost.
// - Lit and Ecrit read and write whole files; Ecrit keeps a hidden file's
//   attributes, and refuses a read-only file or a folder (75).
#include "platform/SystemeFichiers.hpp"

namespace k58204::platform::win32 {

class SystemeFichiers32 : public platform::SystemeFichiers {
public:
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
};

}  // namespace k58204::platform::win32
