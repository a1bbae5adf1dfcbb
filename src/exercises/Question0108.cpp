// Question0108: the learner deletes the passages "s02" and "s03" from a sentence.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0108 final : public Question {
public:
    explicit Question0108(platform::SystemeFichiers& fichiers) : Question(u"Question0108", fichiers) {
        enregistre(u"05820408.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0108(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0108>(fichiers);
}

}  // namespace k58204
