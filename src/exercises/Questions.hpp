#pragma once
// The 24 exercise classes and the factory that creates one for an exercise number.
#include <cstdint>
#include <memory>

#include "exercises/Question.hpp"

namespace k58204 {

std::unique_ptr<Question> creeQuestion0101(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0102(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0103(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0104(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0105(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0106(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0107(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0108(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0109(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0110(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0111(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0112(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0113(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0114(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0115(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0116(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0117(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0118(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0119(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0120(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0121(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0122(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0123(platform::SystemeFichiers& fichiers);
std::unique_ptr<Question> creeQuestion0124(platform::SystemeFichiers& fichiers);

// The exercise for ilQuestion: 101 creates Question0101 ... 124 creates
// Question0124; any other number creates nothing (nullptr).
std::unique_ptr<Question> CreeQuestion(int32_t ilQuestion, platform::SystemeFichiers& fichiers);

}  // namespace k58204
