#include "sim/texte/Plage.hpp"

#include <algorithm>
#include <cstdlib>

#include "sim/texte/Deplacements.hpp"
#include "sim/texte/Edition.hpp"
#include "sim/texte/Fabrique.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim {

int32_t motPrecedent(const ModeleDocument& m, int32_t pos) {
    if (pos <= 0) return 0;
    return m.motA(pos - 1).debut;
}

int32_t motSuivant(const ModeleDocument& m, int32_t pos) {
    const int32_t dernier = m.longueur() - 1;
    if (pos >= dernier) return dernier;
    return std::min(m.motA(pos).fin, dernier);
}

std::optional<Variant> ObjetPlage::membreCommun(std::u16string_view nom, Appel appel, const ArgumentsSim& args) {
    if (auto r = positions(nom, appel, args)) return r;
    if (auto r = insertions(nom, appel, args)) return r;
    if (auto r = deplacements(nom, appel, args)) return r;
    return miseEnForme(nom, appel, args);
}

std::optional<Variant> ObjetPlage::positions(std::u16string_view nom, Appel appel, const ArgumentsSim& args) {
    const int32_t longueur = lecture().longueur();
    if (estNom(nom, u"Start") || estNom(nom, u"End")) {
        const bool debut = estNom(nom, u"Start");
        Etendue e = etendue();
        if (estLecture(appel)) return Variant(debut ? e.debut : e.fin);
        // Setting Start past End moves End with it, and the other way round.
        const int32_t v = std::clamp(args.valeurPut().CLng(), 0, longueur);
        if (debut) {
            e.debut = v;
            e.fin = std::max(e.fin, v);
        } else {
            e.fin = v;
            e.debut = std::min(e.debut, v);
        }
        definit(e);
        return Variant();
    }
    if (!estLecture(appel)) return std::nullopt;
    if (estNom(nom, u"SetRange")) {
        // Word orders the two positions (choice: the references say nothing
        // of a start above the end).
        definit(edition::borne(doc(), {args.requis(0, u"Start").CLng(), args.requis(1, u"End").CLng()}));
        return Variant();
    }
    if (estNom(nom, u"Collapse")) {
        const int32_t direction = entierOptionnel(args, 0, u"Direction", word::wd::CollapseStart);
        Etendue e = etendue();
        // Collapsing to the end of a span holding the final paragraph mark
        // lands before that mark: nothing can follow it.
        const int32_t p = direction == word::wd::CollapseEnd ? (e.fin == longueur ? edition::finRepliee(doc(), e.fin) : e.fin)
                                                     : e.debut;
        definit({p, p});
        return Variant();
    }
    if (estNom(nom, u"StoryLength")) return Variant(longueur);
    if (estNom(nom, u"Document")) return objetDocument();
    if (estNom(nom, u"Application")) return objetApplication();
    if (estNom(nom, u"Paragraphs")) return collectionOuItem(creeParagraphs(docPtr(), etendue()), args);
    if (estNom(nom, u"Characters")) return collectionOuItem(creeCharacters(docPtr(), etendue()), args);
    if (estNom(nom, u"Words")) return collectionOuItem(creeWords(docPtr(), etendue()), args);
    return std::nullopt;
}

std::optional<Variant> ObjetPlage::insertions(std::u16string_view nom, Appel appel, const ArgumentsSim& args) {
    if (!estLecture(appel)) return std::nullopt;
    const bool avant = estNom(nom, u"InsertBefore") || estNom(nom, u"InsertParagraphBefore");
    const bool apres = estNom(nom, u"InsertAfter") || estNom(nom, u"InsertParagraphAfter");
    if (avant || apres) {
        const std::u16string texte = estNom(nom, u"InsertBefore") || estNom(nom, u"InsertAfter")
                                         ? args.requis(0, u"Text").CStr()
                                         : std::u16string(1, MarqueParagraphe);
        const Etendue e = etendue();
        // The span grows to take in the new text. After a span ending with
        // the final mark, the text goes before that mark.
        const Etendue r = edition::inserer(doc(), avant ? e.debut : e.fin, texte);
        definit({std::min(e.debut, r.debut), std::max(e.fin, r.debut) + r.longueur()});
        return Variant();
    }
    if (estNom(nom, u"InsertParagraph")) {
        definit(edition::remplacer(doc(), etendue(), std::u16string(1, MarqueParagraphe), Remplacement::Texte));
        return Variant();
    }
    if (estNom(nom, u"Delete")) return Variant(supprimeUnites(args));
    if (estNom(nom, u"Cut")) {
        const Etendue e = etendue();
        edition::couper(doc(), e);
        definit({e.debut, e.debut});
        return Variant();
    }
    if (estNom(nom, u"Copy")) {
        edition::copier(doc(), etendue());
        return Variant();
    }
    return std::nullopt;
}

int32_t ObjetPlage::supprimeUnites(const ArgumentsSim& args) {
    const int32_t unite = entierOptionnel(args, 0, u"Unit", word::wd::Character);
    const int32_t nombre = deplacement::nombreBorne(entierOptionnel(args, 1, u"Count", 1));
    if (unite != word::wd::Character && unite != word::wd::Word) leveErreurWord(wderr::ParametreIncorrect);
    const Etendue e = etendue();
    if (!e.vide()) {
        // A span is deleted as one unit, whatever Count.
        const int32_t n = edition::supprimer(doc(), e);
        definit({e.debut, e.debut});
        return n > 0 ? 1 : 0;
    }
    edition::verifieModifiable(doc());
    const ModeleDocument& m = lecture();
    int32_t p = e.debut, unites = 0;
    for (int32_t i = 0; i < std::abs(nombre); ++i) {
        int32_t q = nombre > 0 ? (unite == word::wd::Character ? std::min(p + 1, m.longueur() - 1) : motSuivant(m, p))
                               : (unite == word::wd::Character ? std::max(p - 1, 0) : motPrecedent(m, p));
        if (q == p) break;
        p = q;
        ++unites;
    }
    const Etendue aSupprimer{std::min(p, e.debut), std::max(p, e.debut)};
    edition::supprimer(doc(), aSupprimer);
    definit({aSupprimer.debut, aSupprimer.debut});
    return unites;
}

std::optional<Variant> ObjetPlage::miseEnForme(std::u16string_view nom, Appel appel, const ArgumentsSim& args) {
    if (estNom(nom, u"Bold") || estNom(nom, u"Italic")) {
        const bool gras = estNom(nom, u"Bold");
        const Etendue e = etendue();
        const CaractereMixte actuel = lecture().formatCaracteres(e.debut, e.fin);
        const std::optional<bool> valeur = gras ? actuel.gras : actuel.italique;
        if (estLecture(appel)) return booleenWord(valeur);
        const bool nouveau = booleenPut(args.valeurPut(), valeur);
        edition::avantMiseEnForme(doc());
        FormatCaractere modif;
        (gras ? modif.gras : modif.italique) = nouveau;
        doc().modele.appliquerCaracteres(e.debut, e.fin, modif);
        return Variant();
    }
    if (!estLecture(appel)) return std::nullopt;
    if (estNom(nom, u"Font")) return Variant(creeFont(docPtr(), source()));
    if (estNom(nom, u"ParagraphFormat")) return Variant(creeParagraphFormat(docPtr(), source()));
    if (estNom(nom, u"Borders")) return collectionOuItem(creeBordersPlage(docPtr(), source()), args);
    if (estNom(nom, u"Shading")) return Variant(creeShading(docPtr(), source()));
    return std::nullopt;
}

}  // namespace k58204::sim
