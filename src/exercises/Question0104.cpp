// Question0104: the learner places the insertion point at the end of the passage marked "s01".
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0104 final : public Question {
public:
    explicit Question0104(platform::SystemeFichiers& fichiers) : Question(u"Question0104", fichiers) {
        enregistre(u"05820404.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0104(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0104>(fichiers);
}

}  // namespace k58204
