#include "sim/Poste.hpp"

#include <stdexcept>

#include "sim/bureau/ClavierBureau.hpp"
#include "sim/bureau/FenetresBureau.hpp"
#include "sim/bureau/ServeurBureau.hpp"
#include "sim/fichiers/SystemeFichiersLinux.hpp"
#include "sim/word/ObjetsWord.hpp"

namespace k58204::sim {

Poste::Poste(std::filesystem::path racine)
    : bureau_(std::make_shared<Bureau>()),
      fichiers_(std::make_shared<SystemeFichiersLinux>(std::move(racine))),
      fenetres_(std::make_unique<FenetresBureau>(*bureau_)),
      clavier_(std::make_unique<ClavierBureau>(*bureau_)),
      serveur_(std::make_unique<ServeurBureau>(*bureau_)) {
    fichiers_->MakeSureDirectoryPathExists(profil_.dossierDocuments() + u"\\");
    fichiers_->MakeSureDirectoryPathExists(profil_.dossierModeles() + u"\\");
    // CreateObject starts a hidden instance without document.
    bureau_->enregistreFabrique(platform::ClasseWord, [this] { return nouvelleInstance(false)->application(); });
}

Poste::~Poste() = default;

platform::Plateforme Poste::plateforme() { return {*fenetres_, *clavier_, *serveur_, *fichiers_}; }
platform::Fenetres& Poste::fenetres() { return *fenetres_; }
platform::Clavier& Poste::clavier() { return *clavier_; }
platform::ServeurWord& Poste::serveur() { return *serveur_; }
platform::SystemeFichiers& Poste::fichiers() { return *fichiers_; }
SystemeFichiersLinux& Poste::fichiersLinux() { return *fichiers_; }
Bureau& Poste::bureau() { return *bureau_; }

std::shared_ptr<InstanceWord> Poste::nouvelleInstance(bool visible) {
    auto i = InstanceWord::cree(bureau_, fichiers_, profil_, visible);
    bureau_->enregistreActif(platform::ClasseWord, i);
    instances_.push_back(i);
    return i;
}

ObjetPtr Poste::demarreWord(bool avecDocument) {
    auto i = nouvelleInstance(true);
    if (avecDocument) i->ajouteDocument(std::nullopt, false);
    return i->application();
}

InstanceWord& Poste::instance(const ObjetPtr& objetWord) {
    if (objetWord) {
        for (const auto& i : instances_)
            if (objetWord->identite() == i.get()) return *i;
        if (auto* o = dynamic_cast<ObjetWord*>(objetWord.get()))
            for (const auto& i : instances_)
                if (&o->instanceWord() == i.get()) return *i;
    }
    throw std::invalid_argument("not an object of a Word instance of this machine");
}

InstanceWord* Poste::instanceCourante() {
    for (const auto& i : instances_)
        if (i->actif() && estLeMeme(bureau_->objetActif(platform::ClasseWord), i->application())) return i.get();
    return nullptr;
}

int32_t Poste::nombreInstances() const {
    int32_t n = 0;
    for (const auto& i : instances_)
        if (!i->partie()) ++n;
    return n;
}

std::vector<std::shared_ptr<InstanceWord>> Poste::instances() const { return instances_; }

}  // namespace k58204::sim
