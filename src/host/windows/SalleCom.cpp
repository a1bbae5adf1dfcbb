#include "host/windows/SalleCom.hpp"

#include <algorithm>
#include <system_error>
#include <variant>

#include "host/Cours.hpp"
#include "host/LectureVerdict.hpp"
#include "host/windows/MachineCom.hpp"
#include "platform/win32/Possession.hpp"
#include "word/Texte.hpp"

// After the seam's headers, whose names Windows defines as macros.
#include <windows.h>
#include <tlhelp32.h>
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

// The working documents an exercise may leave in its working folder: what
// the module must have removed once a script has quit.
std::vector<std::filesystem::path> fichiersDeTravail(const Script& script) {
    std::set<std::u16string> dossiers;
    for (const Etape& e : script.etapes)
        if (const auto* x = std::get_if<etape::Exercice>(&e.contenu))
            dossiers.insert(x->dossier.value_or(DossierTravailParDefaut));
    std::vector<std::filesystem::path> fichiers;
    for (const std::u16string& d : dossiers)
        for (const char16_t* nom : {u"Réponses.doc", u"Voyage à CANGO.doc", u"essai\\Application.doc"})
            fichiers.emplace_back(d + nom);
    return fichiers;
}

// The simulated Word that quit goes on ending for a moment, holding its open
// documents' files until its process is gone: its processes are waited for,
// at most 20 s (a loaded machine may take seconds), before tidying.
void attendFinDeWord() {
    using platform::win32::Poignee;
    std::vector<Poignee> processus;
    std::vector<HANDLE> attente;
    const Poignee liste(platform::win32::sansInvalide(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)));
    PROCESSENTRY32W p{};
    p.dwSize = sizeof p;
    for (BOOL ok = liste && Process32FirstW(liste.get(), &p); ok; ok = Process32NextW(liste.get(), &p))
        if (_wcsicmp(p.szExeFile, L"simword.exe") == 0)
            if (HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, p.th32ProcessID)) {
                processus.emplace_back(h);
                attente.push_back(h);
            }
    if (!attente.empty())
        WaitForMultipleObjects(static_cast<DWORD>(std::min<size_t>(attente.size(), MAXIMUM_WAIT_OBJECTS)),
                               attente.data(), TRUE, 20000);
}

}  // namespace

std::vector<std::filesystem::path> SalleCom::range(const Script& script) {
    attendFinDeWord();
    std::vector<std::filesystem::path> laisses;
    for (const std::filesystem::path& f : fichiersDeTravail(script)) {
        std::error_code ec;
        if (std::filesystem::exists(f, ec)) laisses.push_back(f);
    }
    // A file the ending Word still holds cannot go yet: tried again a while.
    for (int essai = 0; essai < 50; ++essai) {
        bool reste = false;
        for (const std::filesystem::path& p : entrees()) {
            if (avant_.count(p)) continue;
            std::error_code ec;
            std::filesystem::remove_all(p, ec);
            reste = reste || std::filesystem::exists(p, ec);
        }
        if (!reste) break;
        Sleep(100);
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
    for (const std::filesystem::path& p : range(script)) {
        r.evenements.push_back(evenement::Echec{script.fichier, "", "fichier de travail laissé sur le disque : " +
                                                                        versUtf8(p.u16string())});
        ++r.echoues;
    }
    return r;
}

}  // namespace k58204::lecon::windows
