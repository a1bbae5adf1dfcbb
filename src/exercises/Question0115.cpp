// Question0115: the learner justifies the paragraphs "s01" and "s02" and only them.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0115 final : public Question {
public:
    explicit Question0115(platform::SystemeFichiers& fichiers) : Question(u"Question0115", fichiers) {
        enregistre(u"05820415.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0115(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0115>(fichiers);
}

}  // namespace k58204
