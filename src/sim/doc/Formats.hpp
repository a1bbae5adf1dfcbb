#pragma once
// Character and paragraph formatting of the simulated Word document, as the
// model stores it (direct or style-level values, each field optional = "not
// set at this level") and as Word reports it (effective values, and the
// "uniform or mixed" view over a range).
//
// Mixed values: every query over several characters or paragraphs returns
// std::optional<T> per property, std::nullopt meaning "the range mixes several
// values". The automation layer maps nullopt to 9999999 (wdUndefined) for
// numbers and to "" for names, as Word does.
//
// Units: lengths are stored in whole twips (1/20 point), as Word stores them;
// setters that take points round to the nearest twip. Font sizes are stored in
// half points (Word rounds a size to the nearest half point).
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace k58204::sim {

// Word's automatic colour (wdColorAutomatic), for Font.Color and borders.
inline constexpr int32_t CouleurAuto = -16777216;

// Points <-> twips, rounding to the nearest twip (half away from zero).
int32_t twipsDePoints(double points);
inline float pointsDeTwips(int32_t twips) { return static_cast<float>(twips) / 20.0f; }

// Word colours are BGR integers (blue 0x0000FF in RGB is 0xFF0000 = 16711680).
int32_t bgrDeRgb(uint32_t rgb);
uint32_t rgbDeBgr(int32_t bgr);

// WdColorIndex palette (1..16) <-> BGR colour. indexCouleur gives the exact
// palette index of a colour, the nearest palette entry when there is no exact
// match, and 0 for CouleurAuto.
int32_t couleurDIndex(int32_t index);   // 0 -> CouleurAuto
int32_t indexCouleur(int32_t bgr);

// ---------------------------------------------------------------- borders

// Paragraph border sides, in the order the model stores them. Word's
// Borders(i) index is -(cote + 1): top -1, left -2, bottom -3, right -4.
enum class Cote : int32_t { Haut = 0, Gauche = 1, Bas = 2, Droite = 3 };
inline constexpr int32_t NombreCotes = 4;
inline constexpr int32_t indexWordDeCote(Cote c) { return -(static_cast<int32_t>(c) + 1); }
// Word's index -1..-4 to the side; nullopt for another index.
std::optional<Cote> coteDIndexWord(int32_t index);

// WdLineStyle values the model knows (file names in WordML.cpp).
namespace trait {
inline constexpr int32_t Aucun = 0;      // wdLineStyleNone
inline constexpr int32_t Simple = 1;     // wdLineStyleSingle
inline constexpr int32_t Pointille = 2;  // wdLineStyleDot
inline constexpr int32_t TiretsCourts = 3;
inline constexpr int32_t TiretsLongs = 4;
inline constexpr int32_t TiretPoint = 5;
inline constexpr int32_t TiretPointPoint = 6;
inline constexpr int32_t Double = 7;
inline constexpr int32_t Triple = 8;
}  // namespace trait

// Word's default border width when Borders.Enable = True: 1/2 pt (wdLineWidth050pt).
inline constexpr int32_t LargeurBordureParDefaut = 4;

struct Bordure {
    int32_t style = trait::Aucun;  // WdLineStyle; Aucun = no border on that side
    int32_t largeur = 0;           // WdLineWidth: eighths of a point (3/4 pt = 6)
    int32_t couleur = CouleurAuto; // BGR
    int32_t espace = 0;            // distance from text, points

    bool presente() const { return style != trait::Aucun; }
    bool operator==(const Bordure&) const = default;
};

// ---------------------------------------------------------------- characters

// Character formatting at one level of the cascade (document defaults, a
// style, or direct formatting of a run). An absent field inherits.
struct FormatCaractere {
    std::optional<bool> gras;
    std::optional<bool> italique;
    std::optional<int32_t> couleur;          // BGR, or CouleurAuto
    std::optional<std::u16string> police;    // font name (w:rFonts ascii)
    std::optional<int32_t> demiPoints;       // size in half points (12 pt = 24)
    std::optional<int32_t> surlignage;       // WdColorIndex, 0 = none
    // The text's own border (w:bdr): one box around the run, the same on its
    // four sides; Bordure{} = explicitly none.
    std::optional<Bordure> bordure;
    // Proofing language (w:lang val, as written: "FR", "fr-FR"), kept so that a
    // saved document keeps the language it was opened with.
    std::optional<std::u16string> langue;
    // Direct level only: the character style applied to the run (styleId).
    // Empty string = explicitly the default paragraph font.
    std::optional<std::u16string> styleCaractere;

    bool operator==(const FormatCaractere&) const = default;
    bool vide() const { return *this == FormatCaractere{}; }
    // The fields set in `dessus` replace those of *this.
    void fusionner(const FormatCaractere& dessus);
};

// What Word shows for one character once styles and direct formatting are
// resolved.
struct CaractereEffectif {
    bool gras = false;
    bool italique = false;
    int32_t couleur = CouleurAuto;
    std::u16string police;
    float taille = 12.0f;                    // points
    int32_t surlignage = 0;
    Bordure bordure;                         // style Aucun = no character border
    std::u16string styleCaractere;           // style *name*; "" = default paragraph font

    bool operator==(const CaractereEffectif&) const = default;
};

// The same properties over a range: std::nullopt = mixed.
struct CaractereMixte {
    std::optional<bool> gras;
    std::optional<bool> italique;
    std::optional<int32_t> couleur;
    std::optional<std::u16string> police;
    std::optional<float> taille;
    std::optional<int32_t> surlignage;
    std::optional<Bordure> bordure;
    std::optional<std::u16string> styleCaractere;

    bool operator==(const CaractereMixte&) const = default;
};

// ---------------------------------------------------------------- paragraphs

// Line spacing as the file stores it.
enum class RegleLigne : int32_t {
    Auto = 0,     // valeur in 240ths of a line (240 single, 360 one and a half, 480 double)
    Exacte = 1,   // valeur in twips
    AuMoins = 2,  // valeur in twips
};
struct Interligne {
    RegleLigne regle = RegleLigne::Auto;
    int32_t valeur = 240;
    bool operator==(const Interligne&) const = default;

    // WdLineSpacing: single 0, 1.5 lines 1, double 2, at least 3, exactly 4, multiple 5.
    int32_t regleWord() const;
    // Paragraph.LineSpacing in points (for Auto: lines x 12 pt, as Word reports it).
    float points() const { return pointsDeTwips(valeur); }
    // The spacing Word sets for LineSpacingRule = r (keeps the current value
    // for "at least"/"exactly"/"multiple" when it fits, else 12 pt / 1 line).
    static Interligne deRegleWord(int32_t r, const Interligne& actuelle);
};

// Paragraph formatting at one level (defaults, paragraph style, direct).
struct FormatParagraphe {
    // Direct level only: the paragraph style (styleId); absent = the default style.
    std::optional<std::u16string> style;
    std::optional<int32_t> alignement;            // 0 left, 1 centre, 2 right, 3 justified
    std::optional<int32_t> retraitGauche;         // twips
    std::optional<int32_t> retraitDroit;          // twips
    std::optional<int32_t> retraitPremiereLigne;  // twips, negative = hanging
    std::optional<int32_t> espaceAvant;           // twips
    std::optional<int32_t> espaceApres;           // twips
    std::optional<Interligne> interligne;
    std::array<std::optional<Bordure>, NombreCotes> bordures;  // a side set to "no border" is Bordure{}
    std::optional<int32_t> ombrage;               // background fill, BGR; CouleurAuto = none

    bool operator==(const FormatParagraphe&) const = default;
    bool vide() const { return *this == FormatParagraphe{}; }
    void fusionner(const FormatParagraphe& dessus);
};

struct ParagrapheEffectif {
    std::u16string style;                 // style *name* ("Normal")
    int32_t alignement = 0;
    float retraitGauche = 0;              // points
    float retraitDroit = 0;
    float retraitPremiereLigne = 0;
    float espaceAvant = 0;
    float espaceApres = 0;
    int32_t regleInterligne = 0;          // WdLineSpacing
    float interligne = 12;                // points
    std::array<Bordure, NombreCotes> bordures{};
    int32_t ombrage = CouleurAuto;        // BGR, CouleurAuto = none
    int32_t indexOmbrage = 0;             // WdColorIndex of ombrage, 0 = none

    bool operator==(const ParagrapheEffectif&) const = default;
};

// Paragraph properties over several paragraphs: std::nullopt = they differ.
struct ParagrapheMixte {
    std::optional<std::u16string> style;
    std::optional<int32_t> alignement;
    std::optional<float> retraitGauche;
    std::optional<float> retraitDroit;
    std::optional<float> retraitPremiereLigne;
    std::optional<float> espaceAvant;
    std::optional<float> espaceApres;
    std::optional<int32_t> regleInterligne;
    std::optional<float> interligne;
    std::optional<int32_t> indexOmbrage;
    // Borders.Enable: true when every paragraph has all four sides, false
    // when none has any side, nullopt otherwise.
    std::optional<bool> bordures;
    // Border(side).LineWidth: the common width when every paragraph has that
    // side with the same width; nullopt when a paragraph lacks it or widths differ.
    std::array<std::optional<int32_t>, NombreCotes> largeurBordure;
    // Border(side).LineStyle: common style (Aucun included), nullopt when they differ.
    std::array<std::optional<int32_t>, NombreCotes> styleBordure;
};

// ---------------------------------------------------------------- page setup

// Page setup of a section, every length in whole twips.
struct MiseEnPage {
    int32_t orientation = 0;      // 0 portrait, 1 landscape
    int32_t largeur = 11906;      // A4
    int32_t hauteur = 16838;
    int32_t margeHaut = 1417;     // 2.5 cm
    int32_t margeBas = 1417;
    int32_t margeGauche = 1417;
    int32_t margeDroite = 1417;
    int32_t entete = 708;         // header distance
    int32_t pied = 708;           // footer distance
    int32_t reliure = 0;          // gutter

    bool operator==(const MiseEnPage&) const = default;

    // Changing the orientation swaps width and height (only when it changes).
    void definirOrientation(int32_t o);
};

// The document-wide view (Document.PageSetup): nullopt when sections differ.
struct MiseEnPageMixte {
    std::optional<int32_t> orientation;
    std::optional<float> largeur, hauteur;                       // points
    std::optional<float> margeHaut, margeBas, margeGauche, margeDroite;
};

}  // namespace k58204::sim
