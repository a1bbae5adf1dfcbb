// Question0118: the learner gives the paragraph marked "s01" a border of
// three quarters of a point on all four sides and a background shading,
// without highlighting its text. The check works through Word's selection and
// leaves an insertion point at the start of the line afterwards.
#include <array>

#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

constexpr int32_t LargeurTroisQuartsDePoint = 6;  // wdLineWidth075pt

class Question0118 final : public Question {
public:
    explicit Question0118(platform::SystemeFichiers& fichiers) : Question(u"Question0118", fichiers) {
        enregistre(u"05820418.doc", u"Voyage à CANGO.doc", false);
    }

private:
    // The selection, taken anew from Word for every step.
    word::Selection selection() const { return moApplication.Selection(); }

    void Verifie() override {
        selection().GoTo(word::wd::GoToBookmark, u"s01");
        msCauseErreur = defaut().value_or(msCauseErreur);
        // Passing or not, the selection collapses to the start of its line.
        moApplication.Application_().Selection().HomeKey(word::wd::Line);
    }

    // The first fault of the selected paragraph, if any.
    std::optional<std::u16string> defaut() const {
        if (selection().ParagraphFormat().Borders().Enable() == 0) return u"A";

        // All four widths are read before they are compared.
        std::array<int32_t, 4> largeurs{};
        const std::array<int32_t, 4> cotes = {word::wd::BorderLeft, word::wd::BorderRight, word::wd::BorderTop,
                                              word::wd::BorderBottom};
        for (size_t i = 0; i < cotes.size(); ++i) largeurs[i] = selection().Borders().Item(cotes[i]).LineWidth();
        for (int32_t largeur : largeurs)
            if (largeur != LargeurTroisQuartsDePoint) return u"B";

        if (selection().Range().HighlightColorIndex().CDbl() != 0) return u"E";
        if (selection().ParagraphFormat().Shading().BackgroundPatternColorIndex() == 0) return u"C";
        return std::nullopt;
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0118(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0118>(fichiers);
}

}  // namespace k58204
