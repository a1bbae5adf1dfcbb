// Edits of the document model: insertion, deletion, replacement, copy, cut
// and paste, with bookmarks and check boxes kept in step.
#include <algorithm>

#include "sim/doc/ModeleDocument.hpp"

namespace k58204::sim {

// ---------------------------------------------------------------- raw edits

void ModeleDocument::insererBrut(int32_t pos, std::u16string_view s, const std::vector<Run>& runs,
                                 const std::vector<int32_t>* formatsParagraphes) {
    const auto n = static_cast<int32_t>(s.size());
    if (n == 0) return;
    decoupeRun(pos);

    // Runs: those from pos on move right; the new ones go in between.
    auto r0 = static_cast<size_t>(std::lower_bound(runs_.begin(), runs_.end(), pos,
                                                   [](const Run& r, int32_t p) { return r.debut < p; }) -
                                  runs_.begin());
    for (size_t r = r0; r < runs_.size(); ++r) runs_[r].debut += n;
    std::vector<Run> nouveaux;
    nouveaux.reserve(runs.size());
    for (const auto& r : runs)
        if (r.debut >= 0 && r.debut < n) nouveaux.push_back({pos + r.debut, r.format});
    if (nouveaux.empty() || nouveaux.front().debut != pos)
        nouveaux.insert(nouveaux.begin(), Run{pos, runs.empty() ? 0 : runs.front().format});
    runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(r0), nouveaux.begin(), nouveaux.end());

    // Paragraphs: the paragraph holding pos is split at every mark inserted.
    auto pi = static_cast<size_t>(paragrapheA(pos));
    const int32_t formatSepare = paragraphes_[pi].format;
    for (size_t i = pi; i < paragraphes_.size(); ++i) paragraphes_[i].fin += n;
    std::vector<Paragraphe> coupes;
    size_t m = 0;
    for (int32_t k = 0; k < n; ++k) {
        if (s[static_cast<size_t>(k)] != MarqueParagraphe) continue;
        int32_t f = formatSepare;
        if (formatsParagraphes && m < formatsParagraphes->size()) f = (*formatsParagraphes)[m];
        ++m;
        coupes.push_back({pos + k + 1, f, -1});
    }
    paragraphes_.insert(paragraphes_.begin() + static_cast<std::ptrdiff_t>(pi), coupes.begin(), coupes.end());

    for (auto& c : cases_)
        if (c.position >= pos) c.position += n;

    texte_.insert(static_cast<size_t>(pos), s);
    fusionneRuns();
    ++version_;
}

void ModeleDocument::supprimerBrut(int32_t a, int32_t b) {
    if (a >= b) return;
    const int32_t n = b - a;
    decoupeRun(a);
    decoupeRun(b);
    runs_.erase(std::remove_if(runs_.begin(), runs_.end(), [&](const Run& r) { return r.debut >= a && r.debut < b; }),
                runs_.end());
    for (auto& r : runs_)
        if (r.debut >= b) r.debut -= n;

    paragraphes_.erase(std::remove_if(paragraphes_.begin(), paragraphes_.end(),
                                      [&](const Paragraphe& p) { return p.fin > a && p.fin <= b; }),
                       paragraphes_.end());
    for (auto& p : paragraphes_)
        if (p.fin > b) p.fin -= n;

    cases_.erase(std::remove_if(cases_.begin(), cases_.end(),
                                [&](const CaseACocher& c) { return c.position >= a && c.position < b; }),
                 cases_.end());
    for (auto& c : cases_)
        if (c.position >= b) c.position -= n;

    texte_.erase(static_cast<size_t>(a), static_cast<size_t>(n));
    fusionneRuns();
    ++version_;
}

// ---------------------------------------------------------------- bookmarks

void ModeleDocument::ajusterPourInsertion(int32_t pos, int32_t n, const std::vector<std::u16string>* exclus) {
    for (auto& s : signets_) {
        auto& e = s.etendue;
        bool deplace = e.debut > pos;
        if (e.debut == pos && exclus && std::find(exclus->begin(), exclus->end(), s.nom) != exclus->end())
            deplace = true;
        if (deplace) {
            e.debut += n;
            e.fin += n;
        } else if (e.debut == pos || e.fin > pos) {
            // At its start (a collapsed bookmark included) or inside: included.
            e.fin += n;
        }
        // At its end, or after it: unchanged.
    }
}

void ModeleDocument::ajusterPourSuppression(int32_t a, int32_t b) {
    if (a >= b) return;
    auto image = [&](int32_t x) { return x <= a ? x : (x >= b ? x - (b - a) : a); };
    signets_.erase(std::remove_if(signets_.begin(), signets_.end(),
                                  [&](const Signet& s) {
                                      const auto& e = s.etendue;
                                      if (e.debut < e.fin) return a <= e.debut && e.fin <= b;
                                      return a < e.debut && e.debut < b;
                                  }),
                   signets_.end());
    for (auto& s : signets_) {
        s.etendue.debut = image(s.etendue.debut);
        s.etendue.fin = image(s.etendue.fin);
    }
}

// ---------------------------------------------------------------- edits

int32_t ModeleDocument::inserer(int32_t pos, std::u16string_view s) {
    pos = std::clamp(pos, 0, longueur() - 1);
    if (s.empty()) return pos;
    insererBrut(pos, s, {Run{0, formatInsertion(pos)}}, nullptr);
    ajusterPourInsertion(pos, static_cast<int32_t>(s.size()));
    return pos + static_cast<int32_t>(s.size());
}

void ModeleDocument::supprimer(int32_t debut, int32_t fin) {
    auto [a, b] = borne(debut, fin);
    b = std::min(b, longueur() - 1);  // the final mark stays
    if (a >= b) return;
    ajusterPourSuppression(a, b);
    supprimerBrut(a, b);
}

int32_t ModeleDocument::remplacer(int32_t debut, int32_t fin, std::u16string_view s, Remplacement mode) {
    auto [a, b] = borne(debut, fin);
    b = std::min(b, longueur() - 1);
    if (a >= b) return inserer(a, s);
    const auto n = static_cast<int32_t>(s.size());
    // The new text takes the formatting of the first replaced character.
    const std::vector<Run> runs{Run{0, runs_[runA(a)].format}};
    if (mode == Remplacement::Frappe) {
        insererBrut(a, s, runs, nullptr);
        ajusterPourInsertion(a, n);
        ajusterPourSuppression(a + n, b + n);
        supprimerBrut(a + n, b + n);
    } else {
        // Bookmarks that began after the replaced text must not take in the
        // new text, although the deletion brings them to its start.
        std::vector<std::u16string> apres;
        for (const auto& sg : signets_)
            if (sg.etendue.debut >= b) apres.push_back(sg.nom);
        ajusterPourSuppression(a, b);
        supprimerBrut(a, b);
        insererBrut(a, s, runs, nullptr);
        ajusterPourInsertion(a, n, &apres);
    }
    ++version_;
    return a + n;
}

Fragment ModeleDocument::extraire(int32_t debut, int32_t fin) const {
    auto [a, b] = borne(debut, fin);
    b = std::min(b, longueur() - 1);
    Fragment f;
    if (a >= b) return f;
    f.texte = texte_.substr(static_cast<size_t>(a), static_cast<size_t>(b - a));
    for (size_t r = runA(a); r < runs_.size() && runs_[r].debut < b; ++r)
        f.runs.emplace_back(std::max(runs_[r].debut, a) - a, formats_[static_cast<size_t>(runs_[r].format)]);
    for (const auto& p : paragraphes_) {
        if (p.fin <= a) continue;
        if (p.fin > b) break;
        f.paragraphes.push_back(formatsParagraphe_[static_cast<size_t>(p.format)]);
    }
    for (const auto& s : signets_) {
        const auto& e = s.etendue;
        bool dedans = e.debut < e.fin ? (a <= e.debut && e.fin <= b) : (a < e.debut && e.debut < b);
        if (dedans) f.signets.push_back({s.nom, {e.debut - a, e.fin - a}});
    }
    for (const auto& c : cases_) {
        if (c.position < a || c.position >= b) continue;
        CaseACocher copie = c;
        copie.position -= a;
        f.cases.push_back(copie);
    }
    return f;
}

Fragment ModeleDocument::couper(int32_t debut, int32_t fin) {
    Fragment f = extraire(debut, fin);
    supprimer(debut, fin);
    return f;
}

int32_t ModeleDocument::coller(int32_t pos, const Fragment& f) {
    pos = std::clamp(pos, 0, longueur() - 1);
    const auto n = static_cast<int32_t>(f.texte.size());
    if (n == 0) return pos;
    std::vector<Run> runs;
    runs.reserve(f.runs.size() + 1);
    for (const auto& [debutRun, format] : f.runs) {
        if (debutRun < 0 || debutRun >= n || (!runs.empty() && debutRun <= runs.back().debut)) continue;
        runs.push_back({debutRun, interneCaractere(format)});
    }
    if (runs.empty() || runs.front().debut != 0) runs.insert(runs.begin(), Run{0, formatInsertion(pos)});
    std::vector<int32_t> paragraphes;
    paragraphes.reserve(f.paragraphes.size());
    for (const auto& p : f.paragraphes) paragraphes.push_back(interneParagraphe(p));

    insererBrut(pos, f.texte, runs, &paragraphes);
    ajusterPourInsertion(pos, n);

    for (const auto& s : f.signets) {
        if (signetExiste(s.nom) || !nomSignetAcceptable(s.nom)) continue;
        Etendue e{pos + std::clamp(s.etendue.debut, 0, n), pos + std::clamp(s.etendue.fin, 0, n)};
        if (e.fin < e.debut) continue;
        signets_.push_back({s.nom, e});
    }
    bool ajout = false;
    for (const auto& c : f.cases) {
        int32_t p = pos + c.position;
        if (c.position < 0 || c.position >= n || texte_[static_cast<size_t>(p)] != CaractereChamp) continue;
        CaseACocher copie = c;
        copie.position = p;
        cases_.push_back(copie);
        ajout = true;
    }
    if (ajout) {
        auto avant = [](const CaseACocher& x, const CaseACocher& y) { return x.position < y.position; };
        std::stable_sort(cases_.begin(), cases_.end(), avant);
        cases_.erase(std::unique(cases_.begin(), cases_.end(),
                                 [](const CaseACocher& x, const CaseACocher& y) { return x.position == y.position; }),
                     cases_.end());
    }
    ++version_;
    return pos + n;
}

}  // namespace k58204::sim
