#pragma once
// The control channel of the simulated Word's server (simword.exe): what a
// learner does outside automation, asked of it as a command. The server owns
// a hidden top-level window of class "K58204SimWord"; a command is its UTF-16
// text sent in WM_COPYDATA (dwData 0x4B35), run on the server's COM thread:
//   dialogue\t<titre>   a modal dialog box owned by Word's main window
//   bulle               the assistant's balloon
//   occupe              busy until Escape reaches the main window
//   occupe\t<n>         the next n calls rejected
//   cache-word, reduit-word
#include <string>
#include <string_view>

namespace k58204::lecon::windows {

inline constexpr wchar_t ClasseCanal[] = L"K58204SimWord";
inline constexpr unsigned long MarqueCanal = 0x4B35;

// True when the server ran the command; false when no server is running, or
// it has no Word to act on, or it does not know the command.
bool envoieCommande(std::u16string_view commande);

// Ends the server's process (as the learner killing Word would) and waits
// for it to be gone. False when no server is running.
bool termineSimWord();

}  // namespace k58204::lecon::windows
