#include "sim/word/Chemins.hpp"

#include <vector>

namespace k58204::sim {

namespace {
bool separateur(char16_t c) { return c == u'\\' || c == u'/'; }
}

bool estCheminAbsolu(std::u16string_view c) {
    return (c.size() >= 2 && c[1] == u':') || (!c.empty() && separateur(c[0]));
}

std::u16string joindre(std::u16string_view dossier, std::u16string_view nom) {
    if (estCheminAbsolu(nom) || dossier.empty()) return std::u16string(nom);
    std::u16string r(dossier);
    if (!separateur(r.back())) r += u'\\';
    return r + std::u16string(nom);
}

std::u16string normaliseChemin(std::u16string_view chemin) {
    std::u16string lecteur = u"C:";
    std::u16string_view reste = chemin;
    if (chemin.size() >= 2 && separateur(chemin[0]) && separateur(chemin[1])) {
        // UNC: kept as it is, separators aside.
        std::u16string r(chemin);
        for (char16_t& c : r)
            if (c == u'/') c = u'\\';
        return r;
    }
    if (chemin.size() >= 2 && chemin[1] == u':') {
        lecteur = std::u16string(chemin.substr(0, 2));
        if (lecteur[0] >= u'a' && lecteur[0] <= u'z') lecteur[0] = static_cast<char16_t>(lecteur[0] - u'a' + u'A');
        reste = chemin.substr(2);
    }
    std::vector<std::u16string> parties;
    size_t i = 0;
    while (i <= reste.size()) {
        size_t j = i;
        while (j < reste.size() && !separateur(reste[j])) ++j;
        std::u16string p(reste.substr(i, j - i));
        i = j + 1;
        if (p.empty() || p == u".") continue;
        if (p == u"..") {
            if (!parties.empty()) parties.pop_back();
            continue;
        }
        parties.push_back(std::move(p));
    }
    if (parties.empty()) return lecteur + u"\\";
    std::u16string r = lecteur;
    for (const auto& p : parties) r += u"\\" + p;
    return r;
}

std::u16string dossierDe(std::u16string_view chemin) {
    size_t p = chemin.find_last_of(u"\\/");
    if (p == std::u16string_view::npos) return {};
    return std::u16string(chemin.substr(0, p));
}

std::u16string nomDe(std::u16string_view chemin) {
    size_t p = chemin.find_last_of(u"\\/");
    return std::u16string(p == std::u16string_view::npos ? chemin : chemin.substr(p + 1));
}

bool cheminValide(std::u16string_view chemin) {
    if (chemin.empty()) return false;
    for (size_t i = 0; i < chemin.size(); ++i) {
        char16_t c = chemin[i];
        if (c < 32 || c == u'<' || c == u'>' || c == u'|' || c == u'"' || c == u'*' || c == u'?') return false;
        if (c == u':' && i != 1) return false;
    }
    return true;
}

std::u16string sansExtension(std::u16string_view nom) {
    size_t p = nom.find_last_of(u'.');
    if (p == std::u16string_view::npos || p == 0) return std::u16string(nom);
    return std::u16string(nom.substr(0, p));
}

bool aExtension(std::u16string_view nom) {
    size_t p = nom.find_last_of(u'.');
    return p != std::u16string_view::npos && p != 0 && p + 1 < nom.size();
}

}  // namespace k58204::sim
