// Question0111: the learner gives the passage "s01" one colour other than blue.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0111 final : public Question {
public:
    explicit Question0111(platform::SystemeFichiers& fichiers) : Question(u"Question0111", fichiers) {
        enregistre(u"05820411.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0111(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0111>(fichiers);
}

}  // namespace k58204
