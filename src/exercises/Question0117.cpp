// Question0117: the learner sets the paragraphs marked "s01" and "s02" to a
// line spacing of one and a half lines. An exact line height is accepted as
// an attempt but reported apart ("D").
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

constexpr double UneLigneEtDemie = 1;  // wdLineSpace1pt5
constexpr double Exactement = 4;       // wdLineSpaceExactly

class Question0117 final : public Question {
public:
    explicit Question0117(platform::SystemeFichiers& fichiers) : Question(u"Question0117", fichiers) {
        enregistre(u"05820417.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {
        // Both ranges are fetched before any comparison.
        const word::Range r1 = moApplication.ActiveDocument().Bookmarks().Item(u"s01").Range();
        const word::Range r2 = moApplication.ActiveDocument().Bookmarks().Item(u"s02").Range();

        // The rule is read anew for each comparison.
        auto regle = [](const word::Range& r) { return r.Paragraphs().LineSpacingRule().CDbl(); };
        auto acceptee = [&](const word::Range& r) {
            const bool demie = regle(r) == UneLigneEtDemie;
            const bool exacte = regle(r) == Exactement;
            return demie || exacte;
        };

        const bool premiereRefusee = !acceptee(r1);
        const bool secondeRefusee = !acceptee(r2);
        if (premiereRefusee && secondeRefusee) {
            msCauseErreur = u"C";
            return;
        }
        if (!acceptee(r1)) {
            msCauseErreur = u"A";
            return;
        }
        if (!acceptee(r2)) {
            msCauseErreur = u"B";
            return;
        }
        if (regle(r1) == Exactement || regle(r2) == Exactement) msCauseErreur = u"D";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0117(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0117>(fichiers);
}

}  // namespace k58204
