// Question0114: the learner gives paragraphs left and first-line indents.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0114 final : public Question {
public:
    explicit Question0114(platform::SystemeFichiers& fichiers) : Question(u"Question0114", fichiers) {
        enregistre(u"05820414.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0114(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0114>(fichiers);
}

}  // namespace k58204
