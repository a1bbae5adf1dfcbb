// FormFields, FormField and CheckBox: the document's check-box form fields,
// in document order. A FormField object stands for the field at its index;
// once fewer fields remain, its members raise 5825.
//
// Ticking a box is what a document protected for form filling allows; a
// document protected for comments or read-only refuses it too (4605).
#include "sim/texte/Edition.hpp"
#include "sim/texte/Fabrique.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim {

namespace {


class ObjetChamp : public ObjetTexte {
protected:
    ObjetChamp(DocumentPtr doc, int32_t index) : ObjetTexte(std::move(doc)), index_(index) {}

    const CaseACocher& caseACocher() const {
        if (index_ >= lecture().nombreCases()) leveErreurWord(wderr::ObjetSupprime);
        return lecture().caseACocher(index_);
    }

    int32_t index_;
};

class ObjetCheckBox final : public ObjetChamp {
public:
    ObjetCheckBox(DocumentPtr doc, int32_t index) : ObjetChamp(std::move(doc), index) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        const CaseACocher& c = caseACocher();
        if (estNom(nom, u"Value") || nom.empty()) {
            if (estLecture(appel)) return Variant(c.coche);
            const bool coche = args.valeurPut().CBool();
            const int32_t protection = lecture().proprietes().protection;
            if (protection == 1 || protection == 3) leveErreurWord(wderr::NonDisponible);
            doc().modele.cocher(index_, coche);
            return Variant();
        }
        if (!estLecture(appel)) return std::nullopt;
        if (estNom(nom, u"Default")) return Variant(c.parDefaut);
        if (estNom(nom, u"Valid")) return Variant(true);
        if (estNom(nom, u"Size")) return Variant(static_cast<float>(c.demiPoints) / 2.0f);
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }
};

class ObjetFormField final : public ObjetChamp {
public:
    ObjetFormField(DocumentPtr doc, int32_t index) : ObjetChamp(std::move(doc), index) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim&) override {
        const CaseACocher& c = caseACocher();
        if (!estLecture(appel)) return std::nullopt;
        if (estNom(nom, u"CheckBox")) return Variant(ObjetPtr(std::make_shared<ObjetCheckBox>(docPtr(), index_)));
        if (estNom(nom, u"Type")) return Variant(word::wd::FieldFormCheckBox);
        if (estNom(nom, u"Name")) return Variant(c.nom);
        if (estNom(nom, u"Range")) return Variant(creeRange(docPtr(), {c.position, c.position + 1}));
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }
};

class ObjetFormFields final : public ObjetTexte {
public:
    explicit ObjetFormFields(DocumentPtr doc) : ObjetTexte(std::move(doc)) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        if (!estLecture(appel)) return std::nullopt;
        const ModeleDocument& m = lecture();
        if (estNom(nom, u"Count")) return Variant(m.nombreCases());
        if (estNom(nom, u"Item") || (nom.empty() && !args.vide())) {
            const Variant index = args.requis(0, u"Index");
            int32_t i = -1;
            if (index.type() == Variant::Type::String) {
                // By name, as bookmark names are matched.
                const std::u16string& n = *index.si<std::u16string>();
                for (int32_t k = 0; k < m.nombreCases() && i < 0; ++k)
                    if (!m.caseACocher(k).nom.empty() && memeNomSignet(m.caseACocher(k).nom, n)) i = k;
                if (i < 0) leveErreurWord(wderr::MembreInexistant);
            } else {
                i = indexElement(index, m.nombreCases()) - 1;
            }
            return Variant(ObjetPtr(std::make_shared<ObjetFormField>(docPtr(), i)));
        }
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }
};

}  // namespace

ObjetPtr creeFormFields(const DocumentPtr& doc) { return std::make_shared<ObjetFormFields>(doc); }

}  // namespace k58204::sim
