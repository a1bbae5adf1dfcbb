// Question0112: the learner puts the name "Jean-Pierre" in the place marked "s01".
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0112 final : public Question {
public:
    explicit Question0112(platform::SystemeFichiers& fichiers) : Question(u"Question0112", fichiers) {
        enregistre(u"05820412.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0112(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0112>(fichiers);
}

}  // namespace k58204
