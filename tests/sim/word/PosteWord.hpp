#pragma once
// A simulated machine with one Word started by the learner (no document),
// course documents written as WordprocessingML, and a helper that gives the
// number of the error a call raises.
#include <functional>
#include <string>

#include "sim/Poste.hpp"
#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/WordML.hpp"
#include "sim/poste/RacineTemporaire.hpp"
#include "support/NumeroErreur.hpp"
#include "word/Texte.hpp"

namespace k58204::test {

inline std::string documentWordML(std::u16string_view texte) {
    sim::ModeleDocument m;
    m.inserer(0, texte);
    return sim::ecrireWordML(m);
}

class PosteWord {
public:
    PosteWord() : poste(racine.chemin()), app(poste.demarreWord(false)) {
        racine.ecrit("Cours/K58204/Voyage à CANGO.doc", documentWordML(u"Voyage au pays des autruches."));
        racine.ecrit("Cours/K58204/Réponses.doc", documentWordML(u"Questions"));
    }
    sim::InstanceWord& word() { return poste.instance(app); }
    ObjetPtr documents() { return app->get(u"Documents").objet(); }
    ObjetPtr ouvre(const std::u16string& fichier) { return documents()->call(u"Open", {fichier}).objet(); }
    ObjetPtr ajoute(Arguments args = {}) { return documents()->call(u"Add", std::move(args)).objet(); }
    std::u16string texte(const ObjetPtr& o, std::u16string_view membre, Arguments args = {}) {
        return o->get(membre, std::move(args)).CStr();
    }

    RacineTemporaire racine;
    sim::Poste poste;
    ObjetPtr app;
};

inline constexpr char16_t Voyage[] = u"C:\\Cours\\K58204\\Voyage à CANGO.doc";

}  // namespace k58204::test
