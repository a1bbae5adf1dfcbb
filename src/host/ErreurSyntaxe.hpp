#pragma once
// A mistake in a line of a lesson script: what is wrong, in words the script's
// author can act on. The reader adds the file and line.
#include <stdexcept>
#include <string>

namespace k58204::lecon {

class ErreurSyntaxe : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace k58204::lecon
