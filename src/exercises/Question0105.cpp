// Question0105: the learner shows all formatting marks in the window of "Voyage à CANGO.doc".
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0105 final : public Question {
public:
    explicit Question0105(platform::SystemeFichiers& fichiers) : Question(u"Question0105", fichiers) {
        enregistre(u"05820405.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0105(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0105>(fichiers);
}

}  // namespace k58204
