// Question0118: the learner gives the paragraph "s01" a 3/4 point border and a shading.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0118 final : public Question {
public:
    explicit Question0118(platform::SystemeFichiers& fichiers) : Question(u"Question0118", fichiers) {
        enregistre(u"05820418.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0118(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0118>(fichiers);
}

}  // namespace k58204
