// Word's Range object: a span of the main story. A Range keeps the span it
// was made with (edits elsewhere do not move it), except one reached through
// a bookmark, which follows the bookmark until the Range itself is moved.
#include <optional>
#include <string>
#include <utility>

#include "sim/texte/Edition.hpp"
#include "sim/texte/Fabrique.hpp"
#include "sim/texte/Plage.hpp"

namespace k58204::sim {

namespace {

class ObjetRange final : public ObjetPlage {
public:
    ObjetRange(DocumentPtr doc, Etendue e, std::optional<std::u16string> signet)
        : ObjetPlage(std::move(doc)), fixe_(e), signet_(std::move(signet)) {}

protected:
    Etendue etendue() const override {
        if (signet_) {
            if (auto s = lecture().signet(*signet_)) fixe_ = s->etendue;
        }
        return edition::borne(doc(), fixe_);
    }

    void definit(Etendue e) override {
        signet_.reset();
        fixe_ = e;
    }

    SourceEtendue source() override {
        auto moi = std::static_pointer_cast<ObjetRange>(shared_from_this());
        return [moi] { return moi->etendue(); };
    }

    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        // Text is the default member: a Range's value is its text.
        if (estNom(nom, u"Text") || nom.empty()) {
            const Etendue e = etendue();
            if (estLecture(appel)) return Variant(lecture().texte(e.debut, e.fin));
            // Setting the text replaces the span, which then covers the new
            // text; a bookmark lying within the replaced text is removed.
            definit(edition::remplacer(doc(), e, args.valeurPut().CStr(), Remplacement::Texte));
            return Variant();
        }
        if (estNom(nom, u"HighlightColorIndex")) {
            const Etendue e = etendue();
            if (estLecture(appel)) return longOuIndefini(lecture().formatCaracteres(e.debut, e.fin).surlignage);
            const int32_t index = args.valeurPut().CLng();
            // WdColorIndex: 0 none, 1 to 16 the palette (choice: any other
            // value is out of range).
            if (index < 0 || index > 16) leveErreurWord(wderr::ValeurHorsLimites);
            edition::avantMiseEnForme(doc());
            FormatCaractere modif;
            modif.surlignage = index;
            doc().modele.appliquerCaracteres(e.debut, e.fin, modif);
            return Variant();
        }
        if (auto r = membreCommun(nom, appel, args)) return r;
        if (!estLecture(appel)) return std::nullopt;
        if (estNom(nom, u"Select")) {
            doc().selection = edition::selectionPossible(doc(), etendue());
            doc().selectionVersDebut = false;
            return Variant();
        }
        if (estNom(nom, u"Paste")) {
            // The Range grows to take in what was pasted.
            definit(edition::coller(doc(), etendue()));
            return Variant();
        }
        if (estNom(nom, u"Duplicate")) return Variant(creeRange(docPtr(), etendue()));
        return std::nullopt;
    }

private:
    mutable Etendue fixe_;
    std::optional<std::u16string> signet_;
};

}  // namespace

ObjetPtr creeRange(const DocumentPtr& doc, Etendue e) {
    return std::make_shared<ObjetRange>(doc, edition::borne(*doc, e), std::nullopt);
}

ObjetPtr creeRangeSignet(const DocumentPtr& doc, std::u16string nom) {
    Etendue e{};
    if (auto s = std::as_const(doc->modele).signet(nom)) e = s->etendue;
    return std::make_shared<ObjetRange>(doc, e, std::move(nom));
}

}  // namespace k58204::sim
