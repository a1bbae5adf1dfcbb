// Question0123: the learner creates a new document.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0123 final : public Question {
public:
    explicit Question0123(platform::SystemeFichiers& fichiers) : Question(u"Question0123", fichiers) {
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0123(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0123>(fichiers);
}

}  // namespace k58204
