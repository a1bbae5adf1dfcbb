// Borders, Border and Shading. Borders are of two kinds, as in Word:
// - paragraph borders (ParagraphFormat.Borders, Paragraphs.Borders), one per
//   side of each paragraph the span touches;
// - the text's own border (Font.Borders), one box around the characters, the
//   same on its four sides: setting one side's width or style sets the box's.
// Range.Borders and Selection.Borders are the text's own borders when the
// span lies inside one paragraph without reaching its mark, and the
// paragraphs' borders when it includes a paragraph mark or spans paragraphs.
// Shading is the paragraphs' (the model keeps no character shading).
//
// Choices where the references are silent:
// - A collapsed span (an insertion point) reaches its paragraph's borders, as
//   the Borders and Shading dialog applies to the paragraph when nothing is
//   selected.
// - Changing the width or style of a character border over text whose
//   borders differ gives the whole span one box: the common border when there
//   is one, else a new single box.
// - Borders.Count is 4 (the four sides the model keeps); Borders(i) for an
//   index other than -1 to -4 raises 5941.
// - Setting LineWidth on a side without a border puts a single border of that
//   width there; setting LineStyle on such a side uses the default width.
// - A width other than Word's WdLineWidth values, or a line style the model
//   does not know, raises 4608.
#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "sim/texte/Edition.hpp"
#include "sim/texte/Fabrique.hpp"
#include "sim/doc/Mixte.hpp"

namespace k58204::sim {

namespace {

constexpr std::array<int32_t, 9> LargeursWord{2, 4, 6, 8, 12, 18, 24, 36, 48};

bool largeurValide(int32_t l) { return std::find(LargeursWord.begin(), LargeursWord.end(), l) != LargeursWord.end(); }

// Options.DefaultBorderLineWidth of the application, else Word's default 1/2 pt.
int32_t largeurParDefaut(const DocumentOuvert& d) {
    if (!d.contexte) return LargeurBordureParDefaut;
    try {
        ObjetPtr options = d.contexte->application()->get(u"Options").objet();
        const int32_t l = options->get(u"DefaultBorderLineWidth").CLng();
        if (largeurValide(l)) return l;
    } catch (const Erreur&) {
        // An application without that option: Word's default.
    }
    return LargeurBordureParDefaut;
}

// A new border on side c, as Borders.Enable draws it.
Bordure nouvelleBordure(Cote c, int32_t largeur) {
    Bordure b;
    b.style = trait::Simple;
    b.largeur = largeur;
    b.espace = (c == Cote::Haut || c == Cote::Bas) ? 1 : 4;
    return b;
}

// A new box around text, as Font.Borders.Enable draws it.
Bordure nouvelleBordureTexte(int32_t largeur) {
    Bordure b;
    b.style = trait::Simple;
    b.largeur = largeur;
    return b;
}

// Which borders a Borders object reaches.
enum class Portee {
    Paragraphes,   // ParagraphFormat.Borders
    Texte,         // Font.Borders
    SelonEtendue,  // Range.Borders, Selection.Borders: decided by the span
};

// Whether a Borders object of portee reaches the text's own border for span e:
// inside one paragraph, not empty, and short of its mark.
bool surTexte(const ModeleDocument& m, Etendue e, Portee portee) {
    if (portee != Portee::SelonEtendue) return portee == Portee::Texte;
    if (e.debut >= e.fin) return false;
    const int32_t p = m.paragrapheA(e.debut);
    return e.fin < m.paragraphe(p).fin;
}

// The text's common border over e (nullopt when the characters differ).
std::optional<Bordure> bordureTexte(const ModeleDocument& m, Etendue e) {
    return m.formatCaracteres(e.debut, e.fin).bordure;
}

// Gives the text of e one box: its current one (or a new one) with the width
// or style changed; style Aucun removes it.
void changeBordureTexte(DocumentOuvert& d, Etendue e, std::optional<int32_t> largeur, std::optional<int32_t> style) {
    std::optional<Bordure> actuelle = bordureTexte(d.modele, e);
    Bordure b = actuelle && actuelle->presente() ? *actuelle : nouvelleBordureTexte(largeurParDefaut(d));
    if (style && *style == trait::Aucun) {
        b = Bordure{};
    } else {
        if (style) b.style = *style;
        if (largeur) b.largeur = *largeur;
    }
    FormatCaractere modif;
    modif.bordure = b;
    edition::avantMiseEnForme(d);
    d.modele.appliquerCaracteres(e.debut, e.fin, modif);
}

// Border.LineWidth / LineStyle of the text's box: 9999999 when mixed; a
// width also 9999999 when there is no box.
std::optional<int32_t> largeurTexte(const ModeleDocument& m, Etendue e) {
    std::optional<Bordure> b = bordureTexte(m, e);
    return b && b->presente() ? std::optional<int32_t>(b->largeur) : std::nullopt;
}
std::optional<int32_t> styleTexte(const ModeleDocument& m, Etendue e) {
    std::optional<Bordure> b = bordureTexte(m, e);
    return b ? std::optional<int32_t>(b->style) : std::nullopt;
}

// Applies to each paragraph of e the change `f` makes from its own formatting.
void pourChaqueParagraphe(DocumentOuvert& d, Etendue e,
                          const std::function<FormatParagraphe(const ParagrapheEffectif&)>& f) {
    edition::avantMiseEnForme(d);
    ModeleDocument& m = d.modele;
    auto [premier, dernier] = std::as_const(m).paragraphesDe(e.debut, e.fin);
    for (int32_t i = premier; i <= dernier; ++i) {
        const Etendue p = std::as_const(m).paragraphe(i);
        m.appliquerParagraphes(p.debut, p.debut, f(std::as_const(m).formatParagraphe(i)));
    }
}

// Sets the width (or, with style, the line style) of the sides `cotes`.
void changeCotes(DocumentOuvert& d, Etendue e, const std::vector<Cote>& cotes, std::optional<int32_t> largeur,
                 std::optional<int32_t> style) {
    const int32_t parDefaut = largeurParDefaut(d);
    pourChaqueParagraphe(d, e, [&](const ParagrapheEffectif& p) {
        FormatParagraphe modif;
        for (Cote c : cotes) {
            Bordure b = p.bordures[static_cast<size_t>(c)];
            if (style && *style == trait::Aucun) {
                b = Bordure{};
            } else {
                if (!b.presente()) b = nouvelleBordure(c, parDefaut);
                if (style) b.style = *style;
                if (largeur) b.largeur = *largeur;
            }
            modif.bordures[static_cast<size_t>(c)] = b;
        }
        return modif;
    });
}

int32_t largeurPut(const ArgumentsSim& args) {
    const int32_t l = args.valeurPut().CLng();
    if (!largeurValide(l)) leveErreurWord(wderr::ValeurHorsLimites);
    return l;
}

int32_t stylePut(const ArgumentsSim& args) {
    const int32_t s = args.valeurPut().CLng();
    if (s < trait::Aucun || s > trait::Triple) leveErreurWord(wderr::ValeurHorsLimites);
    return s;
}

const std::vector<Cote> QuatreCotes{Cote::Haut, Cote::Gauche, Cote::Bas, Cote::Droite};

class ObjetBorder final : public ObjetTexte {
public:
    ObjetBorder(DocumentPtr doc, SourceEtendue source, Cote cote, Portee portee)
        : ObjetTexte(std::move(doc)), source_(std::move(source)), cote_(cote), portee_(portee) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        const Etendue e = source_();
        const auto c = static_cast<size_t>(cote_);
        const bool texte = surTexte(lecture(), e, portee_);
        if (estNom(nom, u"LineWidth")) {
            if (estLecture(appel))
                return longOuIndefini(texte ? largeurTexte(lecture(), e)
                                            : lecture().formatParagraphes(e.debut, e.fin).largeurBordure[c]);
            if (texte) changeBordureTexte(doc(), e, largeurPut(args), std::nullopt);
            else changeCotes(doc(), e, {cote_}, largeurPut(args), std::nullopt);
            return Variant();
        }
        if (estNom(nom, u"LineStyle")) {
            if (estLecture(appel))
                return longOuIndefini(texte ? styleTexte(lecture(), e)
                                            : lecture().formatParagraphes(e.debut, e.fin).styleBordure[c]);
            if (texte) changeBordureTexte(doc(), e, std::nullopt, stylePut(args));
            else changeCotes(doc(), e, {cote_}, std::nullopt, stylePut(args));
            return Variant();
        }
        if (!estLecture(appel)) return std::nullopt;
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }

private:
    SourceEtendue source_;
    Cote cote_;
    Portee portee_;
};

class ObjetBorders final : public ObjetTexte {
public:
    ObjetBorders(DocumentPtr doc, SourceEtendue source, Portee portee)
        : ObjetTexte(std::move(doc)), source_(std::move(source)), portee_(portee) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        const Etendue e = source_();
        auto mixte = [&] { return lecture().formatParagraphes(e.debut, e.fin); };
        const bool texte = surTexte(lecture(), e, portee_);
        if (estNom(nom, u"Enable")) {
            if (texte) {
                if (estLecture(appel)) {
                    std::optional<Bordure> b = bordureTexte(lecture(), e);
                    return booleenWord(b ? std::optional<bool>(b->presente()) : std::nullopt);
                }
                FormatCaractere modif;
                modif.bordure = args.valeurPut().CBool() ? nouvelleBordureTexte(largeurParDefaut(doc())) : Bordure{};
                edition::avantMiseEnForme(doc());
                doc().modele.appliquerCaracteres(e.debut, e.fin, modif);
                return Variant();
            }
            if (estLecture(appel)) return booleenWord(mixte().bordures);
            const bool actif = args.valeurPut().CBool();
            edition::avantMiseEnForme(doc());
            doc().modele.activerBordures(e.debut, e.fin, actif, largeurParDefaut(doc()));
            return Variant();
        }
        if (texte && (estNom(nom, u"OutsideLineWidth") || estNom(nom, u"OutsideLineStyle"))) {
            const bool largeur = estNom(nom, u"OutsideLineWidth");
            if (estLecture(appel))
                return longOuIndefini(largeur ? largeurTexte(lecture(), e) : styleTexte(lecture(), e));
            if (largeur) changeBordureTexte(doc(), e, largeurPut(args), std::nullopt);
            else changeBordureTexte(doc(), e, std::nullopt, stylePut(args));
            return Variant();
        }
        if (estNom(nom, u"OutsideLineWidth") || estNom(nom, u"OutsideLineStyle")) {
            const bool largeur = estNom(nom, u"OutsideLineWidth");
            if (estLecture(appel)) {
                const ParagrapheMixte m = mixte();
                Melange<int32_t> commun;
                for (size_t c = 0; c < NombreCotes; ++c) {
                    const auto& v = largeur ? m.largeurBordure[c] : m.styleBordure[c];
                    commun.ajoute(v ? *v : -1);
                }
                const auto v = commun.valeur();
                return longOuIndefini(v && *v >= 0 ? v : std::nullopt);
            }
            if (largeur) changeCotes(doc(), e, QuatreCotes, largeurPut(args), std::nullopt);
            else changeCotes(doc(), e, QuatreCotes, std::nullopt, stylePut(args));
            return Variant();
        }
        if (!estLecture(appel)) return std::nullopt;
        if (estNom(nom, u"Count")) return Variant(NombreCotes);
        if (estNom(nom, u"Item") || (nom.empty() && !args.vide())) {
            auto cote = coteDIndexWord(args.requis(0, u"Index").CLng());
            if (!cote) leveErreurWord(wderr::MembreInexistant);
            return Variant(ObjetPtr(std::make_shared<ObjetBorder>(docPtr(), source_, *cote, portee_)));
        }
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }

private:
    SourceEtendue source_;
    Portee portee_;
};

class ObjetShading final : public ObjetTexte {
public:
    ObjetShading(DocumentPtr doc, SourceEtendue source) : ObjetTexte(std::move(doc)), source_(std::move(source)) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        const Etendue e = source_();
        std::optional<int32_t> couleur;
        if (estNom(nom, u"BackgroundPatternColorIndex")) {
            if (estLecture(appel)) return longOuIndefini(lecture().formatParagraphes(e.debut, e.fin).indexOmbrage);
            const int32_t i = args.valeurPut().CLng();
            if (i < 0 || i > 16) leveErreurWord(wderr::ValeurHorsLimites);
            couleur = couleurDIndex(i);
        } else if (estNom(nom, u"BackgroundPatternColor")) {
            if (estLecture(appel)) return longOuIndefini(couleurCommune(e));
            const int32_t c = args.valeurPut().CLng();
            if (c != CouleurAuto && (c < 0 || c > 0xFFFFFF)) leveErreurWord(wderr::ValeurHorsLimites);
            couleur = c;
        } else {
            if (estLecture(appel) && estNom(nom, u"Application")) return objetApplication();
            return std::nullopt;
        }
        FormatParagraphe modif;
        modif.ombrage = couleur;
        edition::avantMiseEnForme(doc());
        doc().modele.appliquerParagraphes(e.debut, e.fin, modif);
        return Variant();
    }

private:
    std::optional<int32_t> couleurCommune(Etendue e) const {
        const ModeleDocument& m = lecture();
        auto [premier, dernier] = m.paragraphesDe(e.debut, e.fin);
        Melange<int32_t> commun;
        for (int32_t i = premier; i <= dernier; ++i) commun.ajoute(m.formatParagraphe(i).ombrage);
        return commun.valeur();
    }

    SourceEtendue source_;
};

}  // namespace

ObjetPtr creeBorders(const DocumentPtr& doc, SourceEtendue source) {
    return std::make_shared<ObjetBorders>(doc, std::move(source), Portee::Paragraphes);
}

ObjetPtr creeBordersTexte(const DocumentPtr& doc, SourceEtendue source) {
    return std::make_shared<ObjetBorders>(doc, std::move(source), Portee::Texte);
}

ObjetPtr creeBordersPlage(const DocumentPtr& doc, SourceEtendue source) {
    return std::make_shared<ObjetBorders>(doc, std::move(source), Portee::SelonEtendue);
}

ObjetPtr creeShading(const DocumentPtr& doc, SourceEtendue source) {
    return std::make_shared<ObjetShading>(doc, std::move(source));
}

}  // namespace k58204::sim
