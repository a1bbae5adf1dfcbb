#pragma once
// The SHA-256 of a file's bytes, as lower-case hexadecimal (OpenSSL's libcrypto).
#include <string>
#include <string_view>

namespace k58204::lecon {

std::string sha256Hex(std::string_view octets);

}  // namespace k58204::lecon
