#include "host/MachineSimulee.hpp"

#include <stdexcept>

#include "host/Hote.hpp"
#include "platform/ServeurTrace.hpp"
#include "module/Module.hpp"
#include "word/ObjetTrace.hpp"

namespace k58204::lecon {

MachineSimulee::MachineSimulee(const std::filesystem::path& racine, bool trace) : poste_(racine) {
    if (trace) {
        journal_ = std::make_shared<Journal>();
        serveurTrace_ = std::make_unique<platform::ServeurTrace>(poste_.serveur(), journal_);
    }
    platform::Plateforme p{poste_.fenetres(), poste_.clavier(),
                           serveurTrace_ ? static_cast<platform::ServeurWord&>(*serveurTrace_) : poste_.serveur(),
                           poste_.fichiers()};
    module_ = std::make_unique<Module>(p);
}

// The journal's entries hold the traced objects, which hold the journal.
MachineSimulee::~MachineSimulee() {
    if (journal_) journal_->vide();
}

AbstractModule& MachineSimulee::module() { return *module_; }

// The Word the host holds (not traced: only the module's calls are), else
// the one running on the machine.
ObjetPtr MachineSimulee::racineApprenant(const ObjetPtr& application) {
    if (application) return sansTrace(application);
    if (sim::InstanceWord* w = poste_.instanceCourante()) return w->application();
    return nullptr;
}

// The Word the host holds while it runs, else the one running on the machine.
sim::InstanceWord* MachineSimulee::instance(const ObjetPtr& application) {
    if (application) {
        try {
            sim::InstanceWord& w = poste_.instance(sansTrace(application));
            if (!w.partie()) return &w;
        } catch (const std::invalid_argument&) {
        }
    }
    return poste_.instanceCourante();
}

void MachineSimulee::bureau(const etape::Bureau& x, const ObjetPtr& application) {
    using A = etape::Bureau::Action;
    sim::InstanceWord* word = instance(application);
    if (!word) throw BureauImpossible{"aucun Word en marche sur le poste"};
    switch (x.action) {
        case A::Dialogue: word->ouvreDialogue(x.titre); break;
        case A::Bulle: word->ouvreBulle(); break;
        case A::Occupe:
            if (x.appels)
                word->occupe(*x.appels);
            else
                word->occupeJusquEchap();
            break;
        case A::FermeWord: word->fermeParApprenant(); break;
        case A::CacheWord: word->cacheFenetre(); break;
        case A::ReduitWord: word->minimiseFenetre(); break;
    }
}

// A simulated Word ends at once when it quits: what still runs is ended as
// its process would be.
int MachineSimulee::termineWords(bool) {
    int termines = 0;
    for (const auto& w : poste_.instances())
        if (!w->partie()) {
            w->disparait();
            ++termines;
        }
    return termines;
}

RapportScript Hote::joue(const Script& script, const std::filesystem::path& racine) const {
    MachineSimulee machine(racine, options_.trace);
    return joue(script, machine);
}

}  // namespace k58204::lecon
