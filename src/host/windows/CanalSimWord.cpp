#include "host/windows/CanalSimWord.hpp"

#include <windows.h>

namespace k58204::lecon::windows {

namespace {

// Long enough for a server busy with a call; a server that answers nothing
// in this time counts as not running.
constexpr UINT AttenteMs = 30000;

}  // namespace

bool envoieCommande(std::u16string_view commande) {
    HWND canal = FindWindowW(ClasseCanal, nullptr);
    if (!canal) return false;
    COPYDATASTRUCT donnees{};
    donnees.dwData = MarqueCanal;
    donnees.cbData = static_cast<DWORD>(commande.size() * sizeof(char16_t));
    donnees.lpData = const_cast<char16_t*>(commande.data());
    DWORD_PTR reponse = 0;
    if (!SendMessageTimeoutW(canal, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&donnees), SMTO_NORMAL, AttenteMs,
                             &reponse))
        return false;
    return reponse == 1;
}

bool termineSimWord() {
    HWND canal = FindWindowW(ClasseCanal, nullptr);
    if (!canal) return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(canal, &pid);
    if (!pid) return false;
    HANDLE processus = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!processus) return false;
    const bool termine = TerminateProcess(processus, 1) != 0;
    if (termine) WaitForSingleObject(processus, AttenteMs);
    CloseHandle(processus);
    return termine;
}

}  // namespace k58204::lecon::windows
