#include "sim/texte/ProprietesParagraphe.hpp"

#include <array>
#include <functional>

#include "sim/texte/Edition.hpp"
#include "sim/texte/Fabrique.hpp"

namespace k58204::sim {

namespace {

// Lengths in points, stored in twips. Limits: Word accepts indents within
// 22 inches either way and spacing from 0 to 22 inches (choice: a value
// outside raises 4608).
struct Longueur {
    std::u16string_view nom;
    std::optional<float> ParagrapheMixte::*mixte;
    std::optional<int32_t> FormatParagraphe::*champ;
    float minimum;
};
inline constexpr float Maximum = 1584.0f;
const std::array<Longueur, 5> Longueurs{{
    {u"LeftIndent", &ParagrapheMixte::retraitGauche, &FormatParagraphe::retraitGauche, -Maximum},
    {u"RightIndent", &ParagrapheMixte::retraitDroit, &FormatParagraphe::retraitDroit, -Maximum},
    {u"FirstLineIndent", &ParagrapheMixte::retraitPremiereLigne, &FormatParagraphe::retraitPremiereLigne, -Maximum},
    {u"SpaceBefore", &ParagrapheMixte::espaceAvant, &FormatParagraphe::espaceAvant, 0.0f},
    {u"SpaceAfter", &ParagrapheMixte::espaceApres, &FormatParagraphe::espaceApres, 0.0f},
}};

// WdParagraphAlignment: 0 left ... 3 justify, 4 distribute, 5 to 9 the
// justification variants.
inline constexpr int32_t AlignementMax = 9;
// WdLineSpacing: single 0 ... multiple 5.
inline constexpr int32_t RegleMax = 5;

float pointsPut(const ArgumentsSim& args, float minimum, float maximum) {
    const float v = args.valeurPut().CSng();
    if (!(v >= minimum && v <= maximum)) leveErreurWord(wderr::ValeurHorsLimites);
    return v;
}

// The line spacing as the file stores it, from what Word reports.
Interligne interligneDe(const ParagrapheEffectif& p) {
    RegleLigne r = p.regleInterligne == 3 ? RegleLigne::AuMoins
                   : p.regleInterligne == 4 ? RegleLigne::Exacte
                                            : RegleLigne::Auto;
    // For Auto, 240ths of a line: 12 points a line, the same number as twips.
    return {r, twipsDePoints(p.interligne)};
}

// Changes the line spacing of each paragraph of e from its own current one.
void changeInterligne(ModeleDocument& m, Etendue e, const std::function<Interligne(const Interligne&)>& f) {
    auto [premier, dernier] = m.paragraphesDe(e.debut, e.fin);
    for (int32_t i = premier; i <= dernier; ++i) {
        FormatParagraphe modif;
        modif.interligne = f(interligneDe(m.formatParagraphe(i)));
        const Etendue p = m.paragraphe(i);
        m.appliquerParagraphes(p.debut, p.debut, modif);
    }
}

}  // namespace

std::optional<Variant> proprieteParagraphe(const DocumentPtr& doc, const SourceEtendue& source,
                                           std::u16string_view nom, Appel appel, const ArgumentsSim& args) {
    const ModeleDocument& lecture = doc->modele;
    auto mixte = [&] {
        const Etendue e = source();
        return lecture.formatParagraphes(e.debut, e.fin);
    };
    auto applique = [&](const FormatParagraphe& modif) {
        edition::avantMiseEnForme(*doc);
        const Etendue e = source();
        doc->modele.appliquerParagraphes(e.debut, e.fin, modif);
    };

    for (const Longueur& l : Longueurs) {
        if (!estNom(nom, l.nom)) continue;
        if (estLecture(appel)) return singleOuIndefini(mixte().*l.mixte);
        const float v = pointsPut(args, l.minimum, Maximum);
        FormatParagraphe modif;
        modif.*l.champ = twipsDePoints(v);
        applique(modif);
        return Variant();
    }
    if (estNom(nom, u"Alignment")) {
        if (estLecture(appel)) return longOuIndefini(mixte().alignement);
        const int32_t v = args.valeurPut().CLng();
        if (v < 0 || v > AlignementMax) leveErreurWord(wderr::ValeurHorsLimites);
        FormatParagraphe modif;
        modif.alignement = v;
        applique(modif);
        return Variant();
    }
    if (estNom(nom, u"LineSpacingRule")) {
        if (estLecture(appel)) return longOuIndefini(mixte().regleInterligne);
        const int32_t r = args.valeurPut().CLng();
        if (r < 0 || r > RegleMax) leveErreurWord(wderr::ValeurHorsLimites);
        edition::avantMiseEnForme(*doc);
        changeInterligne(doc->modele, source(), [r](const Interligne& a) { return Interligne::deRegleWord(r, a); });
        return Variant();
    }
    if (estNom(nom, u"LineSpacing")) {
        if (estLecture(appel)) return singleOuIndefini(mixte().interligne);
        // A height in points keeps an "at least" / "exactly" rule; on a rule
        // counted in lines it becomes that many twelfths of a line.
        const float v = pointsPut(args, 0.0f, Maximum);
        if (v <= 0.0f) leveErreurWord(wderr::ValeurHorsLimites);
        edition::avantMiseEnForme(*doc);
        changeInterligne(doc->modele, source(),
                         [v](const Interligne& a) { return Interligne{a.regle, twipsDePoints(v)}; });
        return Variant();
    }
    if (!estLecture(appel)) return std::nullopt;
    if (estNom(nom, u"Borders")) return collectionOuElement(creeBorders(doc, source), args);
    if (estNom(nom, u"Shading")) return Variant(creeShading(doc, source));
    return std::nullopt;
}

}  // namespace k58204::sim
