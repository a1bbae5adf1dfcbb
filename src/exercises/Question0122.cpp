// Question0122: the learner closes the working document "Voyage à CANGO.doc".
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0122 final : public Question {
public:
    explicit Question0122(platform::SystemeFichiers& fichiers) : Question(u"Question0122", fichiers) {
        enregistre(u"05820422.doc", u"Voyage à CANGO.doc", false);
    }

private:
    // The working document still open (its file, or saved into another
    // folder under its name). A document of the same name from elsewhere, or
    // the working document saved under another name, is the learner's.
    void Verifie() override {
        if (moDocumentTravail.Trouve(moApplication)) msCauseErreur = u"A";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0122(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0122>(fichiers);
}

}  // namespace k58204
