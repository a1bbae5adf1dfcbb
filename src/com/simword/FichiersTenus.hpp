#pragma once
// Word's files on the real Windows file system (SystemeFichiers32), held the
// way Word holds the files of its open documents: a real handle opened for
// reading and shared for reading only, so that another process's Kill, Name
// or overwrite fails with a sharing violation (VB's 70) while the document is
// open. synchronise() opens a handle on each file the holders report and
// closes those no longer reported; the holder's own saves release its handle
// for the time of the write.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/SystemeFichiers32.hpp"
#include "sim/fichiers/FichiersWord.hpp"

namespace k58204::simword {

class FichiersTenus final : public sim::FichiersWord {
public:
    FichiersTenus() = default;
    ~FichiersTenus() override;
    FichiersTenus(const FichiersTenus&) = delete;
    FichiersTenus& operator=(const FichiersTenus&) = delete;

    void SetAttr(std::u16string_view chemin, int32_t attributs) override { fs_.SetAttr(chemin, attributs); }
    int32_t GetAttr(std::u16string_view chemin) override { return fs_.GetAttr(chemin); }
    void Kill(std::u16string_view chemin) override { fs_.Kill(chemin); }
    void Name(std::u16string_view source, std::u16string_view destination) override { fs_.Name(source, destination); }
    std::vector<std::u16string> Dir(std::u16string_view motif, int32_t attributs) override {
        return fs_.Dir(motif, attributs);
    }
    void ChDir(std::u16string_view chemin) override { fs_.ChDir(chemin); }
    std::u16string CurDir() override { return fs_.CurDir(); }
    void MkDir(std::u16string_view chemin) override { fs_.MkDir(chemin); }
    void RmDir(std::u16string_view chemin) override { fs_.RmDir(chemin); }
    bool MakeSureDirectoryPathExists(std::u16string_view chemin) override {
        return fs_.MakeSureDirectoryPathExists(chemin);
    }
    bool Existe(std::u16string_view chemin) override { return fs_.Existe(chemin); }
    int32_t FileLen(std::u16string_view chemin) override { return fs_.FileLen(chemin); }
    double FileDateTime(std::u16string_view chemin) override { return fs_.FileDateTime(chemin); }
    std::string Lit(std::u16string_view chemin) override { return fs_.Lit(chemin); }
    void Ecrit(std::u16string_view chemin, std::string_view octets) override { fs_.Ecrit(chemin, octets); }

    void ajouteDetenteur(std::weak_ptr<const sim::DetenteurFichiers> detenteur) override;
    void ecritPour(std::u16string_view chemin, std::string_view octets,
                   const sim::DetenteurFichiers* auteur) override;

    // Opens a handle on every file held now, closes the others.
    void synchronise();
    // Closes every handle (the instance is gone).
    void relacheTout();
    // The full paths (lower case) held by a real handle now, for tests.
    std::vector<std::wstring> tenus() const;

private:
    static std::wstring cle(std::u16string_view chemin);
    void relache(const std::wstring& cle);

    platform::win32::SystemeFichiers32 fs_;
    std::vector<std::weak_ptr<const sim::DetenteurFichiers>> detenteurs_;
    std::map<std::wstring, HANDLE> poignees_;
};

}  // namespace k58204::simword
