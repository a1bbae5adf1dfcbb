#include "host/windows/SalleCom.hpp"

#include <system_error>

#include "host/LectureVerdict.hpp"
#include "host/windows/CanalSimWord.hpp"
#include "host/windows/MachineCom.hpp"
#include "word/Texte.hpp"

// After the seam's headers, whose names Windows defines as macros.
#include <windows.h>
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

namespace {

// The names under which exercises use their documents: what the module must
// have removed once a script has quit.
bool estFichierDeTravail(const std::filesystem::path& p) {
    const std::wstring nom = p.filename().wstring();
    if (_wcsicmp(nom.c_str(), L"Réponses.doc") == 0 || _wcsicmp(nom.c_str(), L"Voyage à CANGO.doc") == 0) return true;
    return _wcsicmp(nom.c_str(), L"Application.doc") == 0 &&
           _wcsicmp(p.parent_path().filename().wstring().c_str(), L"essai") == 0;
}

// The simulated Word that quit goes on ending for a moment, holding its open
// documents' files: waited for, at most a few seconds, before tidying.
void attendFinDeWord() {
    for (int i = 0; i < 100 && FindWindowW(ClasseCanal, nullptr); ++i) Sleep(50);
}

}  // namespace

std::vector<std::filesystem::path> SalleCom::range() {
    attendFinDeWord();
    std::vector<std::filesystem::path> laisses;
    for (const std::filesystem::path& p : entrees()) {
        if (avant_.count(p)) continue;
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(p, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            if (it->is_regular_file() && estFichierDeTravail(it->path())) laisses.push_back(it->path());
        std::filesystem::remove_all(p, ec);
    }
    return laisses;
}

RapportScript SalleCom::joue(size_t, const Script& script, const Hote& hote) {
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
    // A working document left on the drive is a failure of the run, reported
    // as such before the drive is tidied for the next script.
    for (const std::filesystem::path& p : range()) {
        r.evenements.push_back(evenement::Echec{script.fichier, "", "fichier de travail laissé sur le disque : " +
                                                                        versUtf8(p.u16string())});
        ++r.echoues;
    }
    return r;
}

}  // namespace k58204::lecon::windows
