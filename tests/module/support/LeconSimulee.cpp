#include "module/support/LeconSimulee.hpp"

#include "exercises/support/Cours.hpp"
#include "word/Texte.hpp"

namespace k58204::test {

namespace {

class ObjetPiege : public Objet {
public:
    ObjetPiege(ObjetPtr interne, std::u16string membre, Erreur erreur, std::shared_ptr<bool> arme, bool unCoup)
        : interne_(std::move(interne)), membre_(std::move(membre)), erreur_(std::move(erreur)), arme_(std::move(arme)),
          unCoup_(unCoup) {}

    Variant invoke(std::u16string_view membre, Appel appel, const Arguments& args) override {
        if (*arme_ && memeNom(membre, membre_)) {
            if (unCoup_) *arme_ = false;
            throw erreur_;
        }
        Variant r = interne_->invoke(membre, appel, args);
        if (auto o = r.si<ObjetPtr>(); o && *o) return Variant(piege(*o, membre_, erreur_, arme_, unCoup_));
        return r;
    }
    const void* identite() const override { return interne_->identite(); }

private:
    ObjetPtr interne_;
    std::u16string membre_;
    Erreur erreur_;
    std::shared_ptr<bool> arme_;
    bool unCoup_;
};

}  // namespace

ObjetPtr piege(ObjetPtr application, std::u16string membre, Erreur erreur, std::shared_ptr<bool> arme, bool unCoup) {
    return std::make_shared<ObjetPiege>(std::move(application), std::move(membre), std::move(erreur), std::move(arme),
                                        unCoup);
}

LeconSimulee::LeconSimulee() {
    poste_ = std::make_unique<sim::Poste>(racine_.chemin());
    module_ = std::make_unique<Module>(poste_->plateforme());
}

LeconSimulee::~LeconSimulee() {
    module_.reset();
    application.reset();
    poste_.reset();
}

void LeconSimulee::placeSource(int32_t n, const std::u16string& dossier) {
    fichiers().MakeSureDirectoryPathExists(dossier);
    if (std::filesystem::exists(std::filesystem::path(K58204_COURS_DIR) / nomCours(n)))
        fichiers().Ecrit(dossier + depuisUtf8(nomCours(n)), litCours(nomCours(n)));
}

void LeconSimulee::init(int32_t n, const std::u16string& dossier) {
    // The host creates the working folder and places the source document in it.
    placeSource(n, dossier);
    module_->InitQuestion(n, dossier, application, handle);
}

}  // namespace k58204::test
