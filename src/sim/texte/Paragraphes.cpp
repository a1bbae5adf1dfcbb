// Paragraphs (the paragraphs a span touches), Paragraph and ParagraphFormat.
// A Paragraph keeps the span its paragraph had when it was taken.
#include <utility>

#include "sim/texte/Edition.hpp"
#include "sim/texte/Fabrique.hpp"
#include "sim/texte/ProprietesParagraphe.hpp"

namespace k58204::sim {

namespace {

ObjetPtr creeParagraph(const DocumentPtr& doc, int32_t index);

class ObjetParagraphFormat final : public ObjetTexte {
public:
    ObjetParagraphFormat(DocumentPtr doc, SourceEtendue source) : ObjetTexte(std::move(doc)), source_(std::move(source)) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        if (auto r = proprieteParagraphe(docPtr(), source_, nom, appel, args)) return r;
        if (!estLecture(appel)) return std::nullopt;
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }

private:
    SourceEtendue source_;
};

class ObjetParagraph final : public ObjetTexte {
public:
    ObjetParagraph(DocumentPtr doc, Etendue e) : ObjetTexte(std::move(doc)), etendue_(e) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        const Etendue e = etendue_;
        SourceEtendue source = [d = docPtr(), e] { return edition::borne(*d, e); };
        if (auto r = proprieteParagraphe(docPtr(), source, nom, appel, args)) return r;
        if (!estLecture(appel)) return std::nullopt;
        if (estNom(nom, u"Range")) return Variant(creeRange(docPtr(), source()));
        if (estNom(nom, u"Format")) return Variant(creeParagraphFormat(docPtr(), source));
        if (estNom(nom, u"Next") || estNom(nom, u"Previous")) {
            const int32_t pas = entierOptionnel(args, 0, u"Count", 1);
            const Etendue s = source();
            const int32_t i = (estNom(nom, u"Next") ? lecture().paragrapheA(s.fin - 1) + pas
                                                   : lecture().paragrapheA(s.debut) - pas);
            // No paragraph there: Nothing.
            if (i < 0 || i >= lecture().nombreParagraphes()) return Variant(ObjetPtr());
            return Variant(creeParagraph(docPtr(), i));
        }
        if (estNom(nom, u"Document")) return objetDocument();
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }

private:
    Etendue etendue_;
};

ObjetPtr creeParagraph(const DocumentPtr& doc, int32_t index) {
    return std::make_shared<ObjetParagraph>(doc, std::as_const(doc->modele).paragraphe(index));
}

class ObjetParagraphs final : public ObjetTexte {
public:
    ObjetParagraphs(DocumentPtr doc, SourceEtendue source) : ObjetTexte(std::move(doc)), source_(std::move(source)) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        if (auto r = proprieteParagraphe(docPtr(), source_, nom, appel, args)) return r;
        if (!estLecture(appel)) return std::nullopt;
        const Etendue e = source_();
        auto [premier, dernier] = lecture().paragraphesDe(e.debut, e.fin);
        const int32_t nombre = dernier - premier + 1;
        if (estNom(nom, u"Count")) return Variant(nombre);
        if (estNom(nom, u"Item") || nom.empty()) {
            if (nom.empty() && args.vide()) return std::nullopt;
            return Variant(creeParagraph(docPtr(), premier + indexElement(args.requis(0, u"Index"), nombre) - 1));
        }
        if (estNom(nom, u"First")) return Variant(creeParagraph(docPtr(), premier));
        if (estNom(nom, u"Last")) return Variant(creeParagraph(docPtr(), dernier));
        if (estNom(nom, u"Format")) return Variant(creeParagraphFormat(docPtr(), source_));
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }

private:
    SourceEtendue source_;
};

}  // namespace

ObjetPtr creeParagraphFormat(const DocumentPtr& doc, SourceEtendue source) {
    return std::make_shared<ObjetParagraphFormat>(doc, std::move(source));
}

ObjetPtr creeParagraphsSur(const DocumentPtr& doc, SourceEtendue source) {
    return std::make_shared<ObjetParagraphs>(doc, std::move(source));
}

ObjetPtr creeParagraphs(const DocumentPtr& doc, Etendue e) {
    return creeParagraphsSur(doc, sourceFixeOuDocument(doc, e));
}

SourceEtendue sourceFixeOuDocument(const DocumentPtr& doc, Etendue e) {
    const ModeleDocument& m = doc->modele;
    e = edition::borne(*doc, e);
    if (e == m.contenu()) return [d = doc] { return std::as_const(d->modele).contenu(); };
    return [d = doc, e] { return edition::borne(*d, e); };
}

}  // namespace k58204::sim
