// Question0102: the learner puts the Standard and Formatting toolbars on rows of their own.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0102 final : public Question {
public:
    explicit Question0102(platform::SystemeFichiers& fichiers) : Question(u"Question0102", fichiers) {
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0102(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0102>(fichiers);
}

}  // namespace k58204
