// Question0107: the learner breaks the paragraph between the passages "s01" and "s02".
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0107 final : public Question {
public:
    explicit Question0107(platform::SystemeFichiers& fichiers) : Question(u"Question0107", fichiers) {
        enregistre(u"05820407.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0107(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0107>(fichiers);
}

}  // namespace k58204
