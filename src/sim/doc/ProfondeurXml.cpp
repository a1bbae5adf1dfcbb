#include "sim/doc/ProfondeurXml.hpp"

namespace k58204::sim {

namespace {

constexpr size_t Absent = std::string_view::npos;

bool blanc(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
// Characters of an element name, of an attribute name (the parser's sets).
bool carNom(char c) { return !blanc(c) && c != '/' && c != '>' && c != '?' && c != '\0'; }
bool carNomAttribut(char c) {
    return carNom(c) && c != '<' && c != '=' && c != '!';
}

// Position just past `fin` searched from `i`; Absent when it is missing.
size_t apres(std::string_view x, size_t i, std::string_view fin) {
    size_t j = x.find(fin, i);
    return j == Absent ? Absent : j + fin.size();
}

// Just past the '>' closing a document type declaration whose body starts at
// `i`: brackets nest (the internal subset), quotes mean nothing.
size_t finDoctype(std::string_view x, size_t i) {
    for (; i < x.size(); ++i) {
        if (x[i] == '>') return i + 1;
        if (x[i] == '[') {
            int crochets = 1;
            for (++i; crochets > 0; ++i) {
                if (i >= x.size()) return Absent;
                if (x[i] == '[') ++crochets;
                else if (x[i] == ']') --crochets;
            }
            --i;
        }
    }
    return Absent;
}

// A start tag from its '<' at `i`: sets `fin` past its '>' and `vide` for
// "/>". False when the parser would refuse it.
bool baliseOuvrante(std::string_view x, size_t i, size_t& fin, bool& vide) {
    const size_t n = x.size();
    size_t j = i + 1;
    while (j < n && carNom(x[j])) ++j;
    if (j == i + 1) return false;  // no element name
    while (true) {
        while (j < n && blanc(x[j])) ++j;
        if (j >= n || !carNomAttribut(x[j])) break;
        while (j < n && carNomAttribut(x[j])) ++j;
        while (j < n && blanc(x[j])) ++j;
        if (j >= n || x[j] != '=') return false;
        ++j;
        while (j < n && blanc(x[j])) ++j;
        if (j >= n || (x[j] != '"' && x[j] != '\'')) return false;
        size_t guillemet = x.find(x[j], j + 1);
        if (guillemet == Absent) return false;
        j = guillemet + 1;
    }
    if (j < n && x[j] == '>') {
        fin = j + 1, vide = false;
        return true;
    }
    if (j + 1 < n && x[j] == '/' && x[j + 1] == '>') {
        fin = j + 2, vide = true;
        return true;
    }
    return false;
}

}  // namespace

ProfondeurXml mesureProfondeurXml(std::string_view x, int maximum) {
    int profondeur = 0;
    size_t i = 0;
    while ((i = x.find('<', i)) != Absent) {
        std::string_view reste = x.substr(i);
        if (reste.starts_with("<!--")) {
            i = apres(x, i + 4, "-->");
        } else if (reste.starts_with("<![CDATA[")) {
            i = apres(x, i + 9, "]]>");
        } else if (reste.starts_with("<?")) {
            i = apres(x, i + 2, "?>");
        } else if (reste.starts_with("<!DOCTYPE") && reste.size() > 9 && blanc(reste[9])) {
            i = finDoctype(x, i + 10);
        } else if (reste.starts_with("<!")) {
            i = apres(x, i + 2, ">");
        } else if (reste.starts_with("</")) {
            // The parser checks that each end tag closes the open element and
            // stops at one that does not, so the count never goes below zero.
            if (profondeur > 0) --profondeur;
            i = apres(x, i + 2, ">");
        } else {
            size_t fin = 0;
            bool vide = false;
            if (!baliseOuvrante(x, i, fin, vide)) return ProfondeurXml::MalFormee;
            if (!vide && ++profondeur > maximum) return ProfondeurXml::TropProfonde;
            i = fin;
        }
        if (i == Absent) return ProfondeurXml::MalFormee;  // unterminated
    }
    return ProfondeurXml::Acceptable;
}

}  // namespace k58204::sim
