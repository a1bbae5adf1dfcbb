// Question0106: the learner types the line "extrait n°10" as the last paragraph.
#include "exercises/Questions.hpp"
#include "word/Texte.hpp"

namespace k58204 {
namespace {

// VB's Trim: the text without its leading and trailing spaces (U+0020 only).
std::u16string sansEspacesAuxBords(const std::u16string& s) {
    const size_t debut = s.find_first_not_of(u' ');
    if (debut == std::u16string::npos) return {};
    const size_t fin = s.find_last_not_of(u' ');
    return s.substr(debut, fin - debut + 1);
}

class Question0106 final : public Question {
public:
    explicit Question0106(platform::SystemeFichiers& fichiers) : Question(u"Question0106", fichiers) {
        enregistre(u"05820406.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {
        const std::u16string attendu = u"extrait n°10";
        const word::Document doc = moApplication.ActiveDocument();
        // The last paragraph, its mark included, lower-cased so that the
        // learner's capitals do not matter.
        const std::u16string texte = LCase(doc.Paragraphs().Last().Range().Text());
        const int32_t nombre = doc.Paragraphs().Count();

        if (InStr(texte, attendu) == 0) {
            msCauseErreur = u"A";
            return;
        }
        // A space before the line (a space after it sits before the mark and
        // is caught by the length test).
        if (texte != sansEspacesAuxBords(texte)) {
            msCauseErreur = u"B";
            return;
        }
        // No indentation, by tab or by first-line indent.
        if (InStr(texte, u"\t") > 0) {
            msCauseErreur = u"C";
            return;
        }
        if (doc.Paragraphs().Item(nombre).FirstLineIndent() != 0.0f) {
            msCauseErreur = u"C";
            return;
        }
        // Nothing else on the line: the line and its paragraph mark.
        if (texte.size() != std::u16string_view(attendu).size() + 1) msCauseErreur = u"D";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0106(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0106>(fichiers);
}

}  // namespace k58204
