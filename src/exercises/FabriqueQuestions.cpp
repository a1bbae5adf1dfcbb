#include "exercises/Questions.hpp"

namespace k58204 {

std::unique_ptr<Question> CreeQuestion(int32_t ilQuestion, platform::SystemeFichiers& fichiers) {
    using Createur = std::unique_ptr<Question> (*)(platform::SystemeFichiers&);
    static constexpr Createur createurs[] = {
        creeQuestion0101,
        creeQuestion0102,
        creeQuestion0103,
        creeQuestion0104,
        creeQuestion0105,
        creeQuestion0106,
        creeQuestion0107,
        creeQuestion0108,
        creeQuestion0109,
        creeQuestion0110,
        creeQuestion0111,
        creeQuestion0112,
        creeQuestion0113,
        creeQuestion0114,
        creeQuestion0115,
        creeQuestion0116,
        creeQuestion0117,
        creeQuestion0118,
        creeQuestion0119,
        creeQuestion0120,
        creeQuestion0121,
        creeQuestion0122,
        creeQuestion0123,
        creeQuestion0124,
    };
    if (ilQuestion < 101 || ilQuestion > 124) return nullptr;
    return createurs[ilQuestion - 101](fichiers);
}

}  // namespace k58204
