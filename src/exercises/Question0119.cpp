// Question0119: the learner moves the passage "s01" to the start of "s03".
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0119 final : public Question {
public:
    explicit Question0119(platform::SystemeFichiers& fichiers) : Question(u"Question0119", fichiers) {
        enregistre(u"05820419.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0119(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0119>(fichiers);
}

}  // namespace k58204
