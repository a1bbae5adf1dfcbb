// Question0101: the learner ticks the right answers (boxes 1 and 4) in a protected Word form.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0101 final : public Question {
public:
    explicit Question0101(platform::SystemeFichiers& fichiers) : Question(u"Question0101", fichiers) {
        enregistre(u"05820401.doc", u"Réponses.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0101(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0101>(fichiers);
}

}  // namespace k58204
