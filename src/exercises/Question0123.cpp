// Question0123: the learner creates a new blank document. At the check the
// active window must belong to a document that was not open when the
// exercise began, that was never saved and that is not a template.
#include <limits>
#include <vector>

#include "exercises/Questions.hpp"
#include "word/Texte.hpp"

namespace k58204 {
namespace {

// i + 1 on a 16-bit loop counter, with VB's overflow error.
int16_t suivant16(int16_t i) {
    if (i == std::numeric_limits<int16_t>::max()) leveErreurExecution(err::Depassement);
    return static_cast<int16_t>(i + 1);
}

class Question0123 final : public Question {
public:
    explicit Question0123(platform::SystemeFichiers& fichiers) : Question(u"Question0123", fichiers) {}

    // Opens nothing: records the names of the documents already open, so
    // that the check can tell a new document from them.
    void Prepare(word::Application& iApplication, const std::u16string& isPathDossier,
                 const std::optional<std::u16string>& isPathModele) override {
        try {
            PrepareDebut(iApplication, isPathDossier, isPathModele);
            const int32_t n = moApplication.Documents().Count();
            // Slots 0 to n; slot 0 stays empty.
            msNomsDocuments.emplace(static_cast<size_t>(n) + 1);
            const int16_t dernier = Variant(moApplication.Documents().Count()).CInt();
            for (int16_t k = 1; k <= dernier; k = suivant16(k))
                nom(k) = moApplication.Documents().Item(int32_t{k}).Name();
        } catch (const Erreur& e) {
            signale(u"Prepare", e);
        }
    }

private:
    // Slot k of the recorded names; error 9 outside the slots, or when
    // Prepare has not recorded them.
    std::u16string& nom(int32_t k) {
        if (!msNomsDocuments || k < 0 || k > borneSuperieure()) leveErreurExecution(err::IndiceHorsLimites);
        return (*msNomsDocuments)[static_cast<size_t>(k)];
    }
    int32_t borneSuperieure() const {
        if (!msNomsDocuments) leveErreurExecution(err::IndiceHorsLimites);
        return static_cast<int32_t>(msNomsDocuments->size()) - 1;
    }

    void Verifie() override {
        if (moApplication.Documents().Count() == 0) {
            msCauseErreur = u"A";
            return;
        }
        // Saved somewhere: not a new document any more.
        if (!moApplication.Selection().Document().Path().empty()) {
            msCauseErreur = u"B";
            return;
        }

        // The active window shows a document that was already open.
        const std::u16string c = moApplication.ActiveWindow().Caption();
        const int16_t dernier = Variant(borneSuperieure()).CInt();
        int16_t k = 1;
        while (k <= dernier) {
            if (nom(k) == c) break;
            k = suivant16(k);
        }
        if (k <= borneSuperieure()) {
            msCauseErreur = u"B";
            return;
        }

        // A new template instead of a new document.
        if (Left(c, 8) == u"Template" || Left(c, 6) == u"Modèle") {
            msCauseErreur = u"C";
            return;
        }
        if (moApplication.Application_().CommandBars().Item(u"standard").Controls().Item(1).Caption() !=
            u"Nouveau &document") {
            msCauseErreur = u"C";
            return;
        }
        if (moApplication.ActiveDocument().Type() != 0) msCauseErreur = u"C";
    }

    // Names of the documents open at Prepare; absent before it.
    std::optional<std::vector<std::u16string>> msNomsDocuments;
};

}  // namespace

std::unique_ptr<Question> creeQuestion0123(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0123>(fichiers);
}

}  // namespace k58204
