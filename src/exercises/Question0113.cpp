// Question0113: the learner makes the passage "s01" bold, in a font other than Arial and a size other than 12.
#include <utility>

#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0113 final : public Question {
public:
    explicit Question0113(platform::SystemeFichiers& fichiers) : Question(u"Question0113", fichiers) {
        enregistre(u"05820413.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {
        // The passage, taken once; its formatting is read afresh, by member
        // name, for every test (name before size).
        const ObjetPtr passage = moApplication.ActiveDocument().Bookmarks().Item(u"s01").Range().objet();
        const auto police = [&] { return passage->get(u"Font").objet(); };
        // The name compared exactly as text; the size through its text form,
        // so 12.5 is not 12.
        const auto lit = [&] {
            std::u16string nom = police()->get(u"Name").CStr();
            return std::pair{nom, police()->get(u"Size")};
        };

        // Not bold, or bold only in part.
        if (passage->get(u"Bold").CDbl() != VbTrue) {
            msCauseErreur = u"C";
            return;
        }
        // Several fonts or several sizes.
        if (auto [nom, taille] = lit(); nom.empty() || taille.CDbl() == wdUndefined) {
            msCauseErreur = u"D";
            return;
        }
        if (auto [nom, taille] = lit(); nom != u"Arial" && taille.CStr() == u"12") {
            msCauseErreur = u"A";
            return;
        }
        if (auto [nom, taille] = lit(); nom == u"Arial" && taille.CStr() != u"12") {
            msCauseErreur = u"B";
            return;
        }
        if (auto [nom, taille] = lit(); nom == u"Arial" && taille.CStr() == u"12") msCauseErreur = u"E";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0113(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0113>(fichiers);
}

}  // namespace k58204
