// Question0102: the learner puts the Standard and Formatting toolbars on rows of their own.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0102 final : public Question {
public:
    explicit Question0102(platform::SystemeFichiers& fichiers) : Question(u"Question0102", fichiers) {}

    // No document: both bars are docked at the top and put on one shared row,
    // which the learner then has to split. Each step looks its bar up anew.
    void Prepare(word::Application& iApplication, const std::u16string& isPathDossier,
                 const std::optional<std::u16string>& isPathModele) override {
        try {
            PrepareDebut(iApplication, isPathDossier, isPathModele);
            moApplication.CommandBars().Item(u"standard").Position(word::mso::BarTop);
            moApplication.CommandBars().Item(u"formatting").Position(word::mso::BarTop);
            int32_t rang = moApplication.CommandBars().Item(u"formatting").RowIndex();
            moApplication.CommandBars().Item(u"standard").RowIndex(rang);
        } catch (const Erreur& e) {
            signale(u"Prepare", e);
        }
    }

private:
    void Verifie() override {
        int32_t positionStandard = moApplication.CommandBars().Item(u"standard").Position();
        int32_t positionMiseEnForme = moApplication.CommandBars().Item(u"formatting").Position();
        int32_t rangStandard = moApplication.CommandBars().Item(u"standard").RowIndex();
        int32_t rangMiseEnForme = moApplication.CommandBars().Item(u"formatting").RowIndex();
        // Still sharing one row of one dock. Any other arrangement is accepted.
        if (positionStandard == positionMiseEnForme && rangStandard == rangMiseEnForme) msCauseErreur = u"A";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0102(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0102>(fichiers);
}

}  // namespace k58204
