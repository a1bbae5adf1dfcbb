#include "sim/texte/Edition.hpp"

#include <algorithm>
#include <utility>

#include "sim/core/ErreursWord.hpp"

namespace k58204::sim::edition {

namespace {

// Moves the window's selection after [a, b) was replaced by text changing the
// length by `delta`: positions before or at a stay, positions at or after b
// move with the text after it, positions inside come to a.
void ajusteSelection(DocumentOuvert& d, int32_t a, int32_t b, int32_t delta) {
    auto image = [&](int32_t p) {
        if (p <= a) return p;
        if (p >= b) return p + delta;
        return a;
    };
    d.selection = {image(d.selection.debut), image(d.selection.fin)};
}

// The part of e that can be deleted: the final mark stays.
Etendue effacable(const DocumentOuvert& d, Etendue e) {
    e = borne(d, e);
    e.fin = std::min(e.fin, d.modele.longueur() - 1);
    if (e.fin < e.debut) e.fin = e.debut;
    return e;
}

ContexteWord& contexte(const DocumentOuvert& d) {
    // Every document of a running instance has its context; a document
    // without one has no clipboard to use.
    if (!d.contexte) leveErreurWord(wderr::EchecCommande);
    return *d.contexte;
}

}  // namespace

void verifieModifiable(const DocumentOuvert& d) {
    const int32_t p = d.modele.proprietes().protection;
    if (p == 1 || p == 2 || p == 3) leveErreurWord(wderr::NonDisponible);
}

Etendue borne(const DocumentOuvert& d, Etendue e) {
    const int32_t n = d.modele.longueur();
    e.debut = std::clamp(e.debut, 0, n);
    e.fin = std::clamp(e.fin, 0, n);
    if (e.fin < e.debut) std::swap(e.debut, e.fin);
    return e;
}

int32_t positionInsertion(const DocumentOuvert& d, int32_t pos) {
    return std::clamp(pos, 0, d.modele.longueur() - 1);
}

Etendue selectionPossible(const DocumentOuvert& d, Etendue e) {
    e = borne(d, e);
    if (e.vide()) e.debut = e.fin = positionInsertion(d, e.debut);
    return e;
}

int32_t finRepliee(const DocumentOuvert& d, int32_t fin) { return positionInsertion(d, fin); }

Etendue inserer(DocumentOuvert& d, int32_t pos, std::u16string_view texte) {
    verifieModifiable(d);
    pos = positionInsertion(d, pos);
    const int32_t avant = d.modele.longueur();
    const int32_t fin = d.modele.inserer(pos, texte);
    ajusteSelection(d, pos, pos, d.modele.longueur() - avant);
    return {pos, fin};
}

Etendue remplacer(DocumentOuvert& d, Etendue e, std::u16string_view texte, Remplacement mode) {
    verifieModifiable(d);
    e = effacable(d, e);
    if (e.vide()) return inserer(d, e.debut, texte);
    const int32_t avant = d.modele.longueur();
    const int32_t fin = d.modele.remplacer(e.debut, e.fin, texte, mode);
    ajusteSelection(d, e.debut, e.fin, d.modele.longueur() - avant);
    return {e.debut, fin};
}

int32_t supprimer(DocumentOuvert& d, Etendue e) {
    verifieModifiable(d);
    e = effacable(d, e);
    if (e.vide()) return 0;
    const int32_t avant = d.modele.longueur();
    d.modele.supprimer(e.debut, e.fin);
    const int32_t supprimes = avant - d.modele.longueur();
    ajusteSelection(d, e.debut, e.fin, -supprimes);
    return supprimes;
}

void couper(DocumentOuvert& d, Etendue e) {
    verifieModifiable(d);
    e = effacable(d, e);
    if (e.vide()) leveErreurWord(wderr::NonDisponible);
    ContexteWord& c = contexte(d);
    const int32_t avant = d.modele.longueur();
    Fragment f = d.modele.couper(e.debut, e.fin);
    ajusteSelection(d, e.debut, e.fin, d.modele.longueur() - avant);
    c.remplitPressePapiers(std::move(f));
}

void copier(DocumentOuvert& d, Etendue e) {
    e = effacable(d, e);
    if (e.vide()) leveErreurWord(wderr::NonDisponible);
    contexte(d).remplitPressePapiers(d.modele.extraire(e.debut, e.fin));
}

Etendue coller(DocumentOuvert& d, Etendue e) {
    verifieModifiable(d);
    ContexteWord& c = contexte(d);
    if (!c.pressePapiersPlein()) leveErreurWord(wderr::NonDisponible);
    // A copy: pasting may replace the very text the clipboard came from.
    const Fragment f = c.pressePapiers();
    supprimer(d, e);
    const int32_t pos = positionInsertion(d, borne(d, e).debut);
    const int32_t avant = d.modele.longueur();
    const int32_t fin = d.modele.coller(pos, f);
    ajusteSelection(d, pos, pos, d.modele.longueur() - avant);
    return {pos, fin};
}

}  // namespace k58204::sim::edition
