#include "sim/texte/Deplacements.hpp"

#include <algorithm>
#include <cstdlib>

#include "sim/core/ErreursWord.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim::deplacement {

namespace {

// The last place of a collapsed span: before the final mark.
int32_t dernierPoint(const ModeleDocument& m) { return m.longueur() - 1; }

Etendue replie(const ModeleDocument& m, Etendue e) {
    if (e.vide() && e.debut > dernierPoint(m)) e.debut = e.fin = dernierPoint(m);
    return e;
}

bool estLimite(const ModeleDocument& m, Unite u, int32_t p) {
    return p <= 0 || p >= m.longueur() || uniteA(m, u, p).debut == p;
}

// Up to |nombre| boundaries from p, never past `borne` forward; the
// boundaries reached are counted into n.
int32_t parcourt(const ModeleDocument& m, Unite u, int32_t p, int32_t nombre, int32_t borne, int32_t& n) {
    const bool avant = nombre > 0;
    if (avant) p = std::min(p, borne);
    while (n < std::abs(nombre)) {
        const int32_t q = avant ? std::min(limiteSuivante(m, u, p), borne) : limitePrecedente(m, u, p);
        if (q == p) break;
        p = q;
        ++n;
    }
    return p;
}

}  // namespace

Unite unite(int32_t wdUnits, bool ligneAdmise) {
    switch (wdUnits) {
        case word::wd::Character: return Unite::Caractere;
        case word::wd::Word: return Unite::Mot;
        case word::wd::Sentence: return Unite::Phrase;
        case word::wd::Paragraph: return Unite::Paragraphe;
        case word::wd::Line:
            if (ligneAdmise) return Unite::Ligne;
            break;
        case word::wd::Story: return Unite::Document;
        case word::wd::Section: return Unite::Section;
        default: break;
    }
    leveErreurWord(wderr::ParametreIncorrect);
}

Etendue uniteA(const ModeleDocument& m, Unite u, int32_t pos) {
    pos = std::clamp(pos, 0, dernierPoint(m));
    switch (u) {
        case Unite::Caractere: return {pos, pos + 1};
        case Unite::Mot: return m.motA(pos);
        case Unite::Phrase: return m.phraseA(pos);
        case Unite::Paragraphe: return m.paragraphe(m.paragrapheA(pos));
        case Unite::Ligne: return m.ligneA(pos);
        case Unite::Section: return m.section(m.sectionA(pos));
        case Unite::Document: break;
    }
    return m.contenu();
}

int32_t limiteSuivante(const ModeleDocument& m, Unite u, int32_t p) {
    return p >= m.longueur() ? m.longueur() : uniteA(m, u, p).fin;
}

int32_t limitePrecedente(const ModeleDocument& m, Unite u, int32_t p) {
    return p <= 0 ? 0 : uniteA(m, u, p - 1).debut;
}

Resultat deplace(const ModeleDocument& m, Etendue e, Unite u, int32_t nombre) {
    if (nombre == 0) return {e, 0};
    const bool avant = nombre > 0;
    int32_t n = 0, p = e.debut;
    if (!e.vide()) {
        p = avant ? e.fin : e.debut;
        if (!estLimite(m, u, p)) p = avant ? limiteSuivante(m, u, p) : limitePrecedente(m, u, p);
        p = std::min(p, dernierPoint(m));
        n = 1;
    }
    p = parcourt(m, u, p, nombre, dernierPoint(m), n);
    return {replie(m, {p, p}), avant ? n : -n};
}

Resultat deplaceDebut(const ModeleDocument& m, Etendue e, Unite u, int32_t nombre) {
    int32_t n = 0;
    const int32_t p = parcourt(m, u, e.debut, nombre, dernierPoint(m), n);
    return {replie(m, {p, std::max(p, e.fin)}), nombre > 0 ? n : -n};
}

Resultat deplaceFin(const ModeleDocument& m, Etendue e, Unite u, int32_t nombre) {
    int32_t n = 0;
    const int32_t p = parcourt(m, u, e.fin, nombre, m.longueur(), n);
    return {replie(m, {std::min(p, e.debut), p}), nombre > 0 ? n : -n};
}

Resultat debutDe(const ModeleDocument& m, Etendue e, Unite u, bool etendre) {
    const int32_t d = uniteA(m, u, e.debut).debut;
    if (d >= e.debut) return {e, 0};
    return {{d, etendre ? e.fin : d}, d - e.debut};
}

Resultat finDe(const ModeleDocument& m, Etendue e, Unite u, bool etendre) {
    const int32_t f = uniteA(m, u, e.vide() ? e.fin : e.fin - 1).fin;
    if (f <= e.fin) return {e, 0};
    const Etendue r = replie(m, {etendre ? e.debut : f, f});
    return {r, r.fin - e.fin};
}

Resultat agrandit(const ModeleDocument& m, Etendue e, Unite u) {
    const Etendue premiere = uniteA(m, u, e.debut);
    const Etendue r{premiere.debut, e.vide() ? premiere.fin : uniteA(m, u, e.fin - 1).fin};
    return {r, r.longueur() - e.longueur()};
}

Resultat parCaracteres(const ModeleDocument& m, Etendue e, std::u16string_view jeu, int32_t nombre, Recherche r,
                       Bout b) {
    if (nombre == 0) return {e, 0};
    const bool avant = nombre > 0;
    const auto limite = static_cast<int64_t>(std::abs(static_cast<int64_t>(nombre)));
    const std::u16string& t = m.texte();
    auto dansJeu = [&](int32_t k) { return jeu.find(t[static_cast<size_t>(k)]) != std::u16string_view::npos; };
    const int32_t depart = b == Bout::Debut || (b == Bout::DeuxBouts && !avant) ? e.debut : e.fin;
    // Only a span's end may pass the final mark.
    const int32_t fin = b == Bout::Fin ? m.longueur() : dernierPoint(m);
    int32_t q = depart, rendu = 0;
    if (avant) {
        int32_t k = depart;
        if (r == Recherche::Jusqua) {
            while (k < m.longueur() && k - depart < limite && !dansJeu(k)) ++k;
            if (k >= m.longueur() || k - depart >= limite) return {e, 0};
            rendu = k - depart + 1;
        } else {
            while (k < fin && k - depart < limite && dansJeu(k)) ++k;
            rendu = k - depart;
        }
        q = k;
    } else {
        int32_t k = depart;
        if (r == Recherche::Jusqua) {
            while (k > 0 && depart - k < limite && !dansJeu(k - 1)) --k;
            if (k <= 0 || depart - k >= limite) return {e, 0};
            rendu = k - depart - 1;
        } else {
            while (k > 0 && depart - k < limite && dansJeu(k - 1)) --k;
            rendu = k - depart;
        }
        q = k;
    }
    if (rendu == 0) return {e, 0};
    Etendue n{q, q};
    if (b == Bout::Debut) n = {q, std::max(q, e.fin)};
    if (b == Bout::Fin) n = {std::min(q, e.debut), q};
    return {replie(m, n), rendu};
}

}  // namespace k58204::sim::deplacement
