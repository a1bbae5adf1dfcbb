#include "sim/doc/Styles.hpp"

#include <algorithm>

#include "sim/doc/Signet.hpp"

namespace k58204::sim {

namespace {
// basedOn chains longer than this are cut (a file may hold a cycle).
constexpr int ProfondeurMax = 32;
}  // namespace

FeuilleStyles::FeuilleStyles() {
    defautsCaractere_.gras = false;
    defautsCaractere_.italique = false;
    defautsCaractere_.couleur = CouleurAuto;
    defautsCaractere_.police = u"Times New Roman";
    defautsCaractere_.demiPoints = 24;
    defautsCaractere_.surlignage = 0;

    Style normal;
    normal.id = u"Normal";
    normal.nom = u"Normal";
    normal.parDefaut = true;
    ajouter(normal);

    Style police;
    police.id = u"DefaultParagraphFont";
    police.nom = u"Default Paragraph Font";
    police.type = TypeStyle::Caractere;
    police.parDefaut = true;
    ajouter(police);
    version_ = 0;
}

void FeuilleStyles::ajouter(Style s) {
    ++version_;
    if (s.parDefaut) {
        (s.type == TypeStyle::Paragraphe ? defautParagraphe_ : defautCaractere_) = s.id;
        for (auto& autre : styles_)
            if (autre.type == s.type && !memeNomSignet(autre.id, s.id)) autre.parDefaut = false;
    }
    for (auto& autre : styles_) {
        if (memeNomSignet(autre.id, s.id)) {
            autre = std::move(s);
            return;
        }
    }
    styles_.push_back(std::move(s));
}

const Style* FeuilleStyles::parId(std::u16string_view id) const {
    for (const auto& s : styles_)
        if (memeNomSignet(s.id, id)) return &s;
    return nullptr;
}

const Style* FeuilleStyles::parNom(std::u16string_view nom) const {
    for (const auto& s : styles_)
        if (memeNomSignet(s.nom, nom)) return &s;
    return nullptr;
}

FormatCaractere FeuilleStyles::chaineCaractere(const Style* s) const {
    const Style* chaine[ProfondeurMax];
    int n = 0;
    for (; s && n < ProfondeurMax; s = s->basePour.empty() ? nullptr : parId(s->basePour)) {
        if (std::find(chaine, chaine + n, s) != chaine + n) break;
        chaine[n++] = s;
    }
    FormatCaractere f;
    while (n > 0) f.fusionner(chaine[--n]->caracteres);
    return f;
}

FormatParagraphe FeuilleStyles::chaineParagraphe(const Style* s) const {
    const Style* chaine[ProfondeurMax];
    int n = 0;
    for (; s && n < ProfondeurMax; s = s->basePour.empty() ? nullptr : parId(s->basePour)) {
        if (std::find(chaine, chaine + n, s) != chaine + n) break;
        chaine[n++] = s;
    }
    FormatParagraphe f;
    while (n > 0) f.fusionner(chaine[--n]->paragraphe);
    return f;
}

CaractereEffectif FeuilleStyles::caractere(std::u16string_view idParagraphe, const FormatCaractere& direct) const {
    const Style* ps = idParagraphe.empty() ? nullptr : parId(idParagraphe);
    if (!ps || ps->type != TypeStyle::Paragraphe) ps = parId(defautParagraphe_);
    const Style* cs = nullptr;
    if (direct.styleCaractere && !direct.styleCaractere->empty()) cs = parId(*direct.styleCaractere);
    if (cs && cs->type != TypeStyle::Caractere) cs = nullptr;

    FormatCaractere deParagraphe = chaineCaractere(ps);
    FormatCaractere deCaractere = chaineCaractere(cs);

    FormatCaractere f = defautsCaractere_;
    bool gras = f.gras.value_or(false), italique = f.italique.value_or(false);
    // Toggles: the paragraph style sets them, the character style flips them.
    if (deParagraphe.gras) gras = *deParagraphe.gras;
    if (deParagraphe.italique) italique = *deParagraphe.italique;
    if (deCaractere.gras && *deCaractere.gras) gras = !gras;
    if (deCaractere.italique && *deCaractere.italique) italique = !italique;
    // Direct formatting is absolute.
    if (direct.gras) gras = *direct.gras;
    if (direct.italique) italique = *direct.italique;

    f.fusionner(deParagraphe);
    f.fusionner(deCaractere);
    f.fusionner(direct);

    CaractereEffectif e;
    e.gras = gras;
    e.italique = italique;
    e.couleur = f.couleur.value_or(CouleurAuto);
    e.police = f.police.value_or(u"");
    e.taille = static_cast<float>(f.demiPoints.value_or(24)) / 2.0f;
    e.surlignage = f.surlignage.value_or(0);
    e.bordure = f.bordure.value_or(Bordure{});
    if (cs && !memeNomSignet(cs->id, defautCaractere_)) e.styleCaractere = cs->nom.empty() ? cs->id : cs->nom;
    return e;
}

ParagrapheEffectif FeuilleStyles::paragraphe(const FormatParagraphe& direct) const {
    const Style* ps = direct.style && !direct.style->empty() ? parId(*direct.style) : nullptr;
    if (!ps || ps->type != TypeStyle::Paragraphe) ps = parId(defautParagraphe_);

    FormatParagraphe f = chaineParagraphe(ps);
    FormatParagraphe d = direct;
    d.style.reset();
    f.fusionner(d);

    ParagrapheEffectif e;
    if (ps) e.style = ps->nom.empty() ? ps->id : ps->nom;
    e.alignement = f.alignement.value_or(0);
    e.retraitGauche = pointsDeTwips(f.retraitGauche.value_or(0));
    e.retraitDroit = pointsDeTwips(f.retraitDroit.value_or(0));
    e.retraitPremiereLigne = pointsDeTwips(f.retraitPremiereLigne.value_or(0));
    e.espaceAvant = pointsDeTwips(f.espaceAvant.value_or(0));
    e.espaceApres = pointsDeTwips(f.espaceApres.value_or(0));
    Interligne il = f.interligne.value_or(Interligne{});
    e.regleInterligne = il.regleWord();
    e.interligne = il.points();
    for (size_t i = 0; i < e.bordures.size(); ++i) e.bordures[i] = f.bordures[i].value_or(Bordure{});
    e.ombrage = f.ombrage.value_or(CouleurAuto);
    e.indexOmbrage = indexCouleur(e.ombrage);
    return e;
}

}  // namespace k58204::sim
