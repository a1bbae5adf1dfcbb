#pragma once
// The command line of k58204:
//
//   k58204 lecon [SCRIPT…] [--cours DIR] [--racine DIR] [--trace] [--json FILE|-] [--html FILE|-]
//   k58204 noter N FILE|FOLDER… [--cours DIR] [-j N] [--json FILE|-] [--csv FILE|-] [--html FILE|-]
//   k58204 exercices [N] [--json]
//   k58204 help [COMMAND]
//   k58204 --version
//
// Exit codes: 0 when every check holds (lecon) or every document passes
// (noter); 1 when a check fails or a document does not pass; 2 for a mistake
// of usage or in a script (reported before anything runs), or when no
// document could be graded.
#include <ostream>

namespace k58204::lecon {

inline constexpr int SortieReussie = 0;
inline constexpr int SortieEchec = 1;
inline constexpr int SortieUsage = 2;

// Above this many documents, noter shows a progress bar (on a terminal only).
inline constexpr size_t DocumentsSansProgression = 4;

int principal(int argc, const char* const* argv, std::ostream& sortie, std::ostream& erreurs);

}  // namespace k58204::lecon
