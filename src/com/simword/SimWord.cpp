// simword.exe: the simulated Word 2003 as an out-of-process automation server
// with real windows, standing in for Word in the lesson run under Wine.
//
//   simword.exe /RegServer      registers Word.Application(.11) as served by this executable
//   simword.exe /UnregServer    removes that registration
//   simword.exe /Automation     (or -Embedding) started by COM for CreateObject
//   simword.exe                 Word started by the learner: visible, with "Document1"
//
// When K58204_SIMWORD_STATS names a file, the counts of calls received are
// appended to it as one line when the process ends normally:
//   getidsofnames=N invoke=N gettypeinfo=N
#include "com/simword/Fabrique.hpp"
#include "com/simword/Inscription.hpp"
#include "com/simword/ServeurSimWord.hpp"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "com/simword/DispatchObjet.hpp"
#include "com/commun/Possession.hpp"

using namespace k58204;

namespace {

constexpr UINT RevoqueFabrique = WM_APP + 1;
constexpr UINT DernierClient = WM_APP + 2;

std::vector<std::wstring> arguments() {
    int n = 0;
    LPWSTR* v = CommandLineToArgvW(GetCommandLineW(), &n);
    std::vector<std::wstring> r;
    for (int i = 1; v && i < n; ++i) r.emplace_back(v[i]);
    LocalFree(v);
    return r;
}

bool option(const std::wstring& a, const wchar_t* nom) {
    return a.size() > 1 && (a[0] == L'/' || a[0] == L'-') && _wcsicmp(a.c_str() + 1, nom) == 0;
}

std::wstring cheminExecutable() {
    std::wstring chemin(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, chemin.data(), static_cast<DWORD>(chemin.size()));
    chemin.resize(n);
    return chemin;
}

void ecritStatistiques() {
    wchar_t fichier[MAX_PATH * 2];
    const DWORD n = GetEnvironmentVariableW(L"K58204_SIMWORD_STATS", fichier, MAX_PATH * 2);
    if (n == 0 || n >= MAX_PATH * 2) return;
    FILE* f = _wfopen(fichier, L"a");
    if (!f) return;
    const com::AppelsRecus& a = com::appelsRecus();
    std::fprintf(f, "getidsofnames=%lld invoke=%lld gettypeinfo=%lld\n", static_cast<long long>(a.getIDsOfNames.load()),
                 static_cast<long long>(a.invoke.load()), static_cast<long long>(a.getTypeInfo.load()));
    std::fclose(f);
}

int serveur(bool automation) {
    com::InitialisationCom com;
    if (FAILED(com.resultat())) return 1;
    int code = 0;
    {
        simword::ServeurSimWord serveur([] { PostQuitMessage(0); });
        com::DispatchObjet::apresChaqueAppel([&serveur] { serveur.synchronise(); });
        // Seen from the message loop, not inside the client's release.
        com::DispatchObjet::apresDernierClient(
            [&serveur] { PostMessageW(serveur.fenetreControle(), DernierClient, 0, 0); });
        DWORD cookie = 0;
        bool fabriqueEnregistree = false;
        if (automation) {
            // The class object is revoked once it has handed out the instance
            // (from the message loop, not inside the activation call).
            auto* fabrique = new simword::Fabrique(serveur, [&serveur] {
                PostMessageW(serveur.fenetreControle(), RevoqueFabrique, 0, 0);
            });
            const HRESULT hr = CoRegisterClassObject(simword::ClasseWordApplication, fabrique, CLSCTX_LOCAL_SERVER,
                                                     REGCLS_SINGLEUSE, &cookie);
            fabrique->Release();
            if (FAILED(hr)) return 2;
            fabriqueEnregistree = true;
        } else {
            serveur.demarre(true, true);
        }
        MSG m;
        while (GetMessageW(&m, nullptr, 0, 0) > 0) {
            if (m.message == RevoqueFabrique) {
                if (fabriqueEnregistree) CoRevokeClassObject(cookie);
                fabriqueEnregistree = false;
                continue;
            }
            if (m.message == DernierClient) {
                serveur.dernierClientParti();
                continue;
            }
            // Escape reaching any window of Word (a focused button of a dialog box included).
            if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE && serveur.miroir().modele(m.hwnd) != 0) {
                serveur.miroir().echap(m.hwnd);
                continue;
            }
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        if (fabriqueEnregistree) CoRevokeClassObject(cookie);
        // No client reference keeps an object, nor the apartment, past here;
        // the calls already queued (releases among them) are answered.
        com::DispatchObjet::deconnecteTout();
        com::DispatchObjet::apresChaqueAppel(nullptr);
        com::DispatchObjet::apresDernierClient(nullptr);
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        ecritStatistiques();
    }
    // The process ends here rather than in CoUninitialize, which waits for
    // calls in progress in the apartment: a client's release arriving now
    // would never complete, as nothing dispatches it any more. Everything the
    // server registered or held was given back above.
    ExitProcess(static_cast<UINT>(code));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::vector<std::wstring> args = arguments();
    for (const std::wstring& a : args) {
        if (option(a, L"RegServer")) return simword::inscrit(cheminExecutable()) == ERROR_SUCCESS ? 0 : 1;
        if (option(a, L"UnregServer")) return simword::desinscrit() == ERROR_SUCCESS ? 0 : 1;
    }
    bool automation = false;
    for (const std::wstring& a : args) automation = automation || option(a, L"Automation") || option(a, L"Embedding");
    return serveur(automation);
}
