// The document model: construction, storage helpers (format pools, runs),
// character queries and character formatting, structural checks.
#include "sim/doc/ModeleDocument.hpp"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

#include "sim/doc/Mixte.hpp"

namespace k58204::sim {

ModeleDocument::ModeleDocument() {
    texte_ = u"\r";
    formats_.push_back(FormatCaractere{});
    runs_.push_back({0, 0});
    formatsParagraphe_.push_back(FormatParagraphe{});
    pages_.push_back(MiseEnPage{});
    paragraphes_.push_back({1, 0, 0});
}

uint64_t ModeleDocument::version() const {
    if (!(proprietes_ == proprietesVues_)) {
        proprietesVues_ = proprietes_;
        ++versionProprietes_;
    }
    return version_ + styles_.version() + versionProprietes_;
}

std::pair<int32_t, int32_t> ModeleDocument::borne(int32_t debut, int32_t fin) const {
    const int32_t n = longueur();
    debut = std::clamp(debut, 0, n);
    fin = std::clamp(fin, 0, n);
    if (fin < debut) std::swap(debut, fin);
    return {debut, fin};
}

std::u16string ModeleDocument::texte(int32_t debut, int32_t fin) const {
    auto [a, b] = borne(debut, fin);
    return texte_.substr(static_cast<size_t>(a), static_cast<size_t>(b - a));
}

// ---------------------------------------------------------------- format pools

namespace {
template <class T> void cleOpt(std::u16string& k, const std::optional<T>& v) {
    if (!v) {
        k += u'\x01';
        return;
    }
    k += u'\x02';
    if constexpr (std::is_same_v<T, std::u16string>) {
        // The length in two units: a length cut to 16 bits would let two
        // different texts give the same key.
        const auto n = static_cast<uint32_t>(v->size());
        k += static_cast<char16_t>(n >> 16);
        k += static_cast<char16_t>(n & 0xFFFF);
        k += *v;
    } else if constexpr (std::is_same_v<T, bool>) {
        k += *v ? u'1' : u'0';
    } else {
        auto u = static_cast<uint32_t>(*v);
        k += static_cast<char16_t>(u & 0xFFFF);
        k += static_cast<char16_t>(u >> 16);
    }
}

std::u16string cle(const FormatCaractere& f) {
    std::u16string k;
    cleOpt(k, f.gras);
    cleOpt(k, f.italique);
    cleOpt(k, f.couleur);
    cleOpt(k, f.police);
    cleOpt(k, f.demiPoints);
    cleOpt(k, f.surlignage);
    std::optional<int32_t> s, l, c, e;
    if (f.bordure) {
        s = f.bordure->style;
        l = f.bordure->largeur;
        c = f.bordure->couleur;
        e = f.bordure->espace;
    }
    cleOpt(k, s);
    cleOpt(k, l);
    cleOpt(k, c);
    cleOpt(k, e);
    cleOpt(k, f.langue);
    cleOpt(k, f.styleCaractere);
    return k;
}

std::u16string cle(const FormatParagraphe& f) {
    std::u16string k;
    cleOpt(k, f.style);
    cleOpt(k, f.alignement);
    cleOpt(k, f.retraitGauche);
    cleOpt(k, f.retraitDroit);
    cleOpt(k, f.retraitPremiereLigne);
    cleOpt(k, f.espaceAvant);
    cleOpt(k, f.espaceApres);
    std::optional<int32_t> regle, valeur;
    if (f.interligne) {
        regle = static_cast<int32_t>(f.interligne->regle);
        valeur = f.interligne->valeur;
    }
    cleOpt(k, regle);
    cleOpt(k, valeur);
    for (const auto& b : f.bordures) {
        std::optional<int32_t> s, l, c, e;
        if (b) {
            s = b->style;
            l = b->largeur;
            c = b->couleur;
            e = b->espace;
        }
        cleOpt(k, s);
        cleOpt(k, l);
        cleOpt(k, c);
        cleOpt(k, e);
    }
    cleOpt(k, f.ombrage);
    return k;
}

template <class F>
int32_t interne(std::vector<F>& pool, std::unordered_map<std::u16string, int32_t>& index, const F& f) {
    if (index.size() != pool.size()) {
        index.clear();
        for (size_t i = 0; i < pool.size(); ++i) index.emplace(cle(pool[i]), static_cast<int32_t>(i));
    }
    auto k = cle(f);
    auto it = index.find(k);
    if (it != index.end()) return it->second;
    pool.push_back(f);
    auto i = static_cast<int32_t>(pool.size() - 1);
    index.emplace(std::move(k), i);
    return i;
}
}  // namespace

int32_t ModeleDocument::interneCaractere(const FormatCaractere& f) {
    return interne(formats_, indexFormats_, f);
}

int32_t ModeleDocument::interneParagraphe(const FormatParagraphe& f) {
    return interne(formatsParagraphe_, indexFormatsParagraphe_, f);
}

// ---------------------------------------------------------------- runs

size_t ModeleDocument::runA(int32_t pos) const {
    auto it = std::upper_bound(runs_.begin(), runs_.end(), pos,
                               [](int32_t p, const Run& r) { return p < r.debut; });
    return static_cast<size_t>(std::max<std::ptrdiff_t>(0, (it - runs_.begin()) - 1));
}

void ModeleDocument::decoupeRun(int32_t pos) {
    if (pos <= 0 || pos >= longueur()) return;
    size_t r = runA(pos);
    if (runs_[r].debut == pos) return;
    runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(r) + 1, Run{pos, runs_[r].format});
}

void ModeleDocument::fusionneRuns() {
    size_t w = 0;
    for (size_t i = 0; i < runs_.size(); ++i) {
        if (runs_[i].debut >= longueur()) break;
        if (w > 0 && runs_[w - 1].format == runs_[i].format) continue;
        if (w > 0 && runs_[w - 1].debut == runs_[i].debut) {
            runs_[w - 1] = runs_[i];
            continue;
        }
        runs_[w++] = runs_[i];
    }
    runs_.resize(w);
}

// ---------------------------------------------------------------- characters

const FormatCaractere& ModeleDocument::formatCaractereDirect(int32_t pos) const {
    pos = std::clamp(pos, 0, longueur() - 1);
    return formats_[static_cast<size_t>(runs_[runA(pos)].format)];
}

CaractereEffectif ModeleDocument::formatCaractere(int32_t pos) const {
    pos = std::clamp(pos, 0, longueur() - 1);
    const auto& fp = formatsParagraphe_[static_cast<size_t>(paragraphes_[static_cast<size_t>(paragrapheA(pos))].format)];
    return styles_.caractere(fp.style.value_or(u""), formatCaractereDirect(pos));
}

int32_t ModeleDocument::formatInsertion(int32_t pos) const {
    pos = std::clamp(pos, 0, longueur() - 1);
    if (pos > 0 && texte_[static_cast<size_t>(pos) - 1] != MarqueParagraphe) --pos;
    return runs_[runA(pos)].format;
}

CaractereMixte ModeleDocument::formatCaracteres(int32_t debut, int32_t fin) const {
    auto [a, b] = borne(debut, fin);
    Melange<bool> gras, italique;
    Melange<int32_t> couleur, surlignage;
    Melange<std::u16string> police, style;
    Melange<float> taille;
    Melange<Bordure> bordure;
    auto ajoute = [&](const CaractereEffectif& e) {
        bordure.ajoute(e.bordure);
        gras.ajoute(e.gras);
        italique.ajoute(e.italique);
        couleur.ajoute(e.couleur);
        surlignage.ajoute(e.surlignage);
        police.ajoute(e.police);
        style.ajoute(e.styleCaractere);
        taille.ajoute(e.taille);
    };
    if (a == b) {
        int32_t p = std::min(a, longueur() - 1);
        if (p > 0 && texte_[static_cast<size_t>(p) - 1] != MarqueParagraphe) --p;
        ajoute(formatCaractere(p));
    } else {
        std::unordered_map<uint64_t, CaractereEffectif> cache;
        int32_t cur = a;
        size_t r = runA(a);
        auto q = static_cast<size_t>(paragrapheA(a));
        while (cur < b) {
            while (r + 1 < runs_.size() && runs_[r + 1].debut <= cur) ++r;
            while (paragraphes_[q].fin <= cur) ++q;
            int32_t finRun = r + 1 < runs_.size() ? runs_[r + 1].debut : longueur();
            int32_t finSeg = std::min({b, finRun, paragraphes_[q].fin});
            uint64_t k = (static_cast<uint64_t>(paragraphes_[q].format) << 32) | static_cast<uint32_t>(runs_[r].format);
            auto it = cache.find(k);
            if (it == cache.end()) {
                const auto& fp = formatsParagraphe_[static_cast<size_t>(paragraphes_[q].format)];
                it = cache.emplace(k, styles_.caractere(fp.style.value_or(u""),
                                                        formats_[static_cast<size_t>(runs_[r].format)])).first;
                ajoute(it->second);
                if (gras.mixte() && italique.mixte() && couleur.mixte() && surlignage.mixte() && police.mixte() &&
                    style.mixte() && taille.mixte() && bordure.mixte())
                    break;
            }
            cur = finSeg;
        }
    }
    CaractereMixte m;
    m.gras = gras.valeur();
    m.italique = italique.valeur();
    m.couleur = couleur.valeur();
    m.police = police.valeur();
    m.taille = taille.valeur();
    m.surlignage = surlignage.valeur();
    m.bordure = bordure.valeur();
    m.styleCaractere = style.valeur();
    return m;
}

void ModeleDocument::appliquerCaracteres(int32_t debut, int32_t fin, const FormatCaractere& modif) {
    auto [a, b] = borne(debut, fin);
    if (a == b || modif.vide()) return;
    decoupeRun(a);
    decoupeRun(b);
    std::unordered_map<int32_t, int32_t> nouveaux;
    for (size_t r = runA(a); r < runs_.size() && runs_[r].debut < b; ++r) {
        auto it = nouveaux.find(runs_[r].format);
        if (it == nouveaux.end()) {
            FormatCaractere f = formats_[static_cast<size_t>(runs_[r].format)];
            f.fusionner(modif);
            it = nouveaux.emplace(runs_[r].format, interneCaractere(f)).first;
        }
        runs_[r].format = it->second;
    }
    fusionneRuns();
    ++version_;
}

void ModeleDocument::effacerCaracteres(int32_t debut, int32_t fin) {
    auto [a, b] = borne(debut, fin);
    if (a == b) return;
    decoupeRun(a);
    decoupeRun(b);
    int32_t vide = interneCaractere(FormatCaractere{});
    for (size_t r = runA(a); r < runs_.size() && runs_[r].debut < b; ++r) runs_[r].format = vide;
    fusionneRuns();
    ++version_;
}

// ---------------------------------------------------------------- checks

void ModeleDocument::verifierInvariants() const {
    auto faute = [](const char* m) { throw std::logic_error(m); };
    const int32_t n = longueur();
    if (n < 1 || texte_.back() != MarqueParagraphe) faute("text must end with a paragraph mark");
    if (runs_.empty() || runs_[0].debut != 0) faute("first run must start at 0");
    for (size_t i = 0; i < runs_.size(); ++i) {
        if (runs_[i].debut >= n) faute("run starts past the end");
        if (i > 0 && runs_[i].debut <= runs_[i - 1].debut) faute("runs out of order");
        if (i > 0 && runs_[i].format == runs_[i - 1].format) faute("equal neighbouring runs not merged");
        if (runs_[i].format < 0 || static_cast<size_t>(runs_[i].format) >= formats_.size()) faute("bad run format");
    }
    size_t marques = static_cast<size_t>(std::count(texte_.begin(), texte_.end(), MarqueParagraphe));
    if (marques != paragraphes_.size()) faute("paragraph records do not match the marks");
    for (size_t i = 0; i < paragraphes_.size(); ++i) {
        const auto& p = paragraphes_[i];
        if (p.fin < 1 || p.fin > n || texte_[static_cast<size_t>(p.fin) - 1] != MarqueParagraphe)
            faute("paragraph does not end on a mark");
        if (i > 0 && p.fin <= paragraphes_[i - 1].fin) faute("paragraphs out of order");
        if (p.section >= static_cast<int32_t>(pages_.size())) faute("bad section index");
    }
    if (paragraphes_.back().section < 0) faute("final paragraph must end the last section");
    for (const auto& s : signets_)
        if (s.etendue.debut < 0 || s.etendue.fin > n || s.etendue.debut > s.etendue.fin) faute("bookmark out of range");
    for (size_t i = 0; i < cases_.size(); ++i) {
        const auto& c = cases_[i];
        if (c.position < 0 || c.position >= n || texte_[static_cast<size_t>(c.position)] != CaractereChamp)
            faute("check box not on its field character");
        if (i > 0 && c.position <= cases_[i - 1].position) faute("check boxes out of order");
    }
}

bool ModeleDocument::memeContenu(const ModeleDocument& o) const {
    if (texte_ != o.texte_) return false;
    // Character formatting, compared as values at every run boundary of either side.
    {
        size_t i = 0, j = 0;
        int32_t pos = 0;
        while (pos < longueur()) {
            while (i + 1 < runs_.size() && runs_[i + 1].debut <= pos) ++i;
            while (j + 1 < o.runs_.size() && o.runs_[j + 1].debut <= pos) ++j;
            if (!(formats_[static_cast<size_t>(runs_[i].format)] == o.formats_[static_cast<size_t>(o.runs_[j].format)]))
                return false;
            int32_t a = i + 1 < runs_.size() ? runs_[i + 1].debut : longueur();
            int32_t b = j + 1 < o.runs_.size() ? o.runs_[j + 1].debut : longueur();
            pos = std::min(a, b);
        }
    }
    if (paragraphes_.size() != o.paragraphes_.size()) return false;
    for (size_t i = 0; i < paragraphes_.size(); ++i) {
        const auto& p = paragraphes_[i];
        const auto& q = o.paragraphes_[i];
        if (p.fin != q.fin) return false;
        if (!(formatsParagraphe_[static_cast<size_t>(p.format)] == o.formatsParagraphe_[static_cast<size_t>(q.format)]))
            return false;
        if ((p.section < 0) != (q.section < 0)) return false;
        if (p.section >= 0 && !(pages_[static_cast<size_t>(p.section)] == o.pages_[static_cast<size_t>(q.section)]))
            return false;
    }
    if (signets() != o.signets()) return false;
    if (cases_ != o.cases_) return false;
    return styles_ == o.styles_ && proprietes_ == o.proprietes_;
}

}  // namespace k58204::sim
