// Question0114: the learner gives paragraphs left and first-line indents.
//   "s01", "s02": a left indent, and no first-line indent (hanging or not);
//   "s03": no indent at all;
//   "s04", "s05": a first-line indent made with the paragraph settings (not
//   with a tab), and no left indent.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0114 final : public Question {
public:
    explicit Question0114(platform::SystemeFichiers& fichiers) : Question(u"Question0114", fichiers) {
        enregistre(u"05820414.doc", u"Voyage à CANGO.doc", false);
    }

private:
    // The range a bookmark of the active document marks, fetched anew.
    word::Range plage(const std::u16string& signet) const {
        return moApplication.ActiveDocument().Bookmarks().Item(signet).Range();
    }

    // The indents are compared with 0 as numbers: 9999999 (paragraphs whose
    // indents differ) is neither zero nor negative.
    static bool estNul(const Variant& retrait) { return retrait.CDbl() == 0.0; }
    static bool estNegatif(const Variant& retrait) { return retrait.CDbl() < 0.0; }

    // Whether the text of the range starts with a tab. Like VB's Asc, an
    // empty text is an invalid call (error 5).
    static bool commenceParTabulation(const word::Range& r) {
        const std::u16string texte = r.Text();
        if (texte.empty()) leveErreurExecution(err::AppelIncorrect);
        return texte.front() == u'\t';
    }

    void Verifie() override {
        word::Range r = plage(u"s01");
        if (estNul(r.Paragraphs().LeftIndent())) return echec(u"A");
        if (estNegatif(r.Paragraphs().FirstLineIndent())) return echec(u"F");

        r = plage(u"s02");
        if (estNul(r.Paragraphs().LeftIndent())) return echec(u"A");
        if (estNegatif(r.Paragraphs().FirstLineIndent())) return echec(u"F");

        // No left indent on the three other paragraphs.
        for (const char16_t* signet : {u"s03", u"s04", u"s05"}) {
            r = plage(signet);
            if (!estNul(r.Paragraphs().LeftIndent())) return echec(u"E");
        }

        // A first-line indent typed as a tab.
        for (const char16_t* signet : {u"s04", u"s05"}) {
            r = plage(signet);
            if (commenceParTabulation(r)) return echec(u"D");
        }

        // No first-line indent where one is wanted.
        for (const char16_t* signet : {u"s04", u"s05"}) {
            r = plage(signet);
            if (estNul(r.Paragraphs().FirstLineIndent())) return echec(u"B");
        }

        // A first-line indent where none is wanted.
        for (const char16_t* signet : {u"s03", u"s01", u"s02"}) {
            r = plage(signet);
            if (!estNul(r.Paragraphs().FirstLineIndent())) return echec(u"C");
        }
    }

    void echec(const char16_t* code) { msCauseErreur = code; }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0114(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0114>(fichiers);
}

}  // namespace k58204
