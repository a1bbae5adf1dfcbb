#include "host/windows/MachineCom.hpp"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "host/windows/CanalSimWord.hpp"
#include "word/Erreur.hpp"
#include "word/Texte.hpp"

// After the seam's headers, whose names Windows defines as macros.
#include <windows.h>
#include <tlhelp32.h>
#include "platform/win32/Possession.hpp"

namespace k58204::lecon::windows {

namespace {

// The ids of the simulated Words' processes running now.
std::set<unsigned long> processusSimWord() {
    std::set<unsigned long> ids;
    const platform::win32::Poignee liste(
        platform::win32::sansInvalide(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)));
    PROCESSENTRY32W p{};
    p.dwSize = sizeof p;
    for (BOOL ok = liste && Process32FirstW(liste.get(), &p); ok; ok = Process32NextW(liste.get(), &p))
        if (_wcsicmp(p.szExeFile, L"simword.exe") == 0) ids.insert(p.th32ProcessID);
    return ids;
}

// A Word that quit takes a moment to end on a loaded machine; one that has
// not ended by then will not.
constexpr DWORD AttenteFinWordMs = 20000;

}  // namespace

MachineCom::MachineCom()
    : cache_(std::make_shared<com::CacheDispids>()), serveur_(cache_), module_(cache_), avant_(processusSimWord()) {}

int MachineCom::termineWords(bool bloque) {
    using platform::win32::Poignee;
    std::vector<Poignee> processus;
    std::vector<HANDLE> attente;
    for (unsigned long id : processusSimWord()) {
        if (avant_.count(id)) continue;
        if (HANDLE h = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id)) {
            processus.emplace_back(h);
            attente.push_back(h);
        }
    }
    if (attente.empty()) return 0;
    const DWORD n = static_cast<DWORD>(std::min<size_t>(attente.size(), MAXIMUM_WAIT_OBJECTS));
    if (!bloque) WaitForMultipleObjects(n, attente.data(), TRUE, AttenteFinWordMs);
    int termines = 0;
    for (HANDLE h : attente)
        if (WaitForSingleObject(h, 0) == WAIT_TIMEOUT && TerminateProcess(h, 1)) ++termines;
    WaitForMultipleObjects(n, attente.data(), TRUE, AttenteFinWordMs);
    if (termines)
        std::cerr << "k58204 : " << termines << " Word encore en marche à la fin du script, arrêté(s)\n";
    return termines;
}

ObjetPtr MachineCom::racineApprenant(const ObjetPtr& application) {
    if (application) return application;
    try {
        return serveur_.GetObject(u"Word.Application");
    } catch (const Erreur&) {
        return nullptr;
    }
}

std::u16string commandeBureau(const etape::Bureau& x) {
    using A = etape::Bureau::Action;
    switch (x.action) {
        case A::Dialogue: return u"dialogue\t" + x.titre;
        case A::Bulle: return u"bulle";
        case A::Occupe: return x.appels ? u"occupe\t" + depuisUtf8(std::to_string(*x.appels)) : u"occupe";
        case A::CacheWord: return u"cache-word";
        case A::ReduitWord: return u"reduit-word";
        case A::FermeWord: return {};
    }
    return {};
}

void MachineCom::bureau(const etape::Bureau& x, const ObjetPtr&) {
    const bool fait =
        x.action == etape::Bureau::Action::FermeWord ? termineSimWord() : envoieCommande(commandeBureau(x));
    if (!fait) throw BureauImpossible{"aucun Word en marche sur le poste"};
}

}  // namespace k58204::lecon::windows
