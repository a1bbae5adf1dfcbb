// Characters and Words of a span.
//
// Choices where Word's behaviour is not documented:
// - A collapsed span has one character, the one after it, as it has one word.
// - Words.Item gives whole words, also for words the span covers only in part
//   (those count in Words.Count too).
#include <algorithm>
#include <vector>

#include "sim/texte/Edition.hpp"
#include "sim/texte/Fabrique.hpp"

namespace k58204::sim {

namespace {

class ObjetCharacters final : public ObjetTexte {
public:
    ObjetCharacters(DocumentPtr doc, SourceEtendue source) : ObjetTexte(std::move(doc)), source_(std::move(source)) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        if (!estLecture(appel)) return std::nullopt;
        Etendue e = source_();
        if (e.vide()) e.fin = std::min(e.debut + 1, lecture().longueur());
        const int32_t nombre = e.longueur();
        auto caractere = [&](int32_t i) { return Variant(creeRange(docPtr(), {e.debut + i - 1, e.debut + i})); };
        if (estNom(nom, u"Count")) return Variant(nombre);
        if (estNom(nom, u"Item") || (nom.empty() && !args.vide()))
            return caractere(indexElement(args.requis(0, u"Index"), nombre));
        if (estNom(nom, u"First")) return caractere(indexElement(Variant(int32_t{1}), nombre));
        if (estNom(nom, u"Last")) return caractere(indexElement(Variant(nombre), nombre));
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }

private:
    SourceEtendue source_;
};

class ObjetWords final : public ObjetTexte {
public:
    ObjetWords(DocumentPtr doc, SourceEtendue source) : ObjetTexte(std::move(doc)), source_(std::move(source)) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        if (!estLecture(appel)) return std::nullopt;
        const Etendue e = source_();
        if (estNom(nom, u"Count")) return Variant(lecture().nombreMots(e.debut, e.fin));
        if (estNom(nom, u"Application")) return objetApplication();
        const bool item = estNom(nom, u"Item") || (nom.empty() && !args.vide());
        if (!item && !estNom(nom, u"First") && !estNom(nom, u"Last")) return std::nullopt;
        const std::vector<Etendue> mots = motsDe(e);
        const auto nombre = static_cast<int32_t>(mots.size());
        const Variant demande = item ? args.requis(0, u"Index") : Variant(estNom(nom, u"First") ? int32_t{1} : nombre);
        const int32_t index = indexElement(demande, nombre);
        return Variant(creeRange(docPtr(), mots[static_cast<size_t>(index) - 1]));
    }

private:
    std::vector<Etendue> motsDe(Etendue e) const {
        const ModeleDocument& m = lecture();
        std::vector<Etendue> mots;
        Etendue w = m.motA(e.debut);
        mots.push_back(w);
        while (w.fin < e.fin && w.fin < m.longueur()) {
            w = m.motA(w.fin);
            mots.push_back(w);
        }
        return mots;
    }

    SourceEtendue source_;
};

}  // namespace

ObjetPtr creeCharactersSur(const DocumentPtr& doc, SourceEtendue source) {
    return std::make_shared<ObjetCharacters>(doc, std::move(source));
}

ObjetPtr creeWordsSur(const DocumentPtr& doc, SourceEtendue source) {
    return std::make_shared<ObjetWords>(doc, std::move(source));
}

ObjetPtr creeCharacters(const DocumentPtr& doc, Etendue e) {
    return creeCharactersSur(doc, sourceFixeOuDocument(doc, e));
}

ObjetPtr creeWords(const DocumentPtr& doc, Etendue e) { return creeWordsSur(doc, sourceFixeOuDocument(doc, e)); }

}  // namespace k58204::sim
