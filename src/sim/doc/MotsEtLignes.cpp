// Words, sentences and lines of the document model.
#include <algorithm>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/Mots.hpp"
#include "sim/doc/Phrases.hpp"

namespace k58204::sim {

int32_t ModeleDocument::nombreMots(int32_t debut, int32_t fin) const {
    auto [a, b] = borne(debut, fin);
    if (a == b) return 1;
    return compteMots(texte_, a, b, paragraphe(paragrapheA(a)).debut);
}

Etendue ModeleDocument::motA(int32_t pos) const {
    pos = std::clamp(pos, 0, longueur() - 1);
    return sim::motA(texte_, pos, paragraphe(paragrapheA(pos)).debut);
}

Etendue ModeleDocument::phraseA(int32_t pos) const {
    pos = std::clamp(pos, 0, longueur() - 1);
    return sim::phraseA(texte_, pos, paragraphe(paragrapheA(pos)).debut);
}

Etendue ModeleDocument::ligneA(int32_t pos) const {
    pos = std::clamp(pos, 0, longueur() - 1);
    const Etendue par = paragraphe(paragrapheA(pos));
    const MiseEnPage& page = miseEnPage(sectionA(pos));
    const ParagrapheEffectif pf = formatParagraphe(paragrapheA(pos));
    float largeur = pointsDeTwips(page.largeur - page.margeGauche - page.margeDroite) - pf.retraitGauche -
                    pf.retraitDroit;
    float taille = formatCaractere(par.debut).taille;
    // Without layout: every character is taken as half the font size wide.
    auto parLigne = static_cast<int32_t>(largeur / std::max(1.0f, taille * 0.5f));
    parLigne = std::max(parLigne, 1);
    int32_t debut = par.debut;
    while (debut < par.fin) {
        int32_t fin = debut + parLigne;
        if (fin >= par.fin - 1) {
            fin = par.fin;  // the rest, mark included
        } else {
            // Break after the last space that fits, else in the middle of the word.
            int32_t coupe = fin;
            while (coupe > debut && texte_[static_cast<size_t>(coupe) - 1] != u' ') --coupe;
            if (coupe > debut) fin = coupe;
            while (fin < par.fin - 1 && texte_[static_cast<size_t>(fin)] == u' ') ++fin;  // spaces hang at line end
        }
        if (pos < fin) return {debut, fin};
        debut = fin;
    }
    return {debut, par.fin};
}

}  // namespace k58204::sim
