// Question0108: the learner deletes the passages "s02" and "s03" from a sentence.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

// The three pieces that must survive, and the sentence they make once the two
// passages are gone (plain apostrophes, an ordinary space before "!").
constexpr char16_t Piece1[] = u"Il l'avait finalement trouvé. Les rapaces";
constexpr char16_t Piece2[] = u"ne l'auraient pas et il allait";
constexpr char16_t Piece3[] = u"pouvoir prêter le serment des barbares !";
constexpr char16_t Phrase[] =
    u"Il l'avait finalement trouvé. Les rapaces ne l'auraient pas et il allait pouvoir prêter le serment des "
    u"barbares !";

// The right single quotation mark (code 146 of the Windows ANSI code page)
// that Word's AutoFormat puts in place of a typed apostrophe.
constexpr char16_t ApostropheTypographique = u'\u2019';

class Question0108 final : public Question {
public:
    explicit Question0108(platform::SystemeFichiers& fichiers) : Question(u"Question0108", fichiers) {
        enregistre(u"05820408.doc", u"Voyage à CANGO.doc", false);
    }

private:
    // The text with every typographic apostrophe turned into a plain one, so
    // that the learner's typing aids do not matter.
    static std::u16string sSubstitution(const std::u16string& sString1) {
        std::u16string resultat;
        resultat.reserve(sString1.size());
        for (char16_t c : sString1) resultat += (c == ApostropheTypographique) ? u'\'' : c;
        return resultat;
    }

    word::Bookmarks signets() const { return moApplication.ActiveDocument().Bookmarks(); }

    std::u16string texte(const std::u16string& nom) const {
        return sSubstitution(signets().Item(nom).Range().Text());
    }

    void Verifie() override {
        // The sentence and its three pieces must all be left. Every bookmark
        // is asked for, as the four answers are combined.
        const bool s01 = signets().Exists(u"s01");
        const bool s04 = signets().Exists(u"s04");
        const bool s05 = signets().Exists(u"s05");
        const bool s06 = signets().Exists(u"s06");
        if (!(s01 && s04 && s05 && s06)) {
            msCauseErreur = u"A";
            return;
        }
        // Both passages must be gone.
        const bool s02 = signets().Exists(u"s02");
        const bool s03 = signets().Exists(u"s03");
        if (s02 || s03) {
            msCauseErreur = u"B";
            return;
        }
        // Nothing of the pieces deleted with them.
        if (texte(u"s04") != Piece1 || texte(u"s05") != Piece2 || texte(u"s06") != Piece3) {
            msCauseErreur = u"C";
            return;
        }
        // The pieces joined by single spaces.
        if (texte(u"s01") != Phrase) msCauseErreur = u"B";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0108(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0108>(fichiers);
}

}  // namespace k58204
