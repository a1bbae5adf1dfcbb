#pragma once
// The version of k58204, the command-line host (--version, and the JSON of
// notes): the project's version, given by the build.
namespace k58204::lecon {

inline constexpr char VersionK58204[] = K58204_VERSION;

}  // namespace k58204::lecon
