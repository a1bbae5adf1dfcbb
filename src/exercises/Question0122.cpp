// Question0122: the learner closes the working document "Voyage à CANGO.doc".
#include <limits>

#include "exercises/Questions.hpp"
#include "word/Texte.hpp"

namespace k58204 {
namespace {

// i + 1 on a 16-bit loop counter, with VB's overflow error.
int16_t suivant16(int16_t i) {
    if (i == std::numeric_limits<int16_t>::max()) leveErreurExecution(err::Depassement);
    return static_cast<int16_t>(i + 1);
}

class Question0122 final : public Question {
public:
    explicit Question0122(platform::SystemeFichiers& fichiers) : Question(u"Question0122", fichiers) {
        enregistre(u"05820422.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {
        const int16_t n = Variant(moApplication.Documents().Count()).CInt();
        const std::u16string reference = LCase(u"Voyage à CANGO.doc");
        const std::u16string court = Left(reference, static_cast<int32_t>(reference.size()) - 4);

        // The document still counts as open under its name or its name
        // without extension, alone or as a second window (":1"). The name is
        // read anew for each comparison.
        auto nom = [this](int16_t i) { return LCase(moApplication.Documents().Item(int32_t{i}).Name()); };
        int16_t i = 1;
        while (i <= n) {
            const bool complet = nom(i) == reference;
            const bool completFenetre = nom(i) == reference + u":1";
            const bool sansExtension = nom(i) == court;
            const bool sansExtensionFenetre = nom(i) == court + u":1";
            if (complet || completFenetre || sansExtension || sansExtensionFenetre) break;
            i = suivant16(i);
        }
        if (i <= moApplication.Documents().Count()) msCauseErreur = u"A";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0122(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0122>(fichiers);
}

}  // namespace k58204
