#include "platform/win32/SystemeFichiers32.hpp"

#include <windows.h>
#include <imagehlp.h>

#include <string>

#include "platform/NomsWindows.hpp"
#include "platform/win32/Conversions.hpp"
#include "platform/win32/ErreursWin32.hpp"
#include "platform/win32/Possession.hpp"
#include "word/Erreur.hpp"

namespace k58204::platform::win32 {

namespace {

constexpr DWORD BitsVb = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                         FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_ARCHIVE;

bool separateur(char16_t c) { return c == u'\\' || c == u'/'; }

// VB reaches files through the ANSI calls: a full path of MAX_PATH (260)
// characters with its terminating NUL, a folder leaving no room for an 8.3
// name (248), or a name over 255 characters is refused as "path not found".
constexpr size_t LongueurMaxChemin = MAX_PATH;
constexpr size_t LongueurMaxDossier = 248;
constexpr size_t LongueurMaxNom = 255;

// Refuses a path that names a device (CON, NUL, COM1...) in any of its parts:
// reading CON would wait for the console, writing NUL would lose the
// document. Then the length limits of the ANSI calls. Returns the wide form.
std::wstring controle(std::u16string_view chemin, size_t limite = LongueurMaxChemin) {
    size_t debut = 0;
    for (size_t i = 0; i <= chemin.size(); ++i) {
        if (i < chemin.size() && !separateur(chemin[i])) continue;
        const std::u16string_view nom = chemin.substr(debut, i - debut);
        if (nom.size() > LongueurMaxNom) leveWin32(ERROR_FILENAME_EXCED_RANGE);
        if (estNomDePeripherique(nom)) leveVb(err::AccesChemin);
        debut = i + 1;
    }
    std::wstring w = versLarge(chemin);
    wchar_t tampon[1];
    const DWORD n = ::GetFullPathNameW(w.c_str(), 1, tampon, nullptr);  // the length with its NUL
    if (n > limite) leveWin32(ERROR_FILENAME_EXCED_RANGE);
    return w;
}

bool introuvable(DWORD code) { return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND; }

// The Win32 attributes of a path, or INVALID_FILE_ATTRIBUTES (GetLastError() tells why).
DWORD attributsWin32(const std::wstring& chemin) { return ::GetFileAttributesW(chemin.c_str()); }

// The attributes of an existing path; its VB error when it cannot be read.
DWORD attributsExistants(const std::wstring& chemin) {
    const DWORD a = attributsWin32(chemin);
    if (a == INVALID_FILE_ATTRIBUTES) leveWin32();
    return a;
}

// Creates each missing folder of `dossier` (which ends with a separator) with
// the wide API; the drive ("C:\") or share ("\\serveur\partage\") is taken as
// existing.
bool creeDossiers(std::u16string_view dossier) {
    size_t debut = 0;
    if (dossier.size() >= 2 && separateur(dossier[0]) && separateur(dossier[1])) {
        int separateurs = 0;  // skip "\\serveur\partage\"
        for (debut = 2; debut < dossier.size() && separateurs < 2; ++debut)
            if (separateur(dossier[debut])) ++separateurs;
    } else if (dossier.size() >= 2 && dossier[1] == u':') {
        debut = 2;
    }
    for (size_t i = debut; i < dossier.size(); ++i) {
        if (!separateur(dossier[i]) || i == 0 || separateur(dossier[i - 1])) continue;
        const std::wstring partiel = versLarge(dossier.substr(0, i));
        if (::CreateDirectoryW(partiel.c_str(), nullptr)) continue;
        const DWORD a = attributsWin32(partiel);
        if (a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_DIRECTORY)) return false;
    }
    return true;
}

}  // namespace

void SystemeFichiers32::SetAttr(std::u16string_view chemin, int32_t attributs) {
    constexpr int32_t permis = attr::LectureSeule | attr::Cache | attr::Systeme | attr::Archive;
    if (attributs & ~permis) leveVb(err::AppelIncorrect);
    const std::wstring w = controle(chemin);
    const DWORD a = attributs == 0 ? FILE_ATTRIBUTE_NORMAL : static_cast<DWORD>(attributs);
    if (!::SetFileAttributesW(w.c_str(), a)) leveWin32();
}

int32_t SystemeFichiers32::GetAttr(std::u16string_view chemin) {
    return static_cast<int32_t>(attributsExistants(controle(chemin)) & BitsVb);
}

void SystemeFichiers32::Kill(std::u16string_view chemin) {
    const std::wstring w = controle(chemin);
    const DWORD a = attributsExistants(w);
    if (a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
        leveVb(err::FichierIntrouvable);
    if (a & FILE_ATTRIBUTE_READONLY) leveVb(err::AccesChemin);
    if (!::DeleteFileW(w.c_str())) leveWin32();
}

void SystemeFichiers32::Name(std::u16string_view source, std::u16string_view destination) {
    const std::wstring s = controle(source), d = controle(destination);
    if (attributsWin32(s) == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        leveWin32(introuvable(code) ? ERROR_FILE_NOT_FOUND : code);
    }
    if (!::MoveFileW(s.c_str(), d.c_str())) leveWin32();
}

std::vector<std::u16string> SystemeFichiers32::Dir(std::u16string_view motif, int32_t attributs) {
    std::u16string m(motif);
    if (m.empty() || separateur(m.back()) || (m.size() == 2 && m[1] == u':')) m += u'*';
    WIN32_FIND_DATAW donnees{};
    const std::wstring w = versLarge(m);
    Recherche recherche(sansInvalide(
        ::FindFirstFileExW(w.c_str(), FindExInfoStandard, &donnees, FindExSearchNameMatch, nullptr, 0)));
    if (!recherche) {
        const DWORD code = ::GetLastError();
        if (introuvable(code) || code == ERROR_NO_MORE_FILES) return {};
        leveWin32(code);
    }
    // Normal, read-only and archive entries always; hidden, system and folder
    // entries only when the mask has each of their bits.
    const DWORD speciaux = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    std::vector<std::u16string> entrees;
    do {
        if ((donnees.dwFileAttributes & speciaux & ~static_cast<DWORD>(attributs)) == 0)
            entrees.push_back(depuisLarge(donnees.cFileName));
    } while (::FindNextFileW(recherche.get(), &donnees));
    return entrees;
}

void SystemeFichiers32::ChDir(std::u16string_view chemin) {
    const std::wstring w = controle(chemin);
    if (::SetCurrentDirectoryW(w.c_str())) return;
    const DWORD code = ::GetLastError();
    // Windows says "file not found" for a missing last folder and "invalid
    // directory name" for a file; VB says "path not found" for both.
    if (introuvable(code) || code == ERROR_DIRECTORY) leveVb(err::CheminIntrouvable);
    leveWin32(code);
}

std::u16string SystemeFichiers32::CurDir() {
    std::wstring tampon(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetCurrentDirectoryW(static_cast<DWORD>(tampon.size()), tampon.data());
        if (n == 0) leveWin32();
        if (n < tampon.size()) return depuisLarge({tampon.data(), n});
        tampon.assign(n, L'\0');  // n counts the terminating null when the buffer was too small
    }
}

void SystemeFichiers32::MkDir(std::u16string_view chemin) {
    const std::wstring w = controle(chemin, LongueurMaxDossier);
    if (::CreateDirectoryW(w.c_str(), nullptr)) return;
    const DWORD code = ::GetLastError();
    if (code == ERROR_ALREADY_EXISTS) leveVb(err::AccesChemin);
    leveWin32(code);
}

void SystemeFichiers32::RmDir(std::u16string_view chemin) {
    const std::wstring w = controle(chemin);
    if (::RemoveDirectoryW(w.c_str())) return;
    const DWORD code = ::GetLastError();
    leveVb(introuvable(code) ? err::CheminIntrouvable : err::AccesChemin);
}

bool SystemeFichiers32::MakeSureDirectoryPathExists(std::u16string_view chemin) {
    // Only what comes before the last separator is a folder.
    size_t fin = chemin.size();
    while (fin > 0 && !separateur(chemin[fin - 1])) --fin;
    const std::u16string_view dossier = chemin.substr(0, fin);
    if (dossier.empty()) return true;
    if (representableEnAnsi(dossier)) return ::MakeSureDirectoryPathExists(versAnsi(dossier).c_str()) != FALSE;
    return creeDossiers(dossier);
}

bool SystemeFichiers32::Existe(std::u16string_view chemin) {
    try {
        return attributsWin32(controle(chemin)) != INVALID_FILE_ATTRIBUTES;
    } catch (const Erreur&) {
        return false;
    }
}

namespace {
WIN32_FILE_ATTRIBUTE_DATA donneesFichier(const std::wstring& chemin) {
    WIN32_FILE_ATTRIBUTE_DATA d{};
    if (!::GetFileAttributesExW(chemin.c_str(), GetFileExInfoStandard, &d)) leveWin32();
    return d;
}
}  // namespace

int32_t SystemeFichiers32::FileLen(std::u16string_view chemin) {
    const WIN32_FILE_ATTRIBUTE_DATA d = donneesFichier(controle(chemin));
    if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
    return static_cast<int32_t>(d.nFileSizeLow);
}

double SystemeFichiers32::FileDateTime(std::u16string_view chemin) {
    const WIN32_FILE_ATTRIBUTE_DATA d = donneesFichier(controle(chemin));
    FILETIME locale{};
    SYSTEMTIME st{};
    double date = 0;
    if (!::FileTimeToLocalFileTime(&d.ftLastWriteTime, &locale) || !::FileTimeToSystemTime(&locale, &st) ||
        !::SystemTimeToVariantTime(&st, &date))
        leveVb(err::AccesChemin);
    return date;
}

std::string SystemeFichiers32::Lit(std::u16string_view chemin) {
    const std::wstring w = controle(chemin);
    if (attributsExistants(w) & FILE_ATTRIBUTE_DIRECTORY) leveVb(err::AccesChemin);
    Poignee fichier(sansInvalide(::CreateFileW(w.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!fichier) leveWin32();
    std::string octets;
    char tampon[64 * 1024];
    for (;;) {
        DWORD lus = 0;
        if (!::ReadFile(fichier.get(), tampon, sizeof tampon, &lus, nullptr)) leveWin32();
        if (lus == 0) return octets;
        octets.append(tampon, lus);
    }
}

void SystemeFichiers32::Ecrit(std::u16string_view chemin, std::string_view octets) {
    const std::wstring w = controle(chemin);
    const DWORD a = attributsWin32(w);
    if (a != INVALID_FILE_ATTRIBUTES && (a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        leveVb(err::AccesChemin);
    // OPEN_ALWAYS then truncation: CREATE_ALWAYS would refuse a hidden or system file.
    Poignee fichier(sansInvalide(
        ::CreateFileW(w.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!fichier) leveWin32();
    while (!octets.empty()) {
        const DWORD bloc = octets.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(octets.size());
        DWORD ecrits = 0;
        if (!::WriteFile(fichier.get(), octets.data(), bloc, &ecrits, nullptr)) leveWin32();
        if (ecrits == 0) leveVb(err::AccesChemin);
        octets.remove_prefix(ecrits);
    }
    if (!::SetEndOfFile(fichier.get())) leveWin32();
}

}  // namespace k58204::platform::win32
