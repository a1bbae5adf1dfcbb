#pragma once
// A simulated Windows machine with Word 2003: drive C: on a folder of the
// Linux file system, the desktop (windows, keyboard, running-object table)
// and the Word instances running on it. Tests, the lesson runner and the
// command-line host build one Poste and hand plateforme() to Module.
//
//   sim::Poste poste(dossierTemporaire);
//   Module module(poste.plateforme());
//   ObjetPtr word = poste.demarreWord();          // the learner started Word
//   poste.instance(word).ouvreDialogue(u"Police");  // a dialog box left open
//
// Faults are injected through the instance (InstanceWord): occupe(n),
// occupeJusquEchap(), disparait(), fermeParApprenant(), cacheFenetre(),
// minimiseFenetre(), ouvreDialogue(titre, sousDialogue), ouvreBulle(),
// refuseFermeture(), reponseInvite(...). Desktop-level facts (locked window,
// total time waited, Escape count, hidden extensions) are on bureau().
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/Plateforme.hpp"
#include "sim/bureau/Bureau.hpp"
#include "sim/word/InstanceWord.hpp"
#include "word/Objet.hpp"

namespace k58204::sim {

class SystemeFichiersLinux;
class FenetresBureau;
class ClavierBureau;
class ServeurBureau;

class Poste {
public:
    // Drive C: is `racine` (it must exist). Word's profile folders (documents,
    // templates) are created under it when missing.
    explicit Poste(std::filesystem::path racine);
    ~Poste();
    Poste(const Poste&) = delete;
    Poste& operator=(const Poste&) = delete;

    // The four seams Module receives; they live as long as the Poste.
    platform::Plateforme plateforme();
    platform::Fenetres& fenetres();
    platform::Clavier& clavier();
    platform::ServeurWord& serveur();
    platform::SystemeFichiers& fichiers();
    // The same file system, with the Linux-side helpers (cheminLinux).
    SystemeFichiersLinux& fichiersLinux();
    Bureau& bureau();
    const ProfilWord& profil() const { return profil_; }

    // A new visible Word instance, registered in the running-object table, as
    // when the learner starts Word (with "Document1" open unless told otherwise).
    // Returns its Application object.
    ObjetPtr demarreWord(bool avecDocument = true);
    // The instance behind an Application object (or any object it gave) of
    // this machine. Throws std::invalid_argument for a foreign object.
    InstanceWord& instance(const ObjetPtr& objetWord);
    // The instance GetObject would find now; nullptr when none runs.
    InstanceWord* instanceCourante();
    // Instances still running (not quit, closed or gone).
    int32_t nombreInstances() const;
    std::vector<std::shared_ptr<InstanceWord>> instances() const;

private:
    std::shared_ptr<InstanceWord> nouvelleInstance(bool visible);

    ProfilWord profil_;
    std::shared_ptr<Bureau> bureau_;
    std::shared_ptr<SystemeFichiersLinux> fichiers_;
    std::unique_ptr<FenetresBureau> fenetres_;
    std::unique_ptr<ClavierBureau> clavier_;
    std::unique_ptr<ServeurBureau> serveur_;
    std::vector<std::shared_ptr<InstanceWord>> instances_;
};

}  // namespace k58204::sim
