// Question0117: the learner gives the paragraphs "s01" and "s02" one-and-a-half line spacing.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0117 final : public Question {
public:
    explicit Question0117(platform::SystemeFichiers& fichiers) : Question(u"Question0117", fichiers) {
        enregistre(u"05820417.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0117(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0117>(fichiers);
}

}  // namespace k58204
