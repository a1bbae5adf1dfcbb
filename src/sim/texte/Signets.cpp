// Bookmarks and Bookmark. Names are matched without regard to case;
// Bookmarks(n) counts in alphabetical order. A Bookmark object names its
// bookmark: once the bookmark is gone (deleted, or its text deleted), every
// member raises 5825, and works again if a bookmark of that name is added.
#include <algorithm>
#include <vector>

#include "sim/texte/Edition.hpp"
#include "sim/texte/Fabrique.hpp"

namespace k58204::sim {

namespace {

class ObjetBookmark final : public ObjetTexte {
public:
    ObjetBookmark(DocumentPtr doc, std::u16string nom) : ObjetTexte(std::move(doc)), nom_(std::move(nom)) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        std::optional<Signet> s = lecture().signet(nom_);
        if (!s) leveErreurWord(wderr::ObjetSupprime);
        if (estNom(nom, u"Start") || estNom(nom, u"End")) {
            const bool debut = estNom(nom, u"Start");
            if (estLecture(appel)) return Variant(debut ? s->etendue.debut : s->etendue.fin);
            // As Range.Start / End: the other end follows when crossed.
            edition::verifieModifiable(doc());
            Etendue e = s->etendue;
            const int32_t v = std::clamp(args.valeurPut().CLng(), 0, lecture().longueur());
            if (debut) e = {v, std::max(e.fin, v)};
            else e = {std::min(e.debut, v), v};
            doc().modele.ajouterSignet(s->nom, e.debut, e.fin);
            return Variant();
        }
        if (!estLecture(appel)) return std::nullopt;
        if (estNom(nom, u"Name") || nom.empty()) return Variant(s->nom);
        if (estNom(nom, u"Range")) return Variant(creeRangeSignet(docPtr(), s->nom));
        if (estNom(nom, u"Empty")) return Variant(s->etendue.vide());
        if (estNom(nom, u"StoryType")) return Variant(int32_t{1});  // wdMainTextStory
        if (estNom(nom, u"Select")) {
            doc().selection = edition::selectionPossible(doc(), s->etendue);
            doc().selectionVersDebut = false;
            return Variant();
        }
        if (estNom(nom, u"Delete")) {
            edition::verifieModifiable(doc());
            doc().modele.supprimerSignet(s->nom);
            return Variant();
        }
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }

private:
    std::u16string nom_;
};

class ObjetBookmarks final : public ObjetTexte {
public:
    explicit ObjetBookmarks(DocumentPtr doc) : ObjetTexte(std::move(doc)) {}

protected:
    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        if (!estLecture(appel)) return std::nullopt;
        if (estNom(nom, u"Count")) return Variant(lecture().nombreSignets());
        if (estNom(nom, u"Item") || (nom.empty() && !args.vide())) return element(args.requis(0, u"Index"));
        if (estNom(nom, u"Exists")) return Variant(lecture().signetExiste(args.requis(0, u"Name").CStr()));
        if (estNom(nom, u"Add")) return ajoute(args);
        if (estNom(nom, u"Application")) return objetApplication();
        return std::nullopt;
    }

private:
    Variant element(const Variant& index) {
        if (index.type() == Variant::Type::String) {
            auto s = lecture().signet(*index.si<std::u16string>());
            if (!s) leveErreurWord(wderr::MembreInexistant);
            return Variant(creeBookmark(docPtr(), s->nom));
        }
        const std::vector<Signet> tous = lecture().signets();
        const int32_t i = indexElement(index, static_cast<int32_t>(tous.size()));
        return Variant(creeBookmark(docPtr(), tous[static_cast<size_t>(i) - 1].nom));
    }

    // Add(Name, Range): Range left out marks the selection. The span is read
    // through the object's Start and End, so any Range-like object will do.
    Variant ajoute(const ArgumentsSim& args) {
        const std::u16string nom = args.requis(0, u"Name").CStr();
        if (!nomSignetValide(nom)) leveErreurWord(wderr::NomSignetIncorrect);
        edition::verifieModifiable(doc());
        Etendue e = doc().selection;
        if (auto r = args.parametre(1, u"Range"); r && !r->estVide()) {
            ObjetPtr o = r->objet();
            e = {o->get(u"Start").CLng(), o->get(u"End").CLng()};
        }
        e = edition::borne(doc(), e);
        doc().modele.ajouterSignet(nom, e.debut, e.fin);
        return Variant(creeBookmark(docPtr(), nom));
    }
};

}  // namespace

ObjetPtr creeBookmark(const DocumentPtr& doc, std::u16string nom) {
    return std::make_shared<ObjetBookmark>(doc, std::move(nom));
}

ObjetPtr creeBookmarks(const DocumentPtr& doc) { return std::make_shared<ObjetBookmarks>(doc); }

}  // namespace k58204::sim
