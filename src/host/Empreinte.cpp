#include "host/Empreinte.hpp"

#include <openssl/evp.h>

#include <stdexcept>

namespace k58204::lecon {

std::string sha256Hex(std::string_view octets) {
    unsigned char condense[EVP_MAX_MD_SIZE];
    unsigned int taille = 0;
    if (EVP_Digest(octets.data(), octets.size(), condense, &taille, EVP_sha256(), nullptr) != 1)
        throw std::runtime_error("SHA-256 impossible");
    static constexpr char chiffres[] = "0123456789abcdef";
    std::string r;
    for (unsigned int i = 0; i < taille; ++i) {
        r += chiffres[condense[i] >> 4];
        r += chiffres[condense[i] & 0xF];
    }
    return r;
}

}  // namespace k58204::lecon
