// Question0110: the learner makes the passage "s01" bold and italic.
#include <utility>

#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0110 final : public Question {
public:
    explicit Question0110(platform::SystemeFichiers& fichiers) : Question(u"Question0110", fichiers) {
        enregistre(u"05820410.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {
        // The passage, taken once; its formatting is read afresh, by member
        // name, for every test (bold first, then italic).
        const ObjetPtr passage = moApplication.ActiveDocument().Bookmarks().Item(u"s01").Range().objet();
        const auto gras = [&] { return passage->get(u"Bold").CDbl(); };
        const auto italique = [&] { return passage->get(u"Italic").CDbl(); };
        const auto lit = [&] { double g = gras(); return std::pair{g, italique()}; };

        // Part of the passage differs from the rest.
        if (auto [g, i] = lit(); g == wdUndefined || i == wdUndefined) {
            msCauseErreur = u"D";
            return;
        }
        if (auto [g, i] = lit(); g == VbFalse && i == VbFalse) {
            msCauseErreur = u"A";
            return;
        }
        if (auto [g, i] = lit(); g == VbTrue && i == VbFalse) {
            msCauseErreur = u"B";
            return;
        }
        if (auto [g, i] = lit(); g == VbFalse && i == VbTrue) msCauseErreur = u"C";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0110(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0110>(fichiers);
}

}  // namespace k58204
