// Reading the XML parts of WordprocessingML 2006: what that vocabulary has
// that 2003's has not, on the walk shared with it (sim/doc/LectureWordML.hpp).
#include "sim/doc/FFData.hpp"
#include "sim/doc/LectureWordML.hpp"
#include "sim/doc/WordML2006.hpp"
#include "word/Texte.hpp"

namespace k58204::sim::lecture {

void Lecture::lireDefauts(const Noeud* docDefaults) {
    for (auto* e = docDefaults->first_node(); e; e = e->next_sibling())
        if (e->type() == rapidxml::node_element && est(e, p_.w, "rPrDefault"))
            for (auto* x = e->first_node(); x; x = x->next_sibling())
                if (x->type() == rapidxml::node_element && est(x, p_.w, "rPr")) defauts2006_ = lireRPr(x);
}

// 2006's document defaults (w:docDefaults/w:rPrDefault/w:rPr). Their font is
// the document default font, as 2003's w:defaultFonts. The model's defaults
// hold only that font in a file (2003 has nowhere else to keep a default), so
// the other run properties are given to the paragraph styles that base on no
// other style and do not set them: what a paragraph shows stays the same.
// Without a size anywhere, 2006 text is 10 pt (2003's default is 12 pt).
void Lecture::appliquerDefauts2006() {
    FormatCaractere f = defauts2006_;
    if (!f.demiPoints) f.demiPoints = 20;
    if (f.police) c_.styles().defautsCaractere().police = f.police;
    f.police.reset();
    f.styleCaractere.reset();
    std::vector<Style> racines;
    for (const Style& s : c_.styles().tous())
        if (s.type == TypeStyle::Paragraphe && s.basePour.empty()) racines.push_back(s);
    for (Style& s : racines) {
        FormatCaractere& c = s.caracteres;
        bool change = false;
        auto complete = [&](auto& champ, const auto& defaut) {
            if (!champ && defaut) {
                champ = defaut;
                change = true;
            }
        };
        complete(c.gras, f.gras);
        complete(c.italique, f.italique);
        complete(c.couleur, f.couleur);
        complete(c.demiPoints, f.demiPoints);
        complete(c.surlignage, f.surlignage);
        complete(c.langue, f.langue);
        if (change) c_.styles().ajouter(std::move(s));
    }
}

std::u16string Lecture::modeleDesReglages(const Noeud* attachedTemplate) const {
    // 2006 names the template through the settings part's relationships; the
    // target is a file: URI or a path. It is kept as the Windows path 2003 stores.
    auto* a = attributDe(attachedTemplate, p_.r, "id");
    if (!a || !liensReglages_) return {};
    auto it = liensReglages_->find(std::string_view(a->value(), a->value_size()));
    if (it == liensReglages_->end()) return {};
    std::string_view cible = it->second;
    if (cible.substr(0, 8) == "file:///") cible.remove_prefix(8);
    else if (cible.substr(0, 5) == "file:") cible.remove_prefix(5);
    std::string chemin;
    for (size_t i = 0; i < cible.size(); ++i) {
        char c = cible[i];
        auto chiffre = [](char h) -> int {
            if (h >= '0' && h <= '9') return h - '0';
            if (h >= 'a' && h <= 'f') return h - 'a' + 10;
            if (h >= 'A' && h <= 'F') return h - 'A' + 10;
            return -1;
        };
        if (c == '%' && i + 2 < cible.size() && chiffre(cible[i + 1]) >= 0 && chiffre(cible[i + 2]) >= 0) {
            chemin += static_cast<char>(chiffre(cible[i + 1]) * 16 + chiffre(cible[i + 2]));
            i += 2;
        } else {
            chemin += c == '/' ? '\\' : c;
        }
    }
    return u16(chemin);
}

std::optional<std::u16string> Lecture::policeDuTheme(const Noeud* rFonts) const {
    auto v = texteAttribut(rFonts, "asciiTheme");
    if (!v) v = texteAttribut(rFonts, "hAnsiTheme");
    if (!v) return std::nullopt;
    // majorHAnsi, minorAscii...: the theme's heading or body font.
    const std::string_view genre = v->substr(0, 5);
    const std::string* police = genre == "major" ? &themeMajeure_ : genre == "minor" ? &themeMineure_ : nullptr;
    if (!police || police->empty()) return std::nullopt;
    return u16(*police);
}

bool Lecture::signet2006(const Noeud* e) {
    if (est(e, p_.w, "bookmarkStart")) {
        auto id = texteAttribut(e, "id");
        auto n = texteAttribut(e, "name");
        if (id && n) debutSignet(*id, *n);
        return true;
    }
    if (est(e, p_.w, "bookmarkEnd")) {
        if (auto id = texteAttribut(e, "id")) finSignet(*id);
        return true;
    }
    return false;
}

const Noeud* Lecture::repli(const Noeud* alternative) const {
    for (auto* e = alternative->first_node(); e; e = e->next_sibling())
        if (e->type() == rapidxml::node_element && est(e, p_.mc, "Fallback")) return e;
    return nullptr;
}

bool Lecture::caseSimple(const Noeud* fldSimple) {
    auto instruction = texteAttribut(fldSimple, "instr");
    if (!instruction || instruction->find("FORMCHECKBOX") == std::string_view::npos) return false;
    // Its shown result is the box itself: the record in w:fldData when there
    // is a usable one, else an unchecked box, formatted as its first run.
    CaseACocher cc;
    FormatCaractere f;
    bool formatLu = false;
    for (auto* e = fldSimple->first_node(); e; e = e->next_sibling()) {
        if (e->type() != rapidxml::node_element) continue;
        if (est(e, p_.w, "fldData")) {
            if (auto octets = decodeBase64(contenu(e)))
                if (auto lue = lireFFData(*octets)) cc = *lue;
        } else if (est(e, p_.w, "r") && !formatLu) {
            formatLu = true;
            for (auto* x = e->first_node(); x; x = x->next_sibling())
                if (x->type() == rapidxml::node_element && est(x, p_.w, "rPr")) f = lireRPr(x);
        }
    }
    c_.ajouterCase(cc, f);
    return true;
}

bool Lecture::paragraphe2006(const Noeud* e, int profondeur) {
    if (signet2006(e)) return true;
    if (est(e, p_.w, "fldSimple")) {
        if (dansCode()) return true;
        if (caseSimple(e)) return true;
        contenuParagraphe(e, profondeur + 1);
        return true;
    }
    if (est(e, p_.mc, "AlternateContent")) {
        if (auto* r = repli(e)) contenuParagraphe(r, profondeur + 1);
        return true;
    }
    // Containers of runs: content controls, custom XML, text moved here (text
    // moved away, w:moveFrom, is dropped as deleted text is), text direction.
    if (est(e, p_.w, "sdt") || est(e, p_.w, "sdtContent") || est(e, p_.w, "customXml") || est(e, p_.w, "moveTo") ||
        est(e, p_.w, "hyperlink") || est(e, p_.w, "dir") || est(e, p_.w, "bdo")) {
        contenuParagraphe(e, profondeur + 1);
        return true;
    }
    return false;
}

bool Lecture::bloc2006(const Noeud* e, int profondeur) {
    if (signet2006(e)) return true;
    if (est(e, p_.mc, "AlternateContent")) {
        if (auto* r = repli(e)) blocs(r, profondeur + 1);
        return true;
    }
    // Content controls and custom XML around paragraphs, rows or cells.
    if (est(e, p_.w, "sdt") || est(e, p_.w, "sdtContent") || est(e, p_.w, "customXml")) {
        blocs(e, profondeur + 1);
        return true;
    }
    return false;
}

}  // namespace k58204::sim::lecture

namespace k58204::sim::wordml {

using namespace lecture;

namespace {

// Parses one part of a 2006 document, whose root must be w:`racine`.
void analyserPartie(const Partie2006& partie, std::string_view racine, XmlLu& x) {
    try {
        analyser(partie.octets, x);
    } catch (const ErreurWordML& e) {
        std::string raison = e.cause() == ErreurWordML::Cause::TropGrand ? "partie trop grande" : "XML mal formé";
        throw ErreurWordML(e.cause(), partie.nom + " : " + raison + " (" + e.what() + ")");
    }
    x.p.lire(x.racine, NsW2006, NsW2006Strict);
    if (!racineEst(x, racine, NsW2006, NsW2006Strict))
        throw ErreurWordML(ErreurWordML::Cause::PasWordML,
                           partie.nom + " : l'élément racine est " + std::string(nom(x.racine)) + ", et non l'élément " +
                               std::string(racine) + " de WordprocessingML (2006)");
}

}  // namespace

ModeleDocument lireWordML2006(const Document2006& d, std::vector<std::string>& avertissements) {
    Lecture lecture(WordML2006, &avertissements);
    lecture.policesDuTheme(d.policeThemeMajeure, d.policeThemeMineure);
    XmlLu styles, reglages, document;
    if (d.styles) {
        analyserPartie(*d.styles, "styles", styles);
        lecture.partie(styles);
        lecture.lireStyles(styles.racine);
    }
    if (d.reglages) {
        analyserPartie(*d.reglages, "settings", reglages);
        lecture.partie(reglages);
        lecture.modelesDesReglages(&d.liensReglages);
        lecture.lireDocPr(reglages.racine);
    }
    analyserPartie(d.document, "document", document);
    lecture.partie(document);
    return lecture.lireCorps(document.racine);
}

}  // namespace k58204::sim::wordml
