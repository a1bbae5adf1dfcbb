#pragma once
// Module on a simulated machine, driven as a training host drives it: the
// host places an exercise's source document in the working folder, then calls
// InitQuestion with the application and window handle it holds.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "exercises/support/ExerciceSimule.hpp"
#include "module/Module.hpp"
#include "sim/Poste.hpp"

namespace k58204::test {

class LeconSimulee {
public:
    LeconSimulee();
    ~LeconSimulee();
    LeconSimulee(const LeconSimulee&) = delete;
    LeconSimulee& operator=(const LeconSimulee&) = delete;

    // Places the source document of exercise n (when the course has one) in
    // the folder, then InitQuestion(n, folder, application, handle).
    void init(int32_t n, const std::u16string& dossier = DossierCours);
    // Creates the folder and places "058204NN.doc" of exercise n in it, when the course has one.
    void placeSource(int32_t n, const std::u16string& dossier = DossierCours);
    // Starts a Word of the learner's and hands it to the host, with its main window.
    void demarreWordApprenant(bool avecDocument = true) {
        application = poste_->demarreWord(avecDocument);
        handle = instance().fenetrePrincipale();
    }
    void teste() { module().TestePoint(); }
    void fermer() { module().Fermer(); }
    void quitter() { module().Quitter(application, handle); }

    sim::Poste& poste() { return *poste_; }
    Module& module() { return *module_; }
    // The Word the host holds.
    Auto appli() const { return Auto(application); }
    sim::InstanceWord& instance() { return poste_->instance(application); }
    platform::SystemeFichiers& fichiers() { return poste_->fichiers(); }
    // "AM", "%AL"...: the general code while ErreurGenerale is True, else the exercise's code.
    std::u16string verdict() { return module_->CauseErreur(); }

    ObjetPtr application;
    int32_t handle = -1;

private:
    RacineTemporaire racine_;  // removed after everything else
    std::unique_ptr<sim::Poste> poste_;
    std::unique_ptr<Module> module_;
};

// A decorator of the automation seam that fails one member (by name, any
// object reached through it) with the given error while armed; a one-shot
// trap disarms itself once it has fired.
ObjetPtr piege(ObjetPtr application, std::u16string membre, Erreur erreur, std::shared_ptr<bool> arme,
               bool unCoup = false);

}  // namespace k58204::test
