#include "com/serveur/TraceSupport.hpp"

#include <windows.h>
// wingdi's GetObject macro would rename the server's member.
#ifdef GetObject
#undef GetObject
#endif

#include <cstdio>

#include "platform/win32/Possession.hpp"
#include "word/Texte.hpp"

namespace k58204::com {

namespace {

constexpr wchar_t VariableEnvironnement[] = L"K58204_TRACE";
constexpr wchar_t CleRegistre[] = L"Software\\K58204";
constexpr wchar_t ValeurRegistre[] = L"Trace";

}  // namespace

std::wstring TraceSupport::fichierDemande() {
    wchar_t tampon[MAX_PATH * 2];
    const DWORD n = GetEnvironmentVariableW(VariableEnvironnement, tampon, MAX_PATH * 2);
    if (n > 0 && n < MAX_PATH * 2) return tampon;
    DWORD taille = sizeof tampon;
    if (RegGetValueW(HKEY_CURRENT_USER, CleRegistre, ValeurRegistre, RRF_RT_REG_SZ, nullptr, tampon, &taille) ==
        ERROR_SUCCESS)
        return tampon;
    return {};
}

namespace {

// A text on one line: the line feed and carriage return of the module's
// error sources shown as \n and \r.
std::u16string surUneLigne(std::u16string_view s) {
    std::u16string r;
    for (char16_t c : s) {
        if (c == u'\n')
            r += u"\\n";
        else if (c == u'\r')
            r += u"\\r";
        else
            r += c;
    }
    return r;
}

std::string millisecondes(std::chrono::microseconds d) {
    char tampon[32];
    std::snprintf(tampon, sizeof tampon, "%10.3f ms", static_cast<double>(d.count()) / 1000.0);
    return tampon;
}

std::string horodatage() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    char tampon[32];
    std::snprintf(tampon, sizeof tampon, "%04u-%02u-%02u %02u:%02u:%02u.%03u", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute, t.wSecond, t.wMilliseconds);
    return tampon;
}

// Appends `texte` to the file, after moving a full file aside. Any failure
// loses the block, nothing else.
void ajoute(const std::wstring& fichier, const std::string& texte) {
    WIN32_FILE_ATTRIBUTE_DATA attributs;
    if (GetFileAttributesExW(fichier.c_str(), GetFileExInfoStandard, &attributs)) {
        const std::uintmax_t taille =
            (static_cast<std::uintmax_t>(attributs.nFileSizeHigh) << 32) | attributs.nFileSizeLow;
        if (taille >= TraceSupport::TailleMax)
            MoveFileExW(fichier.c_str(), (fichier + L".1").c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    const platform::win32::Poignee f(platform::win32::sansInvalide(
        CreateFileW(fichier.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!f) return;
    DWORD ecrits = 0;
    WriteFile(f.get(), texte.data(), static_cast<DWORD>(texte.size()), &ecrits, nullptr);
}

}  // namespace

TraceSupport::TraceSupport(std::wstring fichier, platform::ServeurWord& serveur)
    : fichier_(std::move(fichier)), journal_(std::make_shared<Journal>()), serveur_(serveur, journal_) {}

ObjetPtr TraceSupport::trace(ObjetPtr application) {
    if (!application) return application;
    return k58204::trace(std::move(application), journal_, Chemin(u"Application"));
}

void TraceSupport::debut(std::u16string appel) {
    journal_->vide();
    appel_ = std::move(appel);
    debut_ = std::chrono::steady_clock::now();
}

void TraceSupport::ecrit(const std::u16string& resultat, long hr, const Erreur* erreur) {
    const auto duree =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - debut_);
    try {
        std::string bloc = horodatage() + "  " + versUtf8(appel_) + "\n";
        for (const AppelTrace& a : journal_->appels())
            bloc += "  " + millisecondes(a.duree) + "  " + versUtf8(surUneLigne(Journal::ligne(a))) + "\n";
        bloc += "  => ";
        if (erreur)
            bloc += "erreur " + std::to_string(erreur->numero()) + " : " + versUtf8(surUneLigne(erreur->description())) +
                    " | source " + versUtf8(surUneLigne(erreur->source()));
        else if (hr < 0) {
            char tampon[32];
            std::snprintf(tampon, sizeof tampon, "echec 0x%08lX", static_cast<unsigned long>(hr));
            bloc += tampon;
        } else
            bloc += resultat.empty() ? "ok" : versUtf8(surUneLigne(resultat));
        bloc += "  (" + millisecondes(duree) + ")\n";
        ajoute(fichier_, bloc);
    } catch (...) {
        // Tracing never changes what the module does.
    }
    journal_->vide();
}

}  // namespace k58204::com
