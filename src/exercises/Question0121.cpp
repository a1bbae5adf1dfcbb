// Question0121: the learner leaves print preview and sets landscape and a 5 cm top margin.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0121 final : public Question {
public:
    explicit Question0121(platform::SystemeFichiers& fichiers) : Question(u"Question0121", fichiers) {
        enregistre(u"05820421.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0121(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0121>(fichiers);
}

}  // namespace k58204
