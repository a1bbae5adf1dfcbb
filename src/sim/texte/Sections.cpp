// Sections, Section and PageSetup. The document's PageSetup covers every
// section: a value the sections do not share reads 9999999, and a change goes
// to all of them. Lengths are Singles in points, kept in whole twips (5 cm =
// 141.75 pt). Changing Orientation swaps the page's width and height.
//
// Choices where the references are silent: margins, distances and page sizes
// beyond 22 inches (1584 pt), negative left/right margins, distances or sizes
// and an orientation other than 0 or 1 raise 4608; a Section whose section no
// longer exists raises 5825.
#include <array>
#include <functional>

#include "sim/doc/Mixte.hpp"
#include "sim/texte/Edition.hpp"
#include "sim/texte/Fabrique.hpp"

namespace k58204::sim {

namespace {

inline constexpr float Maximum = 1584.0f;

struct Longueur {
    std::u16string_view nom;
    int32_t MiseEnPage::*champ;
    float minimum;
};
const std::array<Longueur, 9> Longueurs{{
    {u"TopMargin", &MiseEnPage::margeHaut, -Maximum},
    {u"BottomMargin", &MiseEnPage::margeBas, -Maximum},
    {u"LeftMargin", &MiseEnPage::margeGauche, 0.0f},
    {u"RightMargin", &MiseEnPage::margeDroite, 0.0f},
    {u"PageWidth", &MiseEnPage::largeur, 1.0f},
    {u"PageHeight", &MiseEnPage::hauteur, 1.0f},
    {u"HeaderDistance", &MiseEnPage::entete, 0.0f},
    {u"FooterDistance", &MiseEnPage::pied, 0.0f},
    {u"Gutter", &MiseEnPage::reliure, 0.0f},
}};

class ObjetPageSetup final : public ObjetTexte {
public:
    ObjetPageSetup(DocumentPtr doc, int32_t section) : ObjetTexte(std::move(doc)), section_(section) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        if (section_ >= lecture().nombreSections()) leveErreurWord(wderr::ObjetSupprime);
        if (estNom(nom, u"Orientation")) {
            if (estLecture(appel)) return longOuIndefini(commun([](const MiseEnPage& p) { return p.orientation; }));
            const int32_t o = args.valeurPut().CLng();
            if (o != 0 && o != 1) leveErreurWord(wderr::ValeurHorsLimites);
            modifie([o](MiseEnPage& p) { p.definirOrientation(o); });
            return Variant();
        }
        for (const Longueur& l : Longueurs) {
            if (!estNom(nom, l.nom)) continue;
            auto champ = l.champ;
            if (estLecture(appel)) {
                auto t = commun([champ](const MiseEnPage& p) { return p.*champ; });
                return singleOuIndefini(t ? std::optional<float>(pointsDeTwips(*t)) : std::nullopt);
            }
            const float v = args.valeurPut().CSng();
            if (!(v >= l.minimum && v <= Maximum)) leveErreurWord(wderr::ValeurHorsLimites);
            const int32_t twips = twipsDePoints(v);
            modifie([champ, twips](MiseEnPage& p) { p.*champ = twips; });
            return Variant();
        }
        if (estLecture(appel) && estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }

private:
    // The value of the section, or the one all sections share.
    std::optional<int32_t> commun(const std::function<int32_t(const MiseEnPage&)>& f) const {
        const ModeleDocument& m = lecture();
        if (section_ >= 0) return f(m.miseEnPage(section_));
        Melange<int32_t> tous;
        for (int32_t i = 0; i < m.nombreSections(); ++i) tous.ajoute(f(m.miseEnPage(i)));
        return tous.valeur();
    }

    void modifie(const std::function<void(MiseEnPage&)>& f) {
        edition::avantMiseEnForme(doc());
        doc().modele.modifierMiseEnPage(section_, f);
    }

    int32_t section_;
};

class ObjetSection final : public ObjetTexte {
public:
    ObjetSection(DocumentPtr doc, int32_t index) : ObjetTexte(std::move(doc)), index_(index) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim&) override {
        if (index_ >= lecture().nombreSections()) leveErreurWord(wderr::ObjetSupprime);
        if (!estLecture(appel)) return std::nullopt;
        if (estNom(nom, u"PageSetup")) return Variant(creePageSetup(docPtr(), index_));
        if (estNom(nom, u"Range")) return Variant(creeRange(docPtr(), lecture().section(index_)));
        if (estNom(nom, u"Index")) return Variant(index_ + 1);
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }

private:
    int32_t index_;
};

class ObjetSections final : public ObjetTexte {
public:
    explicit ObjetSections(DocumentPtr doc) : ObjetTexte(std::move(doc)) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        if (!estLecture(appel)) return std::nullopt;
        const int32_t nombre = lecture().nombreSections();
        auto section = [&](int32_t i) { return Variant(ObjetPtr(std::make_shared<ObjetSection>(docPtr(), i))); };
        if (estNom(nom, u"Count")) return Variant(nombre);
        if (estNom(nom, u"Item") || (nom.empty() && !args.vide()))
            return section(indexElement(args.requis(0, u"Index"), nombre) - 1);
        if (estNom(nom, u"First")) return section(0);
        if (estNom(nom, u"Last")) return section(nombre - 1);
        if (estNom(nom, u"PageSetup")) return Variant(creePageSetup(docPtr(), -1));
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }
};

}  // namespace

ObjetPtr creeSections(const DocumentPtr& doc) { return std::make_shared<ObjetSections>(doc); }

ObjetPtr creePageSetup(const DocumentPtr& doc, int32_t section) {
    return std::make_shared<ObjetPageSetup>(doc, section < 0 ? -1 : section);
}

}  // namespace k58204::sim
