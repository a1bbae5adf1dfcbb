// Question0122: the learner closes the working document.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0122 final : public Question {
public:
    explicit Question0122(platform::SystemeFichiers& fichiers) : Question(u"Question0122", fichiers) {
        enregistre(u"05820422.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0122(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0122>(fichiers);
}

}  // namespace k58204
