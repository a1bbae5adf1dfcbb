#pragma once
// The command line of k58204:
//
//   k58204 lecon [SCRIPT…] [--cours DIR] [--racine DIR] [--trace] [--json FILE]
//   k58204 noter N DOCUMENT [--cours DIR]
//
// Exit codes: 0 when every check holds (lecon) or the document passes
// (noter); 1 when a check fails or the document is faulty; 2 for a mistake of
// usage or in a script (reported before anything runs), or a document that
// cannot be graded.
#include <ostream>

namespace k58204::lecon {

inline constexpr int SortieReussie = 0;
inline constexpr int SortieEchec = 1;
inline constexpr int SortieUsage = 2;

int principal(int argc, const char* const* argv, std::ostream& sortie, std::ostream& erreurs);

}  // namespace k58204::lecon
