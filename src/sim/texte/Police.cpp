// Word's Font object over a span: Bold, Italic, Color, ColorIndex, Name,
// Size, and Borders (the text's own border). A mixed span gives 9999999 (Name: ""). The paragraph marks of the
// span count as its characters.
//
// Choices where the references are silent: a size outside 1 to 1638 points,
// a colour that is neither automatic nor a BGR value, a colour index outside
// 0 to 16 raise 4608; an empty font name changes nothing.
#include <cmath>

#include "sim/texte/Edition.hpp"
#include "sim/texte/Fabrique.hpp"

namespace k58204::sim {

namespace {

inline constexpr float TailleMin = 1.0f;
inline constexpr float TailleMax = 1638.0f;
inline constexpr int32_t CouleurMax = 0xFFFFFF;

class ObjetFont final : public ObjetTexte {
public:
    ObjetFont(DocumentPtr doc, SourceEtendue source) : ObjetTexte(std::move(doc)), source_(std::move(source)) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        const Etendue e = source_();
        auto actuel = [&] { return lecture().formatCaracteres(e.debut, e.fin); };
        const bool lire = estLecture(appel);
        FormatCaractere modif;
        if (estNom(nom, u"Bold") || estNom(nom, u"Italic")) {
            const bool gras = estNom(nom, u"Bold");
            const std::optional<bool> v = gras ? actuel().gras : actuel().italique;
            if (lire) return booleenWord(v);
            (gras ? modif.gras : modif.italique) = booleenPut(args.valeurPut(), v);
        } else if (estNom(nom, u"Color")) {
            if (lire) return longOuIndefini(actuel().couleur);
            const int32_t c = args.valeurPut().CLng();
            if (c != CouleurAuto && (c < 0 || c > CouleurMax)) leveErreurWord(wderr::ValeurHorsLimites);
            modif.couleur = c;
        } else if (estNom(nom, u"ColorIndex")) {
            if (lire) {
                auto c = actuel().couleur;
                return longOuIndefini(c ? std::optional<int32_t>(indexCouleur(*c)) : std::nullopt);
            }
            const int32_t i = args.valeurPut().CLng();
            if (i < 0 || i > 16) leveErreurWord(wderr::ValeurHorsLimites);
            modif.couleur = couleurDIndex(i);
        } else if (estNom(nom, u"Name")) {
            if (lire) return texteOuVide(actuel().police);
            std::u16string n = args.valeurPut().CStr();
            if (n.empty()) return Variant();
            modif.police = std::move(n);
        } else if (estNom(nom, u"Size")) {
            if (lire) return singleOuIndefini(actuel().taille);
            const float t = args.valeurPut().CSng();
            if (!(t >= TailleMin && t <= TailleMax)) leveErreurWord(wderr::ValeurHorsLimites);
            // Word keeps sizes to the half point.
            modif.demiPoints = static_cast<int32_t>(std::lround(t * 2.0f));
        } else {
            if (lire && estNom(nom, u"Application")) return objetApplication();
            if (lire && estNom(nom, u"Borders")) return collectionOuItem(creeBordersTexte(docPtr(), source_), args);
            return std::nullopt;
        }
        edition::avantMiseEnForme(doc());
        doc().modele.appliquerCaracteres(e.debut, e.fin, modif);
        return Variant();
    }

private:
    SourceEtendue source_;
};

}  // namespace

ObjetPtr creeFont(const DocumentPtr& doc, SourceEtendue source) {
    return std::make_shared<ObjetFont>(doc, std::move(source));
}

}  // namespace k58204::sim
