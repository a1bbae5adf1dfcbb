// Question0116: the learner gives the paragraph "s01" 12 points of space before and after.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0116 final : public Question {
public:
    explicit Question0116(platform::SystemeFichiers& fichiers) : Question(u"Question0116", fichiers) {
        enregistre(u"05820416.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0116(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0116>(fichiers);
}

}  // namespace k58204
