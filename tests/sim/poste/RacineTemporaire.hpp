#pragma once
// A fresh folder for drive C: of one test, removed afterwards.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace k58204::test {

class RacineTemporaire {
public:
    RacineTemporaire() {
        std::string modele = (std::filesystem::temp_directory_path() / "k58204-c-XXXXXX").string();
        chemin_ = mkdtemp(modele.data());
    }
    ~RacineTemporaire() {
        std::error_code ec;
        // Read-only files and folders left by a test must not stop the removal.
        for (auto& e : std::filesystem::recursive_directory_iterator(chemin_, ec))
            std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(chemin_, ec);
    }
    RacineTemporaire(const RacineTemporaire&) = delete;
    RacineTemporaire& operator=(const RacineTemporaire&) = delete;

    const std::filesystem::path& chemin() const { return chemin_; }

    // Writes a file under the root (relative Linux path, folders created).
    void ecrit(const std::string& relatif, const std::string& contenu) const {
        std::filesystem::path p = chemin_ / relatif;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << contenu;
    }

private:
    std::filesystem::path chemin_;
};

}  // namespace k58204::test
