// Question0112: the learner puts the name "Jean-Pierre" in the place marked "s01".
#include "exercises/Questions.hpp"
#include "word/Texte.hpp"

namespace k58204 {
namespace {

constexpr char16_t Nom[] = u"Jean-Pierre";

class Question0112 final : public Question {
public:
    explicit Question0112(platform::SystemeFichiers& fichiers) : Question(u"Question0112", fichiers) {
        enregistre(u"05820412.doc", u"Voyage à CANGO.doc", false);
    }

private:
    word::Bookmarks signets() const { return moApplication.ActiveDocument().Bookmarks(); }

    // Every run writes a verdict: "C" with the nuance when the name fills the
    // place exactly, "B" when it was typed in the passage but the place is
    // gone, "A" otherwise.
    void Verifie() override {
        if (signets().Exists(u"s01")) {
            if (signets().Item(u"s01").Range().Text() == Nom) {
                msCauseErreur = u"C";
                mbBravoNuance = true;
            } else {
                msCauseErreur = u"A";
            }
        } else if (InStr(1, signets().Item(u"e01").Range().Text(), Nom) > 0) {
            msCauseErreur = u"B";
        } else {
            msCauseErreur = u"A";
        }
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0112(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0112>(fichiers);
}

}  // namespace k58204
