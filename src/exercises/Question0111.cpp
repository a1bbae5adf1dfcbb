// Question0111: the learner gives the passage "s01" one colour other than blue.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

// Word's blue (wdColorBlue), 0xFF0000 in its blue-green-red order.
constexpr double Bleu = 16711680;

class Question0111 final : public Question {
public:
    explicit Question0111(platform::SystemeFichiers& fichiers) : Question(u"Question0111", fichiers) {
        enregistre(u"05820411.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {
        // The passage, taken once; its colour is read afresh, by member name,
        // for every test.
        const ObjetPtr passage = moApplication.ActiveDocument().Bookmarks().Item(u"s01").Range().objet();
        const auto couleur = [&] { return passage->get(u"Font").objet()->get(u"Color").CDbl(); };

        // Still the blue it started in.
        if (couleur() == Bleu) {
            msCauseErreur = u"A";
            return;
        }
        // Several colours. Any single other colour passes, automatic included.
        if (couleur() == wdUndefined) msCauseErreur = u"B";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0111(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0111>(fichiers);
}

}  // namespace k58204
