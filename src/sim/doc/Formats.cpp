#include "sim/doc/Formats.hpp"

#include <cmath>
#include <limits>
#include <utility>

namespace k58204::sim {

int32_t twipsDePoints(double points) {
    double t = std::round(points * 20.0);
    if (!(t > -2e9)) return -2000000000;  // also catches NaN
    if (t > 2e9) return 2000000000;
    return static_cast<int32_t>(t);
}

int32_t bgrDeRgb(uint32_t rgb) {
    uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return static_cast<int32_t>((b << 16) | (g << 8) | r);
}

uint32_t rgbDeBgr(int32_t bgr) {
    auto u = static_cast<uint32_t>(bgr);
    uint32_t b = (u >> 16) & 0xFF, g = (u >> 8) & 0xFF, r = u & 0xFF;
    return (r << 16) | (g << 8) | b;
}

namespace {
// WdColorIndex 1..16 as RGB.
constexpr uint32_t Palette[17] = {
    0,         // 0 auto (unused)
    0x000000,  // 1 black
    0x0000FF,  // 2 blue
    0x00FFFF,  // 3 turquoise
    0x00FF00,  // 4 bright green
    0xFF00FF,  // 5 pink
    0xFF0000,  // 6 red
    0xFFFF00,  // 7 yellow
    0xFFFFFF,  // 8 white
    0x000080,  // 9 dark blue
    0x008080,  // 10 teal
    0x008000,  // 11 green
    0x800080,  // 12 violet
    0x800000,  // 13 dark red
    0x808000,  // 14 dark yellow
    0x808080,  // 15 gray 50%
    0xC0C0C0,  // 16 gray 25%
};
}  // namespace

int32_t couleurDIndex(int32_t index) {
    if (index < 1 || index > 16) return CouleurAuto;
    return bgrDeRgb(Palette[index]);
}

int32_t indexCouleur(int32_t bgr) {
    if (bgr == CouleurAuto) return 0;
    uint32_t rgb = rgbDeBgr(bgr);
    int32_t meilleur = 1;
    long meilleureDistance = std::numeric_limits<long>::max();
    for (int32_t i = 1; i <= 16; ++i) {
        long dr = static_cast<long>((rgb >> 16) & 0xFF) - static_cast<long>((Palette[i] >> 16) & 0xFF);
        long dg = static_cast<long>((rgb >> 8) & 0xFF) - static_cast<long>((Palette[i] >> 8) & 0xFF);
        long db = static_cast<long>(rgb & 0xFF) - static_cast<long>(Palette[i] & 0xFF);
        long d = dr * dr + dg * dg + db * db;
        if (d < meilleureDistance) {
            meilleureDistance = d;
            meilleur = i;
        }
    }
    return meilleur;
}

void FormatCaractere::fusionner(const FormatCaractere& d) {
    if (d.gras) gras = d.gras;
    if (d.italique) italique = d.italique;
    if (d.couleur) couleur = d.couleur;
    if (d.police) police = d.police;
    if (d.demiPoints) demiPoints = d.demiPoints;
    if (d.surlignage) surlignage = d.surlignage;
    if (d.bordure) bordure = d.bordure;
    if (d.langue) langue = d.langue;
    if (d.styleCaractere) styleCaractere = d.styleCaractere;
}

std::optional<Cote> coteDIndexWord(int32_t index) {
    if (index < -4 || index > -1) return std::nullopt;
    return static_cast<Cote>(-index - 1);
}

int32_t Interligne::regleWord() const {
    switch (regle) {
    case RegleLigne::Exacte: return 4;
    case RegleLigne::AuMoins: return 3;
    case RegleLigne::Auto: break;
    }
    if (valeur == 240) return 0;
    if (valeur == 360) return 1;
    if (valeur == 480) return 2;
    return 5;
}

Interligne Interligne::deRegleWord(int32_t r, const Interligne& actuelle) {
    switch (r) {
    case 0: return {RegleLigne::Auto, 240};
    case 1: return {RegleLigne::Auto, 360};
    case 2: return {RegleLigne::Auto, 480};
    case 3:
    case 4: {
        // Word keeps the current height when it is already a height in points,
        // else takes 12 pt.
        int32_t v = actuelle.regle == RegleLigne::Auto ? 240 : actuelle.valeur;
        return {r == 3 ? RegleLigne::AuMoins : RegleLigne::Exacte, v};
    }
    default:
        // Multiple: keep the current number of lines.
        return {RegleLigne::Auto, actuelle.regle == RegleLigne::Auto ? actuelle.valeur : 240};
    }
}

void FormatParagraphe::fusionner(const FormatParagraphe& d) {
    if (d.style) style = d.style;
    if (d.alignement) alignement = d.alignement;
    if (d.retraitGauche) retraitGauche = d.retraitGauche;
    if (d.retraitDroit) retraitDroit = d.retraitDroit;
    if (d.retraitPremiereLigne) retraitPremiereLigne = d.retraitPremiereLigne;
    if (d.espaceAvant) espaceAvant = d.espaceAvant;
    if (d.espaceApres) espaceApres = d.espaceApres;
    if (d.interligne) interligne = d.interligne;
    for (size_t i = 0; i < bordures.size(); ++i)
        if (d.bordures[i]) bordures[i] = d.bordures[i];
    if (d.ombrage) ombrage = d.ombrage;
}

void MiseEnPage::definirOrientation(int32_t o) {
    if (o != 0 && o != 1) return;
    if (o == orientation) return;
    orientation = o;
    std::swap(largeur, hauteur);
}

}  // namespace k58204::sim
