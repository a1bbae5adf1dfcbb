// Question0121: the document starts in print preview; the learner closes the
// preview, turns the page to landscape and sets a top margin of 5 cm, or of
// 2 inches when Word measured in another unit when the exercise began.
#include "exercises/Questions.hpp"
#include "word/Composant.hpp"

namespace k58204 {
namespace {

constexpr double CinqCentimetres = 141.75;  // points (28.35 points per centimetre)
constexpr double DeuxPouces = 144;          // points

class Question0121 final : public Question {
public:
    explicit Question0121(platform::SystemeFichiers& fichiers) : Question(u"Question0121", fichiers) {
        enregistre(u"05820421.doc", u"Voyage à CANGO.doc", false);
    }

    // The standard preparation, then the document is shown in print preview.
    void Prepare(word::Application& iApplication, const std::u16string& isPathDossier,
                 const std::optional<std::u16string>& isPathModele) override {
        try {
            PrepareStandard(iApplication, isPathDossier, isPathModele);
            moApplication.ActiveDocument().PrintPreview();
        } catch (const Erreur& e) {
            signale(u"Prepare", e);
        }
    }

private:
    void Verifie() override {
        // The unit recorded with the learner's settings, not Word's current one.
        const double margeAttendue = glUniteMesure == word::wd::Centimeters ? CinqCentimetres : DeuxPouces;

        if (moApplication.PrintPreview()) {
            msCauseErreur = u"A";
            return;
        }
        // The orientation of the whole document...
        if (moApplication.ActiveDocument().PageSetup().Orientation() != word::wd::OrientLandscape) {
            msCauseErreur = u"B";
            return;
        }
        // ... but the top margin of its first section, compared exactly as a single.
        if (static_cast<float>(margeAttendue) !=
            moApplication.ActiveDocument().Sections().Item(1).PageSetup().TopMargin())
            msCauseErreur = u"C";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0121(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0121>(fichiers);
}

}  // namespace k58204
