#include "exercises/support/ExerciceSimule.hpp"

#include <stdexcept>

#include "exercises/support/Cours.hpp"
#include "word/GereErreur.hpp"
#include "word/Texte.hpp"

namespace k58204::test {

// ---------------------------------------------------------------- ExerciceSimule

ExerciceSimule::ExerciceSimule(int32_t numero) : ExerciceSimule(numero, Options{}) {}

ExerciceSimule::ExerciceSimule(int32_t numero, Options options) {
    poste_ = std::make_unique<sim::Poste>(racine_.chemin());
    appObjet_ = poste_->demarreWord(options.documentVierge);
    question_ = CreeQuestion(numero, poste_->fichiers());
    if (!question_) throw std::invalid_argument("no exercise " + std::to_string(numero));

    // Staging: each source document placed under its source name, then
    // renamed to its working name (a template goes to the template folder).
    platform::SystemeFichiers& fichiers = poste_->fichiers();
    fichiers.MakeSureDirectoryPathExists(DossierCours);
    fichiers.MakeSureDirectoryPathExists(dossierModele());
    auto documents = question_->FichiersDeTravail();
    for (int32_t i = 1; i <= documents->count(); ++i) {
        const Fichier f = documents->Item(i);
        if (f.NomSource.empty()) continue;
        fichiers.Ecrit(DossierCours + f.NomSource, litCours(versUtf8(f.NomSource)));
        fichiers.Name(DossierCours + f.NomSource, (f.Modele ? dossierModele() : DossierCours) + f.NomDest);
    }
    if (options.prepare) prepare();
}

ExerciceSimule::~ExerciceSimule() {
    question_.reset();
    appObjet_.reset();
    poste_.reset();
}

void ExerciceSimule::prepare() {
    word::Application a(appObjet_);
    // As the start does: the documents already open noted first, the working
    // document looked up once prepared.
    sansErreur([&] { question_->DocumentTravail().NoteOuverts(a); });
    question_->Prepare(a, DossierCours, dossierModele());
    sansErreur([&] { (void)question_->DocumentTravail().Trouve(a); });
}

void ExerciceSimule::teste() { question_->TestePoint(); }

std::optional<std::vector<std::u16string>> ExerciceSimule::complement() const {
    auto info = question_->ComplementInfo();
    if (!info) return std::nullopt;
    std::vector<std::u16string> textes;
    for (int32_t i = 1; i <= info->count(); ++i) textes.push_back(info->item(i));
    return textes;
}

std::u16string ExerciceSimule::dossierModele() const {
    return poste_->profil().dossierModeles() + u"\\Talvor Modèles\\";
}

void ExerciceSimule::copieCours(const std::u16string& nomSource, const std::u16string& destination) {
    poste_->fichiers().Ecrit(destination, litCours(versUtf8(nomSource)));
}

// ---------------------------------------------------------------- scenarios

void joue(const Scenario& s) {
    ExerciceSimule e(s.numero, s.options);
    s.actions(e);
    e.teste();
    EXPECT_EQ(versUtf8(e.code()), versUtf8(s.code));
    EXPECT_FALSE(e.bravo());
    EXPECT_EQ(e.complement(), std::vector<std::u16string>{});
}

std::string nomScenario(const ::testing::TestParamInfo<Scenario>& info) {
    return "Q0" + std::to_string(info.param.numero) + info.param.nom;
}

std::ostream& operator<<(std::ostream& os, const Scenario& s) { return os << s.nom; }

}  // namespace k58204::test
