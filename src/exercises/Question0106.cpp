// Question0106: the learner types the line "extrait n°10" as the last paragraph.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0106 final : public Question {
public:
    explicit Question0106(platform::SystemeFichiers& fichiers) : Question(u"Question0106", fichiers) {
        enregistre(u"05820406.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0106(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0106>(fichiers);
}

}  // namespace k58204
