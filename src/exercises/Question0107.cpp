// Question0107: the learner breaks the paragraph between the passages "s01" and "s02".
#include "exercises/Questions.hpp"
#include "word/GereErreur.hpp"
#include "word/Texte.hpp"

namespace k58204 {
namespace {

constexpr char16_t MarqueParagraphe[] = u"\r";

class Question0107 final : public Question {
public:
    explicit Question0107(platform::SystemeFichiers& fichiers) : Question(u"Question0107", fichiers) {
        enregistre(u"05820407.doc", u"Voyage à CANGO.doc", false);
    }

private:
    word::Bookmark signet(const std::u16string& nom) const {
        return moApplication.ActiveDocument().Bookmarks().Item(nom);
    }

    // True when every sentence of "s01" still ends with ". ". The last period
    // of the passage and the two characters before it are not examined. The
    // loop ends: each search starts before the last period, so it finds one.
    static bool phrasesIntactes(const std::u16string& texte) {
        const int32_t dernierPoint = InStrRev(texte, u".");
        int32_t depart = 1;
        for (;;) {
            const int32_t p = InStr(depart, texte, u".");
            depart = p + 1;
            if (depart >= dernierPoint - 1) return true;
            if (Mid(texte, p, 2) != u". ") return false;
        }
    }

    void Verifie() override {
        // The break must not fall inside "s01".
        if (signet(u"s01").Range().Paragraphs().Count() != 1) {
            msCauseErreur = u"A";
            return;
        }
        if (!phrasesIntactes(signet(u"s01").Range().Text())) {
            msCauseErreur = u"E";
            return;
        }

        // The characters from the last one of "s01" to the second one of
        // "s02" (Characters counts from 1, positions from 0).
        const int32_t debut = signet(u"s01").Range().End();
        const int32_t fin = signet(u"s02").Range().Start() + 2;
        std::u16string entre;
        for (int32_t i = debut; i <= fin; ++i) entre += moApplication.ActiveDocument().Characters().Item(i).Text();

        // No break at all.
        if (InStr(entre, MarqueParagraphe) == 0) {
            msCauseErreur = u"D";
            return;
        }
        // Broken before the space that followed the sentence: the new
        // paragraph starts with a space.
        if (InStr(entre, u".\r ") > 0) {
            msCauseErreur = u"C";
            return;
        }
        // An empty paragraph between the passages, spaces or not.
        if (InStr(SupprimeBlancs(entre), u"\r\r") > 0) msCauseErreur = u"B";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0107(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0107>(fichiers);
}

}  // namespace k58204
