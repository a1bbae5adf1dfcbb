// Question0109: the learner saves the document under its own name.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

constexpr char16_t NomDocument[] = u"Voyage à CANGO.doc";

class Question0109 final : public Question {
public:
    explicit Question0109(platform::SystemeFichiers& fichiers) : Question(u"Question0109", fichiers) {
        enregistre(u"05820409.doc", NomDocument, false);
    }

    // The document is opened as usual, then marked as changed so that it
    // counts as unsaved until the learner saves it.
    void Prepare(word::Application& iApplication, const std::u16string& isPathDossier,
                 const std::optional<std::u16string>& isPathModele) override {
        try {
            PrepareStandard(iApplication, isPathDossier, isPathModele);
            moApplication.Application_().ActiveDocument().Saved(false);
        } catch (const Erreur& e) {
            signale(u"Prepare", e);
        }
    }

private:
    void Verifie() override {
        const word::Document doc = moApplication.ActiveDocument();
        // Not saved since the last change, or saved under another name.
        if (!doc.Saved()) {
            msCauseErreur = u"A";
            return;
        }
        if (doc.Name() != NomDocument) msCauseErreur = u"A";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0109(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0109>(fichiers);
}

}  // namespace k58204
