// Question0110: the learner makes the passage "s01" bold and italic.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0110 final : public Question {
public:
    explicit Question0110(platform::SystemeFichiers& fichiers) : Question(u"Question0110", fichiers) {
        enregistre(u"05820410.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0110(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0110>(fichiers);
}

}  // namespace k58204
