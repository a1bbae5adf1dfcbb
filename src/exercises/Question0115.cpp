// Question0115: the learner justifies the paragraphs marked "s01" and "s02",
// and only them: the passage "e01" must not end up justified as a whole.
// When one of the two is not justified, the alignment the learner left on it
// goes to the host as a remark (" à Gauche", " Centré", " à Droite").
#include <array>

#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

constexpr int32_t Justifie = 3;

class Question0115 final : public Question {
public:
    explicit Question0115(platform::SystemeFichiers& fichiers) : Question(u"Question0115", fichiers) {
        enregistre(u"05820415.doc", u"Voyage à CANGO.doc", false);
    }

private:
    using Noms = std::array<std::u16string, 17>;

    word::Range plage(const std::u16string& signet) const {
        return moApplication.ActiveDocument().Bookmarks().Item(signet).Range();
    }

    // The alignment common to the range's paragraphs, read anew from Word.
    static bool estJustifie(const word::Range& r) { return r.Paragraphs().Alignment().CDbl() == Justifie; }

    // Sets the code, then names the alignment of the faulty paragraphs. An
    // alignment outside the table (9999999 for paragraphs that differ) is a
    // subscript out of range: the code stays and no remark is added.
    void echecAvecRemarque(const char16_t* code, const Noms& asAlignement, const word::Range& r) {
        msCauseErreur = code;
        const int32_t v = r.Paragraphs().Alignment().CLng();
        if (v < 0 || v >= static_cast<int32_t>(asAlignement.size())) leveErreurExecution(err::IndiceHorsLimites);
        const std::u16string& nom = asAlignement[static_cast<size_t>(v)];
        moComplementInfo->add(nom == u"Centré" ? u" " + nom : u" à " + nom, 0);
    }

    void Verifie() override {
        Noms asAlignement;
        asAlignement[0] = u"Gauche";
        asAlignement[1] = u"Centré";
        asAlignement[2] = u"Droite";
        asAlignement[3] = u"Justifié";

        word::Range premiere = plage(u"s01");
        const word::Range seconde = plage(u"s02");

        // Both alignments are read before they are combined.
        const bool premiereNon = !estJustifie(premiere);
        const bool secondeNon = !estJustifie(seconde);
        if (premiereNon && secondeNon) {
            msCauseErreur = u"C";
            return;
        }
        if (!estJustifie(premiere)) return echecAvecRemarque(u"A", asAlignement, premiere);
        if (!estJustifie(seconde)) return echecAvecRemarque(u"B", asAlignement, seconde);

        // Both are justified: the whole passage must not be.
        premiere = plage(u"e01");
        if (estJustifie(premiere)) msCauseErreur = u"D";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0115(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0115>(fichiers);
}

}  // namespace k58204
