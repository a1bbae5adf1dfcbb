// Question0105: the learner shows all formatting marks in the window of "Voyage à CANGO.doc".
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

constexpr char16_t NomDocument[] = u"Voyage à CANGO.doc";

class Question0105 final : public Question {
public:
    explicit Question0105(platform::SystemeFichiers& fichiers) : Question(u"Question0105", fichiers) {
        enregistre(u"05820405.doc", NomDocument, false);
    }

    // The supplementary information exists from the start; the document is
    // opened and activated as usual, then its formatting marks are hidden so
    // that the exercise always starts from the same display.
    void Prepare(word::Application& iApplication, const std::u16string& isPathDossier,
                 const std::optional<std::u16string>& isPathModele) override {
        try {
            moComplementInfo = std::make_shared<k58204::ComplementInfo>();
            PrepareStandard(iApplication, isPathDossier, isPathModele);
            moApplication.Documents().Item(NomDocument).ActiveWindow().View().ShowAll(false);
        } catch (const Erreur& e) {
            signale(u"Prepare", e);
        }
    }

private:
    void Verifie() override {
        // The window of the course document, reached by its name: another
        // document may be active meanwhile.
        if (!moApplication.Documents().Item(NomDocument).ActiveWindow().View().ShowAll()) msCauseErreur = u"A";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0105(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0105>(fichiers);
}

}  // namespace k58204
