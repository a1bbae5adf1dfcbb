// Question0124: the learner saves the active blank document as
// "Application.doc" in a new folder "essai" inside the working folder.
// Prepare makes a blank document active and removes what an earlier attempt
// left: the folder "essai" and its files, closing those open in Word.
#include <optional>
#include <vector>

#include "exercises/Questions.hpp"
#include "word/GereErreur.hpp"
#include "word/Texte.hpp"

namespace k58204 {
namespace {

constexpr char16_t Dossier[] = u"essai\\";
constexpr char16_t NomDocument[] = u"Application.doc";
// Read-only, hidden, system, folder and archive entries as well as normal files.
constexpr int32_t TousLesAttributs = platform::attr::LectureSeule | platform::attr::Cache |
                                     platform::attr::Systeme | platform::attr::Dossier |
                                     platform::attr::Archive;

class Question0124 final : public Question {
public:
    explicit Question0124(platform::SystemeFichiers& fichiers) : Question(u"Question0124", fichiers) {
        enregistre(u"", NomDocument, false);
    }

    void Prepare(word::Application& iApplication, const std::u16string& isPathDossier,
                 const std::optional<std::u16string>& isPathModele) override {
        try {
            PrepareDebut(iApplication, isPathDossier, isPathModele);
            activeDocumentVierge();
        } catch (const Erreur& e) {
            signale(u"Prepare", e);
        }
        // The clean-up never reports: an error before the first file's
        // attributes are reset ends it quietly; after that, each failing
        // statement is skipped.
        try {
            videEtSupprimeDossierEssai();
        } catch (const Erreur&) {
        }
    }

private:
    // A document whose name starts with "document" (a new, unsaved one) is
    // activated; without one, a new document is added.
    void activeDocumentVierge() {
        const int32_t n = moApplication.Documents().Count();
        int32_t i = 1;
        for (; i <= n; ++i)
            if (LCase(Left(moApplication.Documents().Item(i).Name(), 8)) == u"document") break;
        if (i > moApplication.Documents().Count())
            moApplication.Documents().Add();
        else
            moApplication.Documents().Item(i).Activate();
    }

    void videEtSupprimeDossierEssai() {
        const std::u16string dossier = msPathDossier + Dossier;
        std::vector<std::u16string> chemins;
        for (const std::u16string& entree : fichiers_.Dir(dossier + u"*.*", TousLesAttributs))
            if (entree != u"." && entree != u"..") chemins.push_back(dossier + entree);

        bool premier = true;
        for (const std::u16string& chemin : chemins) {
            if (premier)
                fichiers_.SetAttr(chemin, platform::attr::Normal);
            else
                sansErreur([&] { fichiers_.SetAttr(chemin, platform::attr::Normal); });
            premier = false;

            sansErreur([&] {
                if (Right(chemin, 4) == u".doc") fermeSansEnregistrer(chemin);
            });
            sansErreur([&] { fichiers_.Kill(chemin); });
        }

        auto changeDossierCourant = [&] {
            fichiers_.ChDir(Left(msPathDossier, static_cast<int32_t>(msPathDossier.size()) - 1));
        };
        auto supprimeDossier = [&] { fichiers_.RmDir(msPathDossier + u"essai"); };
        if (chemins.empty()) {
            changeDossierCourant();
            supprimeDossier();
        } else {
            sansErreur(changeDossierCourant);
            sansErreur(supprimeDossier);
        }
    }

    // Closes, without saving, the open document of that file: another open
    // document that merely shares its name keeps the learner's changes.
    void fermeSansEnregistrer(const std::u16string& chemin) {
        if (std::optional<word::Document> d = DocumentDuFichier(moApplication, chemin)) d->Close(false);
    }

    void Verifie() override {
        // From here on any failure means the folder is not there.
        try {
            fichiers_.ChDir(msPathDossier + u"essai");
            if (fichiers_.Dir(msPathDossier + Dossier + NomDocument, platform::attr::Normal).empty())
                msCauseErreur = u"A";
        } catch (const Erreur&) {
            msCauseErreur = u"B";
        }
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0124(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0124>(fichiers);
}

}  // namespace k58204
