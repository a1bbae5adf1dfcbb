#pragma once
// The reader shared by WordprocessingML 2003 (sim/doc/WordML.hpp) and the XML
// parts of WordprocessingML 2006 (sim/doc/WordML2006.hpp): one walk of the
// document, a Dialecte for the few names and values that differ. Internal to
// the document engine.
#include <rapidxml/rapidxml.hpp>

#include <charconv>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/doc/ConstructeurDocument.hpp"
#include "sim/doc/NombresWordML.hpp"
#include "sim/doc/WordML.hpp"
#include "word/Texte.hpp"

namespace k58204::sim::lecture {

using Noeud = rapidxml::xml_node<char>;

inline constexpr std::string_view NsW = "http://schemas.microsoft.com/office/word/2003/wordml";
inline constexpr std::string_view NsAml = "http://schemas.microsoft.com/aml/2001/core";
inline constexpr std::string_view NsWx = "http://schemas.microsoft.com/office/word/2003/auxHint";
inline constexpr std::string_view NsO = "urn:schemas-microsoft-com:office:office";
inline constexpr std::string_view NsW2006 = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr std::string_view NsMc = "http://schemas.openxmlformats.org/markup-compatibility/2006";
inline constexpr std::string_view NsR = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
// The same vocabulary as saved in its strict form (values as in 2006: start,
// end, on/off as true/false), under other namespace names.
inline constexpr std::string_view NsW2006Strict = "http://purl.oclc.org/ooxml/wordprocessingml/main";
inline constexpr std::string_view NsRStrict = "http://purl.oclc.org/ooxml/officeDocument/relationships";

// The names that differ between the two vocabularies. The 2006 one also
// spells enumerated values in camelCase (atLeast, darkBlue, readOnly) where
// 2003 hyphenates them: its values are hyphenated before the shared tables
// are looked up (Lecture::valeur).
struct Dialecte {
    bool v2006;
    std::string_view premiereLigne;  // w:ind
    std::string_view regleLigne;     // w:spacing
    std::string_view hAnsi;          // w:rFonts
    std::string_view idSignet;       // how warnings name a bookmark's id attribute
};
inline constexpr Dialecte WordML2003{false, "first-line", "line-rule", "h-ansi", "aml:id"};
inline constexpr Dialecte WordML2006{true, "firstLine", "lineRule", "hAnsi", "w:id"};

// The reader recurses too: containers nested deeper than the parser allows
// are not walked into.
inline constexpr int ProfondeurMax = ProfondeurMaxWordML;

inline std::string_view nom(const Noeud* n) { return {n->name(), n->name_size()}; }

// The element names with the prefixes the document binds to each namespace.
// Namespace declarations are read on the root only (Word declares them there).
struct Prefixes {
    std::string w = "w", aml = "aml", wx = "wx", o = "o", mc = "mc", r = "r";
    std::map<std::string, std::string, std::less<>> liaisons;  // prefix ("" = default) -> URI

    void lire(const Noeud* racine, std::string_view nsW = NsW, std::string_view nsWStrict = {}) {
        for (auto* a = racine->first_attribute(); a; a = a->next_attribute()) {
            std::string_view n(a->name(), a->name_size());
            std::string p;
            if (n.substr(0, 6) == "xmlns:") p = n.substr(6);
            else if (n != "xmlns") continue;
            std::string_view uri(a->value(), a->value_size());
            liaisons[p] = std::string(uri);
            if (uri == nsW || (!nsWStrict.empty() && uri == nsWStrict)) w = p;
            else if (uri == NsAml) aml = p;
            else if (uri == NsMc) mc = p;
            else if (uri == NsR || uri == NsRStrict) r = p;
            else if (uri == NsWx) wx = p;
            else if (uri == NsO) o = p;
        }
    }
    // The URI a prefix is bound to; nullopt when undeclared.
    std::optional<std::string_view> uri(std::string_view prefixe) const {
        auto it = liaisons.find(prefixe);
        if (it == liaisons.end()) return std::nullopt;
        return it->second;
    }
};

// Is `n` the element prefix:local (or just local for the default namespace)?
inline bool est(const Noeud* n, const std::string& prefixe, std::string_view local) {
    std::string_view x = nom(n);
    if (prefixe.empty()) return x == local;
    return x.size() == prefixe.size() + 1 + local.size() && x.substr(0, prefixe.size()) == prefixe &&
           x[prefixe.size()] == ':' && x.substr(prefixe.size() + 1) == local;
}

// A parsed XML text: the copy the parser works in, and its root element.
struct XmlLu {
    std::string_view original;
    std::vector<char> tampon;
    rapidxml::xml_document<char> xml;
    const Noeud* racine = nullptr;
    Prefixes p;
};

class Lecture {
public:
    Lecture(const Dialecte& d, std::vector<std::string>* avertissements) : d_(d), avertissements_(avertissements) {}

    // The XML text the next calls read from (contenu() goes back to its bytes).
    void partie(const XmlLu& x) {
        original_ = x.original;
        tampon_ = x.tampon.data();
        p_ = x.p;
    }
    // A WordprocessingML 2003 document, from its w:wordDocument root.
    ModeleDocument lire(const Noeud* racine);

    // The parts of a 2006 document, each after partie() names its text.
    void lireStyles(const Noeud* styles);
    void lireDocPr(const Noeud* docPr);
    void modelesDesReglages(const std::map<std::string, std::string, std::less<>>* liens) { liensReglages_ = liens; }
    // The fonts of the document's theme, which 2006 run fonts may name (asciiTheme).
    void policesDuTheme(std::string majeure, std::string mineure) {
        themeMajeure_ = std::move(majeure);
        themeMineure_ = std::move(mineure);
    }
    ModeleDocument lireCorps(const Noeud* racine);

private:
    // ---- attributes
    const rapidxml::xml_attribute<char>* attribut(const Noeud* n, std::string_view local) const {
        return attributDe(n, p_.w, local);
    }
    static const rapidxml::xml_attribute<char>* attributDe(const Noeud* n, const std::string& prefixe,
                                                          std::string_view local) {
        for (auto* a = n->first_attribute(); a; a = a->next_attribute()) {
            std::string_view x(a->name(), a->name_size());
            bool ok = prefixe.empty() ? x == local
                                      : x.size() == prefixe.size() + 1 + local.size() &&
                                            x.substr(0, prefixe.size()) == prefixe && x[prefixe.size()] == ':' &&
                                            x.substr(prefixe.size() + 1) == local;
            if (ok) return a;
        }
        return nullptr;
    }
    // An enumerated value as the shared tables spell it: 2006's camelCase
    // hyphenated (darkBlue -> dark-blue), 2003's as it is.
    std::string valeur(std::string_view v) const {
        if (!d_.v2006) return std::string(v);
        std::string s;
        for (char c : v) {
            if (c >= 'A' && c <= 'Z') {
                if (!s.empty()) s += '-';
                s += static_cast<char>(c - 'A' + 'a');
            } else {
                s += c;
            }
        }
        return s;
    }
    std::optional<std::string_view> texteAttribut(const Noeud* n, std::string_view local) const {
        auto* a = attribut(n, local);
        if (!a) return std::nullopt;
        return std::string_view(a->value(), a->value_size());
    }
    std::optional<int32_t> entier(const Noeud* n, std::string_view local) const {
        auto v = texteAttribut(n, local);
        if (!v) return std::nullopt;
        return wordml::entier(*v);
    }
    std::optional<int32_t> twips(const Noeud* n, std::string_view local) const {
        auto v = texteAttribut(n, local);
        if (!v) return std::nullopt;
        return wordml::twips(*v);
    }
    // On/off property: absent w:val = on.
    static std::optional<bool> surOff(std::string_view v) {
        if (v == "on" || v == "true" || v == "1") return true;
        if (v == "off" || v == "false" || v == "0") return false;
        return std::nullopt;
    }
    std::optional<bool> bascule(const Noeud* n) const {
        auto v = texteAttribut(n, "val");
        if (!v) return true;
        return surOff(*v);
    }
    // "RRGGBB" or "auto" -> BGR.
    static std::optional<int32_t> couleur(std::string_view v) {
        if (v == "auto") return CouleurAuto;
        if (v.size() != 6) return std::nullopt;
        uint32_t rgb = 0;
        auto [fin, ec] = std::from_chars(v.data(), v.data() + v.size(), rgb, 16);
        if (ec != std::errc() || fin != v.data() + v.size()) return std::nullopt;
        return bgrDeRgb(rgb);
    }
    std::u16string u16(std::string_view v) const { return depuisUtf8(v); }
    // Is the element in the WordprocessingML namespace?
    bool dansW(const Noeud* e) const {
        std::string_view x = nom(e);
        if (p_.w.empty()) return x.find(':') == std::string_view::npos;
        return x.size() > p_.w.size() && x.substr(0, p_.w.size()) == p_.w && x[p_.w.size()] == ':';
    }

    // Text content of an element: its data and CDATA children; whitespace-only
    // content, which the parser drops, is taken from the original bytes.
    std::string contenu(const Noeud* n) const;

    // ---- properties
    FormatCaractere lireRPr(const Noeud* rPr) const;
    // One border element (a side of w:pBdr, or w:bdr of a run).
    Bordure lireBordure(const Noeud* b) const;
    FormatParagraphe lirePPr(const Noeud* pPr, FormatCaractere* marque, std::optional<MiseEnPage>* section) const;
    MiseEnPage lireSectPr(const Noeud* sectPr) const;
    void lireProprietes(const Noeud* props);
    void lireDefauts(const Noeud* docDefaults);
    void appliquerDefauts2006();
    std::u16string modeleDesReglages(const Noeud* attachedTemplate) const;
    // The theme font a 2006 w:rFonts names (w:asciiTheme, else w:hAnsiTheme); nullopt when none.
    std::optional<std::u16string> policeDuTheme(const Noeud* rFonts) const;

    // ---- content
    void blocs(const Noeud* parent, int profondeur);
    void paragraphe(const Noeud* p);
    void contenuParagraphe(const Noeud* parent, int profondeur);
    void run(const Noeud* r);
    void annotation(const Noeud* a);
    void debutSignet(std::string_view id, std::string_view nom);
    void finSignet(std::string_view id);
    // A 2006 simple field whose instruction is FORMCHECKBOX: true when read as a check box.
    bool caseSimple(const Noeud* fldSimple);
    // What 2006 has that 2003 has not, in a paragraph and between paragraphs:
    // true when `e` was one of those and has been read.
    bool paragraphe2006(const Noeud* e, int profondeur);
    bool bloc2006(const Noeud* e, int profondeur);
    bool signet2006(const Noeud* e);
    // The content a reader that knows none of the extensions' namespaces takes
    // from mc:AlternateContent: its mc:Fallback (nullptr when there is none).
    const Noeud* repli(const Noeud* alternative) const;
    std::optional<CaseACocher> lireFfData(const Noeud* ffData) const;
    void signetsSansFin();
    void avertir(std::string message) {
        if (avertissements_) avertissements_->push_back(std::move(message));
    }

    // A field being read: its instruction, whether its result has started.
    struct Champ {
        std::string instruction;
        std::string donnees;  // fldData, base64
        std::optional<CaseACocher> ffData;  // a check box described by w:ffData
        bool resultat = false;
    };
    bool dansCode() const { return !champs_.empty() && !champs_.back().resultat; }

    const Dialecte& d_;
    std::string_view original_;
    const char* tampon_ = nullptr;
    Prefixes p_;
    const std::map<std::string, std::string, std::less<>>* liensReglages_ = nullptr;
    std::string themeMajeure_, themeMineure_;
    FormatCaractere defauts2006_;
    ConstructeurDocument c_;
    std::vector<Champ> champs_;
    std::vector<std::string>* avertissements_;
    // Bookmark starts waiting for their end, by aml:id: name, position, and
    // the order they were read in (to report the unmatched ones in order).
    struct DebutSignet {
        std::u16string nom;
        int32_t position = 0;
        size_t ordre = 0;
    };
    std::map<std::string, DebutSignet, std::less<>> debutsSignets_;
    size_t debutsLus_ = 0;
    MiseEnPage derniereSection_;
};

// Checks and parses XML text into `x`. Throws ErreurWordML.
void analyser(std::string_view octets, XmlLu& x);
// Is the root `local` in the namespace `ns` or `nsStrict` (or, leniently, its prefix not declared at all)?
bool racineEst(const XmlLu& x, std::string_view local, std::string_view ns, std::string_view nsStrict = {});

}  // namespace k58204::sim::lecture
