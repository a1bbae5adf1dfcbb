// Question0116: the learner gives the paragraph marked "s01" 12 points of
// space before it and 12 points after it.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0116 final : public Question {
public:
    explicit Question0116(platform::SystemeFichiers& fichiers) : Question(u"Question0116", fichiers) {
        enregistre(u"05820416.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {
        const word::Range r = moApplication.ActiveDocument().Bookmarks().Item(u"s01").Range();

        // Each comparison reads the spacing anew and compares its decimal
        // text with the expected one (12 points reads "12").
        auto avant = [&](const char16_t* texte) { return r.Paragraphs().SpaceBefore().CStr() == texte; };
        auto apres = [&](const char16_t* texte) { return r.Paragraphs().SpaceAfter().CStr() == texte; };

        const bool avantNul = avant(u"0");
        const bool apresNul = apres(u"0");
        if (avantNul && apresNul) {
            msCauseErreur = u"A";
            return;
        }
        if (avant(u"0")) {
            msCauseErreur = u"B";
            return;
        }
        if (apres(u"0")) {
            msCauseErreur = u"C";
            return;
        }
        const bool avantFaux = !avant(u"12");
        const bool apresFaux = !apres(u"12");
        if (avantFaux || apresFaux) msCauseErreur = u"D";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0116(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0116>(fichiers);
}

}  // namespace k58204
