// Writing a ModeleDocument as WordprocessingML 2003.
#include <algorithm>
#include <string>

#include "sim/doc/FFData.hpp"
#include "sim/doc/WordML.hpp"
#include "sim/doc/WordMLTables.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {

namespace {

class Ecriture {
public:
    explicit Ecriture(const ModeleDocument& d) : d_(d) {}
    std::string ecrire();

private:
    // ---- primitives
    void echappe(std::string_view s, bool attribut) {
        for (char c : s) {
            switch (c) {
            case '&': x_ += "&amp;"; break;
            case '<': x_ += "&lt;"; break;
            case '>': x_ += "&gt;"; break;
            case '"':
                if (attribut) x_ += "&quot;";
                else x_ += c;
                break;
            default: x_ += c;
            }
        }
    }
    void attr(std::string_view nom, std::string_view valeur) {
        x_ += ' ';
        x_ += nom;
        x_ += "=\"";
        echappe(valeur, true);
        x_ += '"';
    }
    void attr(std::string_view nom, const std::u16string& valeur) { attr(nom, std::string_view(versUtf8(valeur))); }
    void attr(std::string_view nom, int32_t valeur) { attr(nom, std::string_view(std::to_string(valeur))); }
    // <w:name w:val="v"/>
    template <class V> void valeur(std::string_view element, const V& v) {
        x_ += '<';
        x_ += element;
        attr("w:val", v);
        x_ += "/>";
    }
    static std::string hex(int32_t bgr) {
        if (bgr == CouleurAuto) return "auto";
        static const char* chiffres = "0123456789ABCDEF";
        uint32_t rgb = rgbDeBgr(bgr);
        std::string s(6, '0');
        for (int i = 5; i >= 0; --i, rgb >>= 4) s[static_cast<size_t>(i)] = chiffres[rgb & 0xF];
        return s;
    }

    // ---- properties
    void rPr(const FormatCaractere& f);
    // One border element: <balise w:val=… w:sz=… w:space=… w:color=…/>.
    void bordure(std::string_view balise, const Bordure& b);
    void pPr(const FormatParagraphe& f, const FormatCaractere* marque, const MiseEnPage* section);
    void sectPr(const MiseEnPage& m);
    void styles();
    void docPr();

    // ---- content
    void paragraphe(int32_t i, bool dernier);
    void signetsA(int32_t pos);
    void texte(int32_t debut, int32_t fin);
    void caseACocher(const CaseACocher& c, const FormatCaractere& f);

    // A bookmark boundary: at pos, in the order ends, starts, ends of
    // collapsed bookmarks.
    struct Borne {
        int32_t pos;
        int32_t rang;  // 0 end, 1 start, 2 end of a collapsed bookmark
        int32_t signet;
        bool operator<(const Borne& o) const { return pos != o.pos ? pos < o.pos : rang < o.rang; }
    };

    const ModeleDocument& d_;
    std::string x_;
    std::vector<Signet> signets_;
    std::vector<Borne> bornes_;
    size_t prochaineBorne_ = 0;
    std::vector<int32_t> finsSections_;
};

void Ecriture::rPr(const FormatCaractere& f) {
    if (f.vide()) return;
    x_ += "<w:rPr>";
    if (f.styleCaractere && !f.styleCaractere->empty()) valeur("w:rStyle", *f.styleCaractere);
    if (f.police) {
        x_ += "<w:rFonts";
        attr("w:ascii", *f.police);
        attr("w:fareast", *f.police);
        attr("w:h-ansi", *f.police);
        attr("w:cs", *f.police);
        x_ += "/>";
    }
    if (f.gras) x_ += *f.gras ? "<w:b/>" : "<w:b w:val=\"off\"/>";
    if (f.italique) x_ += *f.italique ? "<w:i/>" : "<w:i w:val=\"off\"/>";
    if (f.couleur) valeur("w:color", std::string_view(hex(*f.couleur)));
    if (f.demiPoints) {
        valeur("w:sz", *f.demiPoints);
        valeur("w:sz-cs", *f.demiPoints);
    }
    if (f.surlignage) valeur("w:highlight", wordml::nomDeSurlignage(*f.surlignage));
    if (f.bordure) bordure("w:bdr", *f.bordure);
    if (f.langue) valeur("w:lang", *f.langue);
    x_ += "</w:rPr>";
}

void Ecriture::bordure(std::string_view balise, const Bordure& b) {
    x_ += '<';
    x_ += balise;
    attr("w:val", wordml::nomDeTrait(b.style));
    if (b.presente()) {
        attr("w:sz", b.largeur);
        attr("w:space", b.espace);
        attr("w:color", std::string_view(hex(b.couleur)));
    }
    x_ += "/>";
}

void Ecriture::sectPr(const MiseEnPage& m) {
    x_ += "<w:sectPr><w:pgSz";
    attr("w:w", m.largeur);
    attr("w:h", m.hauteur);
    if (m.orientation == 1) attr("w:orient", std::string_view("landscape"));
    x_ += "/><w:pgMar";
    attr("w:top", m.margeHaut);
    attr("w:right", m.margeDroite);
    attr("w:bottom", m.margeBas);
    attr("w:left", m.margeGauche);
    attr("w:header", m.entete);
    attr("w:footer", m.pied);
    attr("w:gutter", m.reliure);
    x_ += "/></w:sectPr>";
}

void Ecriture::pPr(const FormatParagraphe& f, const FormatCaractere* marque, const MiseEnPage* section) {
    bool rien = f.vide() && (!marque || marque->vide()) && !section;
    if (rien) return;
    x_ += "<w:pPr>";
    if (f.style) valeur("w:pStyle", *f.style);
    if (std::any_of(f.bordures.begin(), f.bordures.end(), [](const auto& b) { return b.has_value(); })) {
        static constexpr std::string_view Cotes[NombreCotes] = {"w:top", "w:left", "w:bottom", "w:right"};
        x_ += "<w:pBdr>";
        for (size_t c = 0; c < NombreCotes; ++c) {
            if (f.bordures[c]) bordure(Cotes[c], *f.bordures[c]);
        }
        x_ += "</w:pBdr>";
    }
    if (f.ombrage) {
        if (*f.ombrage == CouleurAuto) {
            x_ += "<w:shd w:val=\"nil\"/>";
        } else {
            // Solid, pattern and fill alike: the form every reader shows.
            x_ += "<w:shd w:val=\"solid\"";
            attr("w:color", std::string_view(hex(*f.ombrage)));
            attr("w:fill", std::string_view(hex(*f.ombrage)));
            x_ += "/>";
        }
    }
    if (f.espaceAvant || f.espaceApres || f.interligne) {
        x_ += "<w:spacing";
        if (f.espaceAvant) attr("w:before", *f.espaceAvant);
        if (f.espaceApres) attr("w:after", *f.espaceApres);
        if (f.interligne) {
            attr("w:line", f.interligne->valeur);
            attr("w:line-rule", std::string_view(f.interligne->regle == RegleLigne::Exacte    ? "exact"
                                                 : f.interligne->regle == RegleLigne::AuMoins ? "at-least"
                                                                                              : "auto"));
        }
        x_ += "/>";
    }
    if (f.retraitGauche || f.retraitDroit || f.retraitPremiereLigne) {
        x_ += "<w:ind";
        if (f.retraitGauche) attr("w:left", *f.retraitGauche);
        if (f.retraitDroit) attr("w:right", *f.retraitDroit);
        if (f.retraitPremiereLigne) {
            if (*f.retraitPremiereLigne < 0) attr("w:hanging", -*f.retraitPremiereLigne);
            else attr("w:first-line", *f.retraitPremiereLigne);
        }
        x_ += "/>";
    }
    if (f.alignement) valeur("w:jc", wordml::nomDAlignement(*f.alignement));
    if (marque) rPr(*marque);
    if (section) sectPr(*section);
    x_ += "</w:pPr>";
}

void Ecriture::styles() {
    x_ += "<w:styles>";
    for (const Style& s : d_.styles().tous()) {
        x_ += "<w:style";
        attr("w:type", std::string_view(s.type == TypeStyle::Caractere ? "character" : "paragraph"));
        if (s.parDefaut) attr("w:default", std::string_view("on"));
        attr("w:styleId", s.id);
        x_ += '>';
        valeur("w:name", s.nom);
        if (!s.basePour.empty()) valeur("w:basedOn", s.basePour);
        if (!s.suivant.empty()) valeur("w:next", s.suivant);
        FormatParagraphe pf = s.paragraphe;
        pf.style.reset();
        pPr(pf, nullptr, nullptr);
        FormatCaractere cf = s.caracteres;
        cf.styleCaractere.reset();
        rPr(cf);
        x_ += "</w:style>";
    }
    x_ += "</w:styles>";
}

void Ecriture::docPr() {
    const ProprietesDocument& p = d_.proprietes();
    x_ += "<w:docPr><w:view w:val=\"print\"/>";
    x_ += "<w:zoom";
    attr("w:percent", p.zoom);
    x_ += "/>";
    if (!p.modeleAttache.empty()) valeur("w:attachedTemplate", p.modeleAttache);
    if (p.protection != -1 || p.aMotDePasse()) {
        x_ += "<w:documentProtection";
        attr("w:edit", wordml::nomDeProtection(p.protection));
        attr("w:enforcement", std::string_view(p.protection != -1 ? "on" : "off"));
        if (p.aMotDePasse()) attr("w:unprotectPassword", p.cleMotDePasse);
        x_ += "/>";
    }
    valeur("w:defaultTabStop", p.tabulationParDefaut);
    x_ += "</w:docPr>";
}

// The bookmark boundaries at pos, in order.
void Ecriture::signetsA(int32_t pos) {
    for (; prochaineBorne_ < bornes_.size() && bornes_[prochaineBorne_].pos <= pos; ++prochaineBorne_) {
        const Borne& b = bornes_[prochaineBorne_];
        x_ += "<aml:annotation";
        attr("aml:id", b.signet);
        if (b.rang == 1) {
            x_ += " w:type=\"Word.Bookmark.Start\"";
            attr("w:name", signets_[static_cast<size_t>(b.signet)].nom);
        } else {
            x_ += " w:type=\"Word.Bookmark.End\"";
        }
        x_ += "/>";
    }
}

void Ecriture::caseACocher(const CaseACocher& c, const FormatCaractere& f) {
    x_ += "<w:r>";
    rPr(f);
    x_ += "<w:fldChar w:fldCharType=\"begin\"><w:fldData xml:space=\"preserve\">";
    x_ += encodeBase64(ecrireFFData(c));
    x_ += "</w:fldData></w:fldChar></w:r><w:r>";
    rPr(f);
    x_ += "<w:instrText> FORMCHECKBOX </w:instrText></w:r><w:r>";
    rPr(f);
    x_ += "<w:fldChar w:fldCharType=\"end\"/></w:r>";
}

// Runs for [debut, fin), which holds no paragraph mark and no bookmark boundary.
void Ecriture::texte(int32_t debut, int32_t fin) {
    const std::u16string& t = d_.texte();
    int32_t pos = debut;
    while (pos < fin) {
        const FormatCaractere& f = d_.formatCaractereDirect(pos);
        int32_t finRun = pos + 1;
        while (finRun < fin && d_.formatCaractereDirect(finRun) == f) ++finRun;
        // A check box stands alone.
        if (t[static_cast<size_t>(pos)] == CaractereChamp) {
            auto [i, j] = d_.casesDans(pos, pos + 1);
            if (i < j) {
                caseACocher(d_.caseACocher(i), f);
                ++pos;
                continue;
            }
        }
        x_ += "<w:r>";
        rPr(f);
        std::u16string morceau;
        auto vide = [&] {
            if (morceau.empty()) return;
            x_ += "<w:t>";
            echappe(versUtf8(morceau), false);
            x_ += "</w:t>";
            morceau.clear();
        };
        int32_t k = pos;
        for (; k < finRun; ++k) {
            char16_t c = t[static_cast<size_t>(k)];
            if (c == CaractereChamp && k > pos) break;  // checked on the next turn
            if (c >= 0x20) {
                morceau += c;
                continue;
            }
            vide();
            switch (c) {
            case u'\t': x_ += "<w:tab/>"; break;
            case u'\x0B': x_ += "<w:br/>"; break;
            case u'\x0C': x_ += "<w:br w:type=\"page\"/>"; break;
            case u'\x0E': x_ += "<w:br w:type=\"column\"/>"; break;
            case u'\x1E': x_ += "<w:noBreakHyphen/>"; break;
            case u'\x1F': x_ += "<w:softHyphen/>"; break;
            default: break;  // no XML form: dropped
            }
        }
        vide();
        x_ += "</w:r>";
        pos = k;
    }
}

void Ecriture::paragraphe(int32_t i, bool dernier) {
    const Etendue e = d_.paragraphe(i);
    const int32_t marque = e.fin - 1;
    const FormatCaractere& fm = d_.formatCaractereDirect(marque);
    auto fs = std::lower_bound(finsSections_.begin(), finsSections_.end(), e.fin);
    const bool finSection = !dernier && fs != finsSections_.end() && *fs == e.fin;
    x_ += "<w:p>";
    pPr(d_.formatParagrapheDirect(i), &fm,
        finSection ? &d_.miseEnPage(static_cast<int32_t>(fs - finsSections_.begin())) : nullptr);
    // The text, cut at every bookmark boundary inside the paragraph.
    int32_t pos = e.debut;
    signetsA(pos);
    while (pos < marque) {
        int32_t suivant = marque;
        if (prochaineBorne_ < bornes_.size()) suivant = std::min(suivant, bornes_[prochaineBorne_].pos);
        texte(pos, suivant);
        pos = suivant;
        signetsA(pos);
    }
    x_ += "</w:p>";
}

std::string Ecriture::ecrire() {
    signets_ = d_.signets();
    for (size_t i = 0; i < signets_.size(); ++i) {
        const Etendue& e = signets_[i].etendue;
        auto id = static_cast<int32_t>(i);
        bornes_.push_back({e.debut, 1, id});
        bornes_.push_back({e.fin, e.debut == e.fin ? 2 : 0, id});
    }
    std::sort(bornes_.begin(), bornes_.end());
    for (int32_t k = 0; k < d_.nombreSections(); ++k) finsSections_.push_back(d_.section(k).fin);

    x_.reserve(static_cast<size_t>(d_.longueur()) * 2 + 4096);
    x_ += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
    x_ += "<?mso-application progid=\"Word.Document\"?>\n";
    x_ += "<w:wordDocument xmlns:w=\"http://schemas.microsoft.com/office/word/2003/wordml\""
          " xmlns:wx=\"http://schemas.microsoft.com/office/word/2003/auxHint\""
          " xmlns:o=\"urn:schemas-microsoft-com:office:office\""
          " xmlns:aml=\"http://schemas.microsoft.com/aml/2001/core\" xml:space=\"preserve\">";
    const ProprietesDocument& p = d_.proprietes();
    if (!p.titre.empty() || !p.auteur.empty()) {
        x_ += "<o:DocumentProperties>";
        if (!p.titre.empty()) {
            x_ += "<o:Title>";
            echappe(versUtf8(p.titre), false);
            x_ += "</o:Title>";
        }
        if (!p.auteur.empty()) {
            x_ += "<o:Author>";
            echappe(versUtf8(p.auteur), false);
            x_ += "</o:Author>";
        }
        x_ += "</o:DocumentProperties>";
    }
    if (p.aMotDePasseOuverture()) {
        x_ += "<o:CustomDocumentProperties><o:MotDePasseOuverture>";
        echappe(versUtf8(p.cleOuverture), false);
        x_ += "</o:MotDePasseOuverture></o:CustomDocumentProperties>";
    }
    std::u16string police = d_.styles().defautsCaractere().police.value_or(u"Times New Roman");
    x_ += "<w:fonts><w:defaultFonts";
    attr("w:ascii", police);
    attr("w:fareast", police);
    attr("w:h-ansi", police);
    attr("w:cs", police);
    x_ += "/></w:fonts>";
    styles();
    docPr();
    x_ += "<w:body>";
    const int32_t n = d_.nombreParagraphes();
    for (int32_t i = 0; i < n; ++i) paragraphe(i, i == n - 1);
    signetsA(d_.longueur());  // bookmarks ending after the final mark
    sectPr(d_.miseEnPage(d_.nombreSections() - 1));
    x_ += "</w:body></w:wordDocument>\n";
    return std::move(x_);
}

}  // namespace

std::string ecrireWordML(const ModeleDocument& doc) {
    Ecriture e(doc);
    return e.ecrire();
}

}  // namespace k58204::sim
