#pragma once
// The command line run in this process, as `k58204 args…` would run it.
#include <sstream>
#include <string>
#include <vector>

#include "host/Commandes.hpp"

namespace k58204::lecon::test {

struct Sortie {
    int code = -1;
    std::string texte, erreurs;  // standard output and error
};

inline Sortie lance(std::vector<std::string> args) {
    args.insert(args.begin(), "k58204");
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int code = principal(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, out.str(), err.str()};
}

}  // namespace k58204::lecon::test
