// Question0120: the learner shows the document in print preview.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0120 final : public Question {
public:
    explicit Question0120(platform::SystemeFichiers& fichiers) : Question(u"Question0120", fichiers) {
        enregistre(u"05820420.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {
        // Print preview is asked about only when a document is open.
        if (moApplication.Documents().Count() != 0 && moApplication.PrintPreview()) return;
        msCauseErreur = u"A";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0120(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0120>(fichiers);
}

}  // namespace k58204
