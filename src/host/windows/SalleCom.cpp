#include "host/windows/SalleCom.hpp"

#include <system_error>
#include <variant>

#include "host/LectureVerdict.hpp"
#include "host/windows/MachineCom.hpp"
#include "word/Erreur.hpp"

namespace k58204::lecon::windows {

std::set<std::filesystem::path> SalleCom::entrees() const {
    std::set<std::filesystem::path> r;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(lecteur_, ec)) r.insert(e.path());
    return r;
}

bool SalleCom::prepare(std::ostream& erreurs) {
    std::error_code ec;
    if (!std::filesystem::is_directory(lecteur_, ec)) {
        erreurs << lecteur_.string() << " : lecteur introuvable\n";
        return false;
    }
    avant_ = entrees();
    return true;
}

// The script's Words are ended by then (Hote, MachineCom::termineWords):
// nothing holds the files it left.
void SalleCom::range() {
    for (const std::filesystem::path& p : entrees()) {
        if (avant_.count(p)) continue;
        std::error_code ec;
        // A read-only file would refuse deletion.
        for (const auto& e : std::filesystem::recursive_directory_iterator(p, ec))
            std::filesystem::permissions(e.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ec);
        std::filesystem::permissions(p, std::filesystem::perms::owner_write, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(p, ec);
    }
}

RapportScript SalleCom::joue(size_t, const Script& script, const Hote& hote) {
    // The process's current folder is the machine's: a script (ChDir, the
    // module's exercise 124) changes it, the next one starts from the same.
    std::error_code ec;
    const std::filesystem::path courant = std::filesystem::current_path(ec);
    RapportScript r;
    try {
        MachineCom machine;
        r = hote.joue(script, machine);
    } catch (const Erreur& e) {
        r = RapportScript{};
        r.fichier = script.fichier;
        r.evenements.push_back(evenement::Echec{script.fichier, "", "poste : K58204.Module : " + decrit(e)});
        r.echoues = 1;
    }
    std::filesystem::current_path(courant, ec);
    range();
    return r;
}

}  // namespace k58204::lecon::windows
