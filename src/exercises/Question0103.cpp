// Question0103: the learner opens "Voyage à CANGO.doc" from the working folder.
#include "exercises/Questions.hpp"
#include "word/Texte.hpp"

namespace k58204 {
namespace {

class Question0103 final : public Question {
public:
    explicit Question0103(platform::SystemeFichiers& fichiers) : Question(u"Question0103", fichiers) {
        enregistre(u"05820403.doc", u"Voyage à CANGO.doc", false);
    }

private:
    // The folder proposed in Word's Open dialog is the parent of the working
    // folder, so that the learner has to go down into it.
    void InitPathDossierParDefaut() override {
        if (msPathDossier.empty()) {
            msPathDossierParDefaut.clear();
            return;
        }
        int32_t p = InStrRev(Left(msPathDossier, static_cast<int32_t>(msPathDossier.size()) - 1), u"\\");
        msPathDossierParDefaut = Left(msPathDossier, p);
    }

    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0103(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0103>(fichiers);
}

}  // namespace k58204
