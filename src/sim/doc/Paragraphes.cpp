// Paragraph queries and paragraph formatting of the document model.
#include <algorithm>

#include "sim/doc/Mixte.hpp"
#include "sim/doc/ModeleDocument.hpp"

namespace k58204::sim {

int32_t ModeleDocument::paragrapheA(int32_t pos) const {
    auto it = std::upper_bound(paragraphes_.begin(), paragraphes_.end(), pos,
                               [](int32_t p, const Paragraphe& q) { return p < q.fin; });
    if (it == paragraphes_.end()) return nombreParagraphes() - 1;
    return static_cast<int32_t>(it - paragraphes_.begin());
}

Etendue ModeleDocument::paragraphe(int32_t i) const {
    i = std::clamp(i, 0, nombreParagraphes() - 1);
    int32_t debut = i == 0 ? 0 : paragraphes_[static_cast<size_t>(i) - 1].fin;
    return {debut, paragraphes_[static_cast<size_t>(i)].fin};
}

std::pair<int32_t, int32_t> ModeleDocument::paragraphesDe(int32_t debut, int32_t fin) const {
    auto [a, b] = borne(debut, fin);
    int32_t premier = paragrapheA(a);
    int32_t dernier = b > a ? paragrapheA(b - 1) : premier;
    return {premier, dernier};
}

const FormatParagraphe& ModeleDocument::formatParagrapheDirect(int32_t i) const {
    i = std::clamp(i, 0, nombreParagraphes() - 1);
    return formatsParagraphe_[static_cast<size_t>(paragraphes_[static_cast<size_t>(i)].format)];
}

ParagrapheEffectif ModeleDocument::formatParagraphe(int32_t i) const {
    return styles_.paragraphe(formatParagrapheDirect(i));
}

ParagrapheMixte ModeleDocument::formatParagraphes(int32_t debut, int32_t fin) const {
    auto [premier, dernier] = paragraphesDe(debut, fin);
    Melange<std::u16string> style;
    Melange<int32_t> alignement, regle, ombrage;
    Melange<float> gauche, droit, premiere, avant, apres, interligne;
    std::array<Melange<int32_t>, NombreCotes> largeur, trait;
    bool toutes = true, aucune = true;
    int32_t dernierFormat = -1;
    for (int32_t i = premier; i <= dernier; ++i) {
        int32_t f = paragraphes_[static_cast<size_t>(i)].format;
        if (f == dernierFormat) continue;  // same stored format, same values
        dernierFormat = f;
        ParagrapheEffectif e = formatParagraphe(i);
        style.ajoute(e.style);
        alignement.ajoute(e.alignement);
        regle.ajoute(e.regleInterligne);
        ombrage.ajoute(e.indexOmbrage);
        gauche.ajoute(e.retraitGauche);
        droit.ajoute(e.retraitDroit);
        premiere.ajoute(e.retraitPremiereLigne);
        avant.ajoute(e.espaceAvant);
        apres.ajoute(e.espaceApres);
        interligne.ajoute(e.interligne);
        for (size_t c = 0; c < NombreCotes; ++c) {
            const Bordure& b = e.bordures[c];
            toutes = toutes && b.presente();
            aucune = aucune && !b.presente();
            trait[c].ajoute(b.style);
            // A side without a border has no width: it makes the width undefined.
            largeur[c].ajoute(b.presente() ? b.largeur : -1);
        }
    }
    ParagrapheMixte m;
    m.style = style.valeur();
    m.alignement = alignement.valeur();
    m.retraitGauche = gauche.valeur();
    m.retraitDroit = droit.valeur();
    m.retraitPremiereLigne = premiere.valeur();
    m.espaceAvant = avant.valeur();
    m.espaceApres = apres.valeur();
    m.regleInterligne = regle.valeur();
    m.interligne = interligne.valeur();
    m.indexOmbrage = ombrage.valeur();
    if (toutes) m.bordures = true;
    else if (aucune) m.bordures = false;
    for (size_t c = 0; c < NombreCotes; ++c) {
        m.styleBordure[c] = trait[c].valeur();
        if (largeur[c].valeur() && *largeur[c].valeur() >= 0) m.largeurBordure[c] = largeur[c].valeur();
    }
    return m;
}

void ModeleDocument::appliquerParagraphes(int32_t debut, int32_t fin, const FormatParagraphe& modif) {
    if (modif.vide()) return;
    auto [premier, dernier] = paragraphesDe(debut, fin);
    for (int32_t i = premier; i <= dernier; ++i) {
        auto& p = paragraphes_[static_cast<size_t>(i)];
        FormatParagraphe f = formatsParagraphe_[static_cast<size_t>(p.format)];
        // Applying a paragraph style clears the paragraph's direct formatting,
        // as Word does; the other fields of modif then apply on top.
        if (modif.style) f = FormatParagraphe{};
        f.fusionner(modif);
        p.format = interneParagraphe(f);
    }
    ++version_;
}

void ModeleDocument::activerBordures(int32_t debut, int32_t fin, bool actif, int32_t largeur) {
    FormatParagraphe modif;
    for (size_t c = 0; c < NombreCotes; ++c) {
        Bordure b;
        if (actif) {
            b.style = trait::Simple;
            b.largeur = largeur;
            // Word's distances from the text: 1 pt above and below, 4 pt at the sides.
            b.espace = (c == static_cast<size_t>(Cote::Haut) || c == static_cast<size_t>(Cote::Bas)) ? 1 : 4;
        }
        modif.bordures[c] = b;
    }
    appliquerParagraphes(debut, fin, modif);
}

bool ModeleDocument::appliquerStyle(int32_t debut, int32_t fin, std::u16string_view nomOuId) {
    const Style* s = styles_.parId(nomOuId);
    if (!s) s = styles_.parNom(nomOuId);
    if (!s) return false;
    if (s->type == TypeStyle::Paragraphe) {
        FormatParagraphe modif;
        modif.style = s->id;
        appliquerParagraphes(debut, fin, modif);
    } else {
        FormatCaractere modif;
        modif.styleCaractere = s->id;
        appliquerCaracteres(debut, fin, modif);
    }
    return true;
}

}  // namespace k58204::sim
