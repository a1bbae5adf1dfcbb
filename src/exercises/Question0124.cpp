// Question0124: the learner saves a blank document as "Application.doc" in a new folder "essai".
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0124 final : public Question {
public:
    explicit Question0124(platform::SystemeFichiers& fichiers) : Question(u"Question0124", fichiers) {
        enregistre(u"", u"Application.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0124(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0124>(fichiers);
}

}  // namespace k58204
