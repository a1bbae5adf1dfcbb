#pragma once
// Files and folders as the component and Word see them: Windows paths
// ("C:\Cours\K58204\x.doc", backslashes, names matched without regard to
// case). Failures raise VB's run-time errors (53 file not found, 58 file
// already exists, 70 permission denied, 75 path/file access error, 76 path
// not found) with the source "K58204".
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace k58204::platform {

// File attributes as VB numbers them (vbNormal ... vbArchive).
namespace attr {
inline constexpr int32_t Normal = 0;
inline constexpr int32_t LectureSeule = 1;
inline constexpr int32_t Cache = 2;
inline constexpr int32_t Systeme = 4;
inline constexpr int32_t Dossier = 16;
inline constexpr int32_t Archive = 32;
}  // namespace attr

class SystemeFichiers {
public:
    virtual ~SystemeFichiers() = default;

    // VB's SetAttr.
    virtual void SetAttr(std::u16string_view chemin, int32_t attributs) = 0;
    virtual int32_t GetAttr(std::u16string_view chemin) = 0;
    // VB's Kill of one file (no wildcards).
    virtual void Kill(std::u16string_view chemin) = 0;
    // VB's Name ... As ...: renames or moves a file; 58 when the destination exists.
    virtual void Name(std::u16string_view source, std::u16string_view destination) = 0;
    // The entries matching a pattern ("C:\x\*.*", "C:\x\Application.doc"), in the
    // order the file system gives them, as successive calls of VB's Dir(pattern,
    // attributs) would: normal, read-only and archive files always; hidden, system
    // and folder entries (with "." and "..") only when the mask has their bit.
    // A missing folder gives an empty list.
    virtual std::vector<std::u16string> Dir(std::u16string_view motif, int32_t attributs) = 0;
    // The process's current folder.
    virtual void ChDir(std::u16string_view chemin) = 0;
    virtual std::u16string CurDir() = 0;
    virtual void MkDir(std::u16string_view chemin) = 0;
    virtual void RmDir(std::u16string_view chemin) = 0;
    // Creates every missing folder of the path (up to its last backslash); false on failure.
    virtual bool MakeSureDirectoryPathExists(std::u16string_view chemin) = 0;
    virtual bool Existe(std::u16string_view chemin) = 0;
    // VB's FileLen (a folder is 0 bytes long) and FileDateTime: the last write,
    // in local time, as a Date's serial number (days since 30/12/1899).
    virtual int32_t FileLen(std::u16string_view chemin) = 0;
    virtual double FileDateTime(std::u16string_view chemin) = 0;
    // Whole-file reads and writes (bytes), for Word's Open and Save.
    virtual std::string Lit(std::u16string_view chemin) = 0;
    virtual void Ecrit(std::u16string_view chemin, std::string_view octets) = 0;
};

}  // namespace k58204::platform
