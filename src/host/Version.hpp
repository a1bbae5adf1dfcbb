#pragma once
// The version of k58204, the command-line host (--version, and the JSON of notes).
namespace k58204::lecon {

inline constexpr char VersionK58204[] = "1.1.0";

}  // namespace k58204::lecon
