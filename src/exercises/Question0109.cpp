// Question0109: the learner saves the document under its own name.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0109 final : public Question {
public:
    explicit Question0109(platform::SystemeFichiers& fichiers) : Question(u"Question0109", fichiers) {
        enregistre(u"05820409.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0109(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0109>(fichiers);
}

}  // namespace k58204
