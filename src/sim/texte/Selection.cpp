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
// - MoveLeft / MoveRight move by wdCharacter, wdWord or wdSentence (4120
//   else). Without Extend they are Move with Count to the left or right: a
//   selection first collapses to its start / end, on to that unit's boundary,
//   which counts as one unit. With Extend the active end moves, and may take
//   the final mark in.
// - MoveUp / MoveDown move by wdLine or wdParagraph (4120 else), as the arrow
//   keys (with Ctrl for paragraphs): without Extend a selection collapses to
//   its start (Up) or end (Down) first, which does not count; with Extend
//   the active end moves. By line, the column (characters from the line's
//   start) is kept where the target line is long enough, else the move ends
//   before the line's last character (its mark, or the space it wraps at);
//   on the first (last) line nothing moves. By paragraph, as Move by
//   wdParagraph: the start of the next one, or of the one holding the
//   position when it is not at its start.
// - All four return the units moved as a positive count; a negative Count
//   moves the other way.
// - GoTo knows only wdGoToBookmark; other targets are not simulated (4198).
#include <algorithm>
#include <cstdlib>

#include "sim/texte/Deplacements.hpp"
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
    bool estSelection() const override { return true; }

    Etendue etendue() const override { return edition::borne(doc(), doc().selection); }

    void definit(Etendue e) override { place(e, false); }
    void definitParLeDebut(Etendue e) override { place(e, true); }

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
        if (estNom(nom, u"MoveUp")) return Variant(deplaceVertical(args, false));
        if (estNom(nom, u"MoveDown")) return Variant(deplaceVertical(args, true));
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

    // MoveLeft / MoveRight.
    int32_t deplace(const ArgumentsSim& args, bool droite) {
        using namespace deplacement;
        const int32_t valeur = entierOptionnel(args, 0, u"Unit", word::wd::Character);
        if (valeur != word::wd::Character && valeur != word::wd::Word && valeur != word::wd::Sentence)
            leveErreurWord(wderr::ParametreIncorrect);
        const Unite u = unite(valeur, false);
        int32_t nombre = nombreBorne(entierOptionnel(args, 1, u"Count", 1));
        const bool etendre = entierOptionnel(args, 2, u"Extend", word::wd::Move) != word::wd::Move;
        if (!droite) nombre = -nombre;
        if (!etendre) {
            const Resultat r = deplacement::deplace(lecture(), etendue(), u, nombre);
            definit(r.etendue);
            return std::abs(r.rendu);
        }
        int32_t p = actif(), n = 0;
        for (; n < std::abs(nombre); ++n) {
            const int32_t q = nombre > 0 ? limiteSuivante(lecture(), u, p) : limitePrecedente(lecture(), u, p);
            if (q == p) break;
            p = q;
        }
        etend(p);
        return n;
    }

    // MoveUp / MoveDown.
    int32_t deplaceVertical(const ArgumentsSim& args, bool bas) {
        using namespace deplacement;
        const int32_t valeur = entierOptionnel(args, 0, u"Unit", word::wd::Line);
        if (valeur != word::wd::Line && valeur != word::wd::Paragraph) leveErreurWord(wderr::ParametreIncorrect);
        const Unite u = unite(valeur, true);
        int32_t nombre = nombreBorne(entierOptionnel(args, 1, u"Count", 1));
        const bool etendre = entierOptionnel(args, 2, u"Extend", word::wd::Move) != word::wd::Move;
        if (nombre < 0) {
            bas = !bas;
            nombre = -nombre;
        }
        const ModeleDocument& m = lecture();
        const Etendue e = etendue();
        const int32_t borne = etendre ? longueur() : longueur() - 1;
        int32_t p = etendre ? actif() : std::min(bas ? e.fin : e.debut, longueur() - 1);
        const int32_t colonne = p - m.ligneA(p).debut;
        int32_t n = 0;
        for (; n < nombre; ++n) {
            int32_t q;
            if (u == Unite::Paragraphe) {
                q = bas ? std::min(limiteSuivante(m, u, p), borne) : limitePrecedente(m, u, p);
            } else {
                const Etendue ligne = m.ligneA(p);
                if (bas ? ligne.fin >= longueur() : ligne.debut == 0) break;
                const Etendue cible = m.ligneA(bas ? ligne.fin : ligne.debut - 1);
                q = std::min(cible.debut + colonne, cible.fin - 1);
            }
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
