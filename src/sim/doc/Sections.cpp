// Sections and page setup of the document model.
#include <algorithm>

#include "sim/doc/Mixte.hpp"
#include "sim/doc/ModeleDocument.hpp"

namespace k58204::sim {

int32_t ModeleDocument::nombreSections() const {
    return static_cast<int32_t>(
        std::count_if(paragraphes_.begin(), paragraphes_.end(), [](const Paragraphe& p) { return p.section >= 0; }));
}

Etendue ModeleDocument::section(int32_t i) const {
    int32_t debut = 0, k = 0;
    for (const auto& p : paragraphes_) {
        if (p.section < 0) continue;
        if (k == i) return {debut, p.fin};
        debut = p.fin;
        ++k;
    }
    return {debut, longueur()};
}

int32_t ModeleDocument::sectionA(int32_t pos) const {
    auto q = static_cast<size_t>(paragrapheA(std::clamp(pos, 0, longueur())));
    int32_t k = 0;
    for (size_t i = 0; i < q; ++i)
        if (paragraphes_[i].section >= 0) ++k;
    return k;
}

const MiseEnPage& ModeleDocument::miseEnPage(int32_t i) const {
    int32_t k = 0;
    for (const auto& p : paragraphes_) {
        if (p.section < 0) continue;
        if (k == i) return pages_[static_cast<size_t>(p.section)];
        ++k;
    }
    return pages_[static_cast<size_t>(paragraphes_.back().section)];
}

void ModeleDocument::modifierMiseEnPage(int32_t i, const std::function<void(MiseEnPage&)>& modif) {
    int32_t k = 0;
    for (const auto& p : paragraphes_) {
        if (p.section < 0) continue;
        if (i < 0 || k == i) modif(pages_[static_cast<size_t>(p.section)]);
        ++k;
    }
    ++version_;
}

MiseEnPageMixte ModeleDocument::miseEnPageDocument() const {
    Melange<int32_t> orientation, largeur, hauteur, haut, bas, gauche, droite;
    for (const auto& p : paragraphes_) {
        if (p.section < 0) continue;
        const auto& m = pages_[static_cast<size_t>(p.section)];
        orientation.ajoute(m.orientation);
        largeur.ajoute(m.largeur);
        hauteur.ajoute(m.hauteur);
        haut.ajoute(m.margeHaut);
        bas.ajoute(m.margeBas);
        gauche.ajoute(m.margeGauche);
        droite.ajoute(m.margeDroite);
    }
    auto pts = [](const Melange<int32_t>& v) -> std::optional<float> {
        if (!v.valeur()) return std::nullopt;
        return pointsDeTwips(*v.valeur());
    };
    MiseEnPageMixte r;
    r.orientation = orientation.valeur();
    r.largeur = pts(largeur);
    r.hauteur = pts(hauteur);
    r.margeHaut = pts(haut);
    r.margeBas = pts(bas);
    r.margeGauche = pts(gauche);
    r.margeDroite = pts(droite);
    return r;
}

int32_t ModeleDocument::insererSautDeSection(int32_t pos) {
    pos = std::clamp(pos, 0, longueur() - 1);
    MiseEnPage page = miseEnPage(sectionA(pos));
    int32_t fin = insererParagraphe(pos);
    pages_.push_back(page);
    paragraphes_[static_cast<size_t>(paragrapheA(pos))].section = static_cast<int32_t>(pages_.size() - 1);
    return fin;
}

}  // namespace k58204::sim
