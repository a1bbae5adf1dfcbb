// Question0123: the learner creates a new blank document. At the check the
// active window must belong to a document that was not open when the
// exercise began, that was never saved and that is not a template.
#include "exercises/Questions.hpp"
#include "word/Texte.hpp"

namespace k58204 {
namespace {

class Question0123 final : public Question {
public:
    explicit Question0123(platform::SystemeFichiers& fichiers) : Question(u"Question0123", fichiers) {}

    // Opens nothing: notes the documents already open, so that the check can
    // tell a new document from them.
    void Prepare(word::Application& iApplication, const std::u16string& isPathDossier,
                 const std::optional<std::u16string>& isPathModele) override {
        try {
            PrepareDebut(iApplication, isPathDossier, isPathModele);
            moDocumentTravail.NoteOuverts(moApplication);
            mbPrepare = true;
        } catch (const Erreur& e) {
            signale(u"Prepare", e);
        }
    }

private:
    void Verifie() override {
        if (moApplication.Documents().Count() == 0) {
            msCauseErreur = u"A";
            return;
        }
        // Saved somewhere: not a new document any more.
        if (!moApplication.Selection().Document().Path().empty()) {
            msCauseErreur = u"B";
            return;
        }

        // The active window shows a document that was already open (error 9
        // when Prepare has not noted them).
        if (!mbPrepare) leveErreurExecution(err::IndiceHorsLimites);
        const std::u16string c = moApplication.ActiveWindow().Caption();
        if (moDocumentTravail.EtaitOuvert(moApplication.ActiveDocument())) {
            msCauseErreur = u"B";
            return;
        }

        // A new template instead of a new document.
        if (Left(c, 8) == u"Template" || Left(c, 6) == u"Modèle") {
            msCauseErreur = u"C";
            return;
        }
        if (moApplication.Application_().CommandBars().Item(u"standard").Controls().Item(1).Caption() !=
            u"Nouveau &document") {
            msCauseErreur = u"C";
            return;
        }
        if (moApplication.ActiveDocument().Type() != 0) msCauseErreur = u"C";
    }

    bool mbPrepare = false;
};

}  // namespace

std::unique_ptr<Question> creeQuestion0123(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0123>(fichiers);
}

}  // namespace k58204
