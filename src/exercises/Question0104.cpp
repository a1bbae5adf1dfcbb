// Question0104: the learner places the insertion point at the end of the passage marked "s01".
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0104 final : public Question {
public:
    explicit Question0104(platform::SystemeFichiers& fichiers) : Question(u"Question0104", fichiers) {
        enregistre(u"05820404.doc", u"Voyage à CANGO.doc", false);
    }

    // The supplementary information exists from the start of this exercise;
    // then the document is opened and activated as usual.
    void Prepare(word::Application& iApplication, const std::u16string& isPathDossier,
                 const std::optional<std::u16string>& isPathModele) override {
        try {
            moComplementInfo = std::make_shared<k58204::ComplementInfo>();
            PrepareStandard(iApplication, isPathDossier, isPathModele);
        } catch (const Erreur& e) {
            signale(u"Prepare", e);
        }
    }

private:
    void Verifie() override {
        // Only where the selection starts counts, whatever its length. The
        // position is a 16-bit integer: beyond 32767 the check fails with an
        // overflow.
        const int16_t debut = Variant(moApplication.Application_().Selection().Start()).CInt();
        const int32_t finSignet = moApplication.ActiveDocument().Bookmarks().Item(u"s01").End();
        if (debut != finSignet) msCauseErreur = u"A";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0104(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0104>(fichiers);
}

}  // namespace k58204
