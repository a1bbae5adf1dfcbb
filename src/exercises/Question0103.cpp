// Question0103: the learner opens "Voyage à CANGO.doc" from the working folder.
#include <optional>

#include "exercises/Questions.hpp"
#include "word/Texte.hpp"

namespace k58204 {
namespace {

constexpr char16_t NomDocument[] = u"Voyage à CANGO.doc";

class Question0103 final : public Question {
public:
    explicit Question0103(platform::SystemeFichiers& fichiers) : Question(u"Question0103", fichiers) {
        enregistre(u"05820403.doc", NomDocument, false);
    }

    // Opening the document is the learner's task: only the folders and the
    // application are kept.
    void Prepare(word::Application& iApplication, const std::u16string& isPathDossier,
                 const std::optional<std::u16string>& isPathModele) override {
        try {
            PrepareDebut(iApplication, isPathDossier, isPathModele);
        } catch (const Erreur& e) {
            signale(u"Prepare", e);
        }
    }

private:
    // The folder proposed in Word's Open dialog is the parent of the working
    // folder, so that the learner has to go down into it.
    void InitPathDossierParDefaut() override {
        if (msPathDossier.empty()) {
            msPathDossierParDefaut.clear();
            return;
        }
        int32_t p = InStrRev(Left(msPathDossier, static_cast<int32_t>(msPathDossier.size()) - 1), u"\\");
        msPathDossierParDefaut = Left(msPathDossier, p);
    }

    void Verifie() override {
        const word::Application app = moApplication.Application_();
        const std::u16string nom = LCase(NomDocument);
        const int32_t longueurNom = static_cast<int32_t>(nom.size());

        // The working document when it is open; otherwise the first document
        // opened since the start whose name ends with the document's name,
        // whatever its letter case. The count is a 16-bit integer.
        const int16_t n = Variant(app.Documents().Count()).CInt();
        std::optional<word::Document> ouvert = moDocumentTravail.Trouve(app);
        for (int32_t i = 1; i <= n && !ouvert; ++i) {
            word::Document d = app.Documents().Item(i);
            if (!moDocumentTravail.EtaitOuvert(d) && Right(LCase(d.Name()), longueurNom) == nom) ouvert = d;
        }
        if (!ouvert) {
            msCauseErreur = u"A";
            return;
        }

        // It must have been opened from the working folder...
        const std::u16string attendu = LCase(msPathDossier + NomDocument);
        if (LCase(ouvert->FullName()) != attendu) {
            msCauseErreur = u"B";
            return;
        }
        // ... and be the document the learner is working in.
        if (LCase(app.ActiveDocument().FullName()) != attendu) msCauseErreur = u"C";
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0103(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0103>(fichiers);
}

}  // namespace k58204
