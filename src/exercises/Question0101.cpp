// Question0101: the learner ticks the right answers (boxes 1 and 4) in a protected Word form.
#include <array>

#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0101 final : public Question {
public:
    explicit Question0101(platform::SystemeFichiers& fichiers) : Question(u"Question0101", fichiers) {
        enregistre(u"05820401.doc", u"Réponses.doc", false);
    }

private:
    // The four check boxes of the form, in document order (form fields 1 to 4).
    std::array<bool, 4> litCases() const {
        std::array<bool, 4> coches{};
        for (int32_t k = 1; k <= 4; ++k)
            coches[static_cast<size_t>(k - 1)] = moApplication.ActiveDocument().FormFields().Item(k).CheckBox().Value();
        return coches;
    }

    void Verifie() override {
        std::array<bool, 4> c = litCases();
        // Nothing ticked: the learner has not answered.
        if (!c[0] && !c[1] && !c[2] && !c[3]) {
            msCauseErreur = u"A";
            return;
        }
        // The answer is boxes 1 and 4, and only those.
        c = litCases();
        if (!(c[0] && !c[1] && !c[2] && c[3])) msCauseErreur = u"B";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0101(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0101>(fichiers);
}

}  // namespace k58204
