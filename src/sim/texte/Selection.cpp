// Word's Selection object on a document's window: the span
// DocumentOuvert::selection, with the keyboard's moves and typing.
//
// Choices where Word's behaviour is not documented:
// - An insertion point never stands after the final paragraph mark; an
//   extended selection may take that mark in.
// - Text of an insertion point is the character after it (as Word shows it).
// - HomeKey goes to the start of the first line of the selection, EndKey to
//   the end of its last line (before the paragraph mark that ends it); both
//   return the number of characters the insertion point or active end moved,
//   as a positive count. Only wdLine and wdStory are accepted (4120 else), as
//   the Home and End keys know only those here.
// - MoveLeft / MoveRight without Extend first collapse a selection to its
//   start / end, which counts as one unit moved; units wdCharacter and wdWord.
// - GoTo knows only wdGoToBookmark; other targets are not simulated (4198).
#include <algorithm>
#include <cstdlib>

#include "sim/texte/Edition.hpp"
#include "sim/texte/Fabrique.hpp"
#include "sim/texte/Plage.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim {

namespace {


class ObjetSelection final : public ObjetPlage {
public:
    explicit ObjetSelection(DocumentPtr doc) : ObjetPlage(std::move(doc)) {}

protected:
    Etendue etendue() const override { return edition::borne(doc(), doc().selection); }

    void definit(Etendue e) override { place(e, false); }

    SourceEtendue source() override {
        DocumentPtr d = docPtr();
        return [d] { return edition::borne(*d, d->selection); };
    }

    std::optional<Variant> membreTexte(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        if (estNom(nom, u"Text") || nom.empty()) {
            const Etendue e = etendue();
            if (estLecture(appel)) {
                if (e.vide()) return Variant(lecture().texte(e.debut, std::min(e.debut + 1, lecture().longueur())));
                return Variant(lecture().texte(e.debut, e.fin));
            }
            // Typed over the selection, which then covers the new text.
            definit(edition::remplacer(doc(), e, args.valeurPut().CStr(), Remplacement::Frappe));
            return Variant();
        }
        if (auto r = membreCommun(nom, appel, args)) return r;
        if (!estLecture(appel)) return std::nullopt;
        if (estNom(nom, u"Range")) return Variant(creeRange(docPtr(), etendue()));
        if (estNom(nom, u"TypeText")) return frappe(args.requis(0, u"Text").CStr());
        if (estNom(nom, u"TypeParagraph")) return frappe(std::u16string(1, MarqueParagraphe));
        if (estNom(nom, u"TypeBackspace")) return retourArriere();
        if (estNom(nom, u"HomeKey")) return Variant(toucheDebutFin(args, true));
        if (estNom(nom, u"EndKey")) return Variant(toucheDebutFin(args, false));
        if (estNom(nom, u"MoveLeft")) return Variant(deplace(args, false));
        if (estNom(nom, u"MoveRight")) return Variant(deplace(args, true));
        if (estNom(nom, u"GoTo")) return allerA(args);
        if (estNom(nom, u"Paste")) {
            const Etendue r = edition::coller(doc(), etendue());
            definit({r.fin, r.fin});
            return Variant();
        }
        if (estNom(nom, u"Type")) return Variant(etendue().vide() ? word::wd::SelectionIP : word::wd::SelectionNormal);
        if (estNom(nom, u"WholeStory")) {
            definit(lecture().contenu());
            return Variant();
        }
        return std::nullopt;
    }

private:
    int32_t longueur() const { return lecture().longueur(); }

    // Sets the selection; an insertion point stays before the final mark.
    void place(Etendue e, bool versDebut) {
        e = edition::selectionPossible(doc(), e);
        doc().selection = e;
        doc().selectionVersDebut = versDebut && !e.vide();
    }

    int32_t actif() const {
        const Etendue e = etendue();
        return doc().selectionVersDebut ? e.debut : e.fin;
    }
    int32_t ancre() const {
        const Etendue e = etendue();
        return doc().selectionVersDebut ? e.fin : e.debut;
    }

    // Moves the active end to p, the anchor staying.
    void etend(int32_t p) {
        const int32_t a = ancre();
        place({std::min(a, p), std::max(a, p)}, p < a);
    }

    Variant frappe(const std::u16string& texte) {
        const Etendue e = etendue();
        if (texte.empty()) return Variant();
        // Typing over a selection replaces it, as the typing option does.
        const Etendue r = edition::remplacer(doc(), e, texte, Remplacement::Frappe);
        definit({r.fin, r.fin});
        return Variant();
    }

    Variant retourArriere() {
        const Etendue e = etendue();
        edition::verifieModifiable(doc());
        if (!e.vide()) {
            edition::supprimer(doc(), e);
            definit({e.debut, e.debut});
        } else if (e.debut > 0) {
            edition::supprimer(doc(), {e.debut - 1, e.debut});
            definit({e.debut - 1, e.debut - 1});
        }
        return Variant();
    }

    int32_t toucheDebutFin(const ArgumentsSim& args, bool debut) {
        const int32_t unite = entierOptionnel(args, 0, u"Unit", word::wd::Line);
        const bool etendre = entierOptionnel(args, 1, u"Extend", 0) != 0;
        const Etendue e = etendue();
        const ModeleDocument& m = lecture();
        int32_t cible;
        if (unite == word::wd::Story) {
            cible = debut ? 0 : (etendre ? longueur() : longueur() - 1);
        } else if (unite == word::wd::Line) {
            const Etendue ligne = m.ligneA(debut || e.vide() ? e.debut : e.fin - 1);
            if (debut) cible = ligne.debut;
            else cible = m.texte()[static_cast<size_t>(ligne.fin) - 1] == MarqueParagraphe ? ligne.fin - 1 : ligne.fin;
        } else {
            leveErreurWord(wderr::ParametreIncorrect);
        }
        const int32_t avant = actif();
        if (etendre) etend(cible);
        else definit({cible, cible});
        return std::abs(actif() - avant);
    }

    int32_t pas(int32_t p, bool droite, int32_t unite, bool etendre) const {
        const ModeleDocument& m = lecture();
        const int32_t borneDroite = etendre ? longueur() : longueur() - 1;
        if (!droite) return unite == word::wd::Character ? std::max(p - 1, 0) : motPrecedent(m, p);
        if (p >= longueur() - 1) return std::min(p + 1, borneDroite);
        return unite == word::wd::Character ? p + 1 : motSuivant(m, p);
    }

    int32_t deplace(const ArgumentsSim& args, bool droite) {
        const int32_t unite = entierOptionnel(args, 0, u"Unit", word::wd::Character);
        int32_t nombre = entierOptionnel(args, 1, u"Count", 1);
        const bool etendre = entierOptionnel(args, 2, u"Extend", 0) != 0;
        if (unite != word::wd::Character && unite != word::wd::Word) leveErreurWord(wderr::ParametreIncorrect);
        if (nombre < 0) {
            droite = !droite;
            nombre = -nombre;
        }
        const Etendue e = etendue();
        int32_t n = 0, p;
        if (etendre) {
            p = actif();
        } else if (!e.vide()) {
            p = edition::positionInsertion(doc(), droite ? e.fin : e.debut);
            n = std::min(nombre, 1);
        } else {
            p = e.debut;
        }
        for (; n < nombre; ++n) {
            const int32_t q = pas(p, droite, unite, etendre);
            if (q == p) break;
            p = q;
        }
        if (etendre) etend(p);
        else definit({p, p});
        return n;
    }

    Variant allerA(const ArgumentsSim& args) {
        const int32_t quoi = entierOptionnel(args, 0, u"What", 1);
        if (quoi != word::wd::GoToBookmark) leveErreurWord(wderr::EchecCommande);
        auto nom = args.parametre(3, u"Name");
        std::optional<Signet> s;
        if (nom && !nom->estVide()) s = lecture().signet(nom->CStr());
        if (!s) leveErreurWord(wderr::SignetInexistant);
        definit(s->etendue);
        return Variant(creeRange(docPtr(), etendue()));
    }
};

}  // namespace

ObjetPtr creeSelection(const DocumentPtr& doc) { return std::make_shared<ObjetSelection>(doc); }

}  // namespace k58204::sim
