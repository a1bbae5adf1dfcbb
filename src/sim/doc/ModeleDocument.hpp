#pragma once
// The content of one simulated Word document: the main story as flat UTF-16
// text with paragraph marks (13) as characters, run-length character
// formatting, per-paragraph formatting, bookmarks, check-box form fields,
// sections with their page setup, the style sheet and the document-level data
// kept in the file. Automation objects (Range, Selection, Paragraphs, Font,
// Bookmarks, FormFields, PageSetup...) are thin views onto it.
//
// Positions are Word's: 0-based character positions, spans [debut, fin).
// The text always ends with the final paragraph mark, which cannot be
// deleted: a new document is "\r" (Content = (0, 1)). Every member that takes
// positions clamps them into [0, longueur()] and orders them (debut <= fin);
// none of them throws for a bad position.
//
// Choices where Word's behaviour is not documented (kept consistent here):
// - Formatting reported by a collapsed range: that of the character before
//   the position, or of the character at it when the position starts a
//   paragraph (or the document).
// - Text inserted at a position takes the direct formatting of the same
//   character (before it; after it at the start of a paragraph). Replacing a
//   non-empty span gives the new text the formatting of the span's first character.
// - A paragraph's formatting lives in its mark. Inserting a paragraph mark
//   splits a paragraph: both parts keep its formatting (the section break, if
//   the paragraph ends a section, stays with the second part). Deleting a
//   paragraph mark joins two paragraphs; the joined paragraph keeps the
//   formatting of the mark that survives, the second one.
// - Bookmarks: text inserted at a bookmark's start or inside it is included,
//   at its end it is not; deleting part of its text keeps the rest, deleting
//   all of it removes it. See remplacer() for typing over a bookmark.
// - Setting character formatting on a collapsed span changes nothing.
// - Sections: a section ends with a paragraph mark that carries its page
//   setup (as WordprocessingML stores it); the final paragraph carries the
//   last section's. Deleting the mark that ends a section joins that section
//   to the next one, which keeps its own page setup.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sim/doc/CaseACocher.hpp"
#include "sim/doc/Etendue.hpp"
#include "sim/doc/Formats.hpp"
#include "sim/doc/Fragment.hpp"
#include "sim/doc/Signet.hpp"
#include "sim/doc/Styles.hpp"

namespace k58204::sim {

inline constexpr char16_t MarqueParagraphe = u'\r';

// Document-level data that lives in the file (w:docPr).
struct ProprietesDocument {
    int32_t protection = -1;          // WdProtectionType: -1 none, 0 revisions, 1 comments, 2 forms, 3 reading
    std::u16string cleMotDePasse;     // w:unprotectPassword (hex key) of the protection
    // The password to open (Document.HasPassword), as a hex key. WordprocessingML
    // 2003 cannot carry an encrypted document: this simulator keeps the key in
    // the custom document property "MotDePasseOuverture" (its own convention).
    std::u16string cleOuverture;
    std::u16string modeleAttache;     // w:attachedTemplate; empty = Normal.dot
    // WdDocumentType: 0 document, 1 template. Not stored in WordprocessingML
    // (Word 2003 saves templates in its binary format only): the automation
    // layer sets it, e.g. from a .dot extension.
    int32_t typeDocument = 0;
    int32_t vue = 3;                  // WdViewType stored in the file (print 3, normal 1, web 6, ...)
    int32_t zoom = 100;               // percent
    int32_t tabulationParDefaut = 708;  // twips (1.25 cm)
    std::u16string titre;             // o:DocumentProperties
    std::u16string auteur;

    bool aMotDePasse() const { return !cleMotDePasse.empty(); }  // protection password
    bool aMotDePasseOuverture() const { return !cleOuverture.empty(); }
    bool operator==(const ProprietesDocument&) const = default;
};

// How remplacer() treats a bookmark whose span is exactly the replaced span.
enum class Remplacement {
    // Typing over a selection: the new text is inserted at the span's start,
    // then the old text is deleted. A bookmark that started at the span's
    // start survives around the typed text.
    Frappe,
    // Range.Text = ...: the old text is deleted, then the new text inserted.
    // A bookmark wholly inside the span (exactly it included) is removed.
    Texte,
};

class ModeleDocument {
public:
    // A new empty document: "\r", default styles, A4 portrait, one section.
    ModeleDocument();

    // ------------------------------------------------------------ text
    const std::u16string& texte() const { return texte_; }
    int32_t longueur() const { return static_cast<int32_t>(texte_.size()); }
    std::u16string texte(int32_t debut, int32_t fin) const;
    Etendue contenu() const { return {0, longueur()}; }
    // Grows with every change of content, formatting, styles or document
    // data: the automation layer compares it to decide Document.Saved.
    // (Changes made through styles() and proprietes() are seen here too.)
    uint64_t version() const;

    // ------------------------------------------------------------ paragraphs
    int32_t nombreParagraphes() const { return static_cast<int32_t>(paragraphes_.size()); }
    // 0-based index of the paragraph holding pos (pos == longueur(): the last).
    int32_t paragrapheA(int32_t pos) const;
    // The whole paragraph i, its mark included.
    Etendue paragraphe(int32_t i) const;
    // First and last (inclusive) paragraph indexes that [debut, fin) touches:
    // every paragraph the span overlaps; a collapsed span gives the paragraph
    // holding it; a span ending exactly at a paragraph's start excludes that one.
    std::pair<int32_t, int32_t> paragraphesDe(int32_t debut, int32_t fin) const;
    // Direct and effective formatting of paragraph i.
    const FormatParagraphe& formatParagrapheDirect(int32_t i) const;
    ParagrapheEffectif formatParagraphe(int32_t i) const;
    // Effective paragraph properties over the paragraphs [debut, fin) touches.
    ParagrapheMixte formatParagraphes(int32_t debut, int32_t fin) const;

    // ------------------------------------------------------------ characters
    const FormatCaractere& formatCaractereDirect(int32_t pos) const;
    CaractereEffectif formatCaractere(int32_t pos) const;
    // Effective character properties over [debut, fin) (the paragraph marks
    // in the span count); a collapsed span reports the insertion point's format.
    CaractereMixte formatCaracteres(int32_t debut, int32_t fin) const;

    // ------------------------------------------------------------ formatting
    // Sets the fields present in `modif` as direct formatting of [debut, fin).
    // A size is rounded to the nearest half point by the caller's conversion
    // (demiPoints). styleCaractere applies a character style.
    void appliquerCaracteres(int32_t debut, int32_t fin, const FormatCaractere& modif);
    // Removes all direct character formatting of [debut, fin).
    void effacerCaracteres(int32_t debut, int32_t fin);
    // Sets the fields present in `modif` on every paragraph [debut, fin) touches.
    // modif.style applies a paragraph style (styleId).
    void appliquerParagraphes(int32_t debut, int32_t fin, const FormatParagraphe& modif);
    // Borders.Enable: true puts a single border of `largeur` on all four sides
    // of each paragraph touched; false removes every side.
    void activerBordures(int32_t debut, int32_t fin, bool actif, int32_t largeur = LargeurBordureParDefaut);
    // Applies a style by name or id: a paragraph style to the paragraphs
    // touched, a character style to the characters. False when unknown.
    bool appliquerStyle(int32_t debut, int32_t fin, std::u16string_view nomOuId);

    // ------------------------------------------------------------ edits
    // Inserts text at pos (paragraph marks in it split paragraphs). Returns
    // the position just after the inserted text.
    int32_t inserer(int32_t pos, std::u16string_view texte);
    int32_t insererParagraphe(int32_t pos) { return inserer(pos, std::u16string_view(u"\r", 1)); }
    // Deletes [debut, fin); the final paragraph mark is never deleted.
    void supprimer(int32_t debut, int32_t fin);
    // Replaces [debut, fin) by texte (see Remplacement). A collapsed span is
    // an insertion. Returns the end of the new text.
    int32_t remplacer(int32_t debut, int32_t fin, std::u16string_view texte, Remplacement mode);
    // Copy: the fragment [debut, fin), with the bookmarks and check boxes
    // wholly inside it (the final mark is never part of a fragment).
    Fragment extraire(int32_t debut, int32_t fin) const;
    // Cut: extraire() then supprimer(); the bookmarks it carries are gone
    // from the document until pasted.
    Fragment couper(int32_t debut, int32_t fin);
    // Paste at pos. The fragment's text keeps its own formatting; its
    // bookmarks are added only when no bookmark of that name exists (so a cut
    // and paste moves a bookmark and a copy leaves it with the original).
    // Returns the end of the pasted text.
    int32_t coller(int32_t pos, const Fragment& f);

    // ------------------------------------------------------------ bookmarks
    // Adds (or replaces a same-named one, ignoring case) a bookmark. False,
    // and nothing changed, when the name is not acceptable (nomSignetAcceptable;
    // the automation layer checks Word's stricter nomSignetValide for Add).
    bool ajouterSignet(std::u16string_view nom, int32_t debut, int32_t fin);
    bool supprimerSignet(std::u16string_view nom);
    bool signetExiste(std::u16string_view nom) const;
    std::optional<Signet> signet(std::u16string_view nom) const;
    // All bookmarks in alphabetical order (Bookmarks(n)).
    std::vector<Signet> signets() const;
    int32_t nombreSignets() const { return static_cast<int32_t>(signets_.size()); }

    // ------------------------------------------------------------ form fields
    // Inserts a check box (its one character) at pos; the field's position is
    // set by the model. Returns its index in document order.
    int32_t insererCaseACocher(int32_t pos, CaseACocher c);
    int32_t nombreCases() const { return static_cast<int32_t>(cases_.size()); }
    // 0-based index in document order.
    const CaseACocher& caseACocher(int32_t i) const { return cases_.at(static_cast<size_t>(i)); }
    void cocher(int32_t i, bool coche);
    // Indexes [premier, dernier + 1) of the check boxes inside [debut, fin).
    std::pair<int32_t, int32_t> casesDans(int32_t debut, int32_t fin) const;

    // ------------------------------------------------------------ words, sentences and lines
    int32_t nombreMots(int32_t debut, int32_t fin) const;
    // The word holding pos (pos == longueur(): the final mark).
    Etendue motA(int32_t pos) const;
    // The sentence holding pos (see Phrases.hpp), bounded as motA.
    Etendue phraseA(int32_t pos) const;
    // The line holding pos, without real layout: a paragraph wraps at spaces
    // into lines of as many characters as fit between the margins of its
    // section at half the font size per character (Word's HomeKey/EndKey wdLine).
    Etendue ligneA(int32_t pos) const;

    // ------------------------------------------------------------ sections
    int32_t nombreSections() const;
    // The span of section i (0-based), its last paragraph mark included.
    Etendue section(int32_t i) const;
    int32_t sectionA(int32_t pos) const;
    const MiseEnPage& miseEnPage(int32_t i) const;
    // Changes the page setup of section i, or of every section when i < 0.
    void modifierMiseEnPage(int32_t i, const std::function<void(MiseEnPage&)>& modif);
    // Document.PageSetup: values common to all sections, nullopt where they differ.
    MiseEnPageMixte miseEnPageDocument() const;
    // Inserts a section break (a paragraph mark ending a new section) at pos;
    // the new section takes the page setup of the section it was cut from.
    int32_t insererSautDeSection(int32_t pos);

    // ------------------------------------------------------------ styles and data
    const FeuilleStyles& styles() const { return styles_; }
    FeuilleStyles& styles() { return styles_; }
    const ProprietesDocument& proprietes() const { return proprietes_; }
    ProprietesDocument& proprietes() { return proprietes_; }

    // Structural equality of two documents (text, formatting as stored,
    // bookmarks, check boxes, sections, styles, data), runs compared after
    // merging equal neighbours. For round-trip tests.
    bool memeContenu(const ModeleDocument& autre) const;
    // Checks the internal invariants; throws std::logic_error naming the
    // first broken one. For tests.
    void verifierInvariants() const;

private:
    friend class ConstructeurDocument;

    struct Run {
        int32_t debut;   // position of its first character
        int32_t format;  // index into formats_
    };
    struct Paragraphe {
        int32_t fin;            // position just after its mark
        int32_t format;         // index into formatsParagraphe_
        int32_t section = -1;   // index into pages_ when its mark ends a section
    };

    int32_t interneCaractere(const FormatCaractere& f);
    int32_t interneParagraphe(const FormatParagraphe& f);
    size_t runA(int32_t pos) const;
    void decoupeRun(int32_t pos);
    void fusionneRuns();
    // Text and structure only (runs, paragraphs, check-box positions); the
    // callers adjust bookmarks. runs: (offset in texte, format index), the
    // first at 0. formatsParagraphes: one format index per mark in texte,
    // or nullptr to give each new paragraph the format of the one split.
    void insererBrut(int32_t pos, std::u16string_view texte, const std::vector<Run>& runs,
                     const std::vector<int32_t>* formatsParagraphes);
    void supprimerBrut(int32_t debut, int32_t fin);
    // Bookmarks around an insertion of n characters at pos; bookmarks named in
    // `exclus` (exact names) that start at pos are moved, not extended.
    void ajusterPourInsertion(int32_t pos, int32_t n, const std::vector<std::u16string>* exclus = nullptr);
    void ajusterPourSuppression(int32_t debut, int32_t fin);
    int32_t formatInsertion(int32_t pos) const;
    std::pair<int32_t, int32_t> borne(int32_t debut, int32_t fin) const;

    std::u16string texte_;
    std::vector<Run> runs_;
    std::vector<FormatCaractere> formats_;
    std::vector<Paragraphe> paragraphes_;
    std::vector<FormatParagraphe> formatsParagraphe_;
    // Pool lookups (serialised format -> index), rebuilt when out of step.
    std::unordered_map<std::u16string, int32_t> indexFormats_;
    std::unordered_map<std::u16string, int32_t> indexFormatsParagraphe_;
    std::vector<MiseEnPage> pages_;
    std::vector<Signet> signets_;
    std::vector<CaseACocher> cases_;  // in document order
    FeuilleStyles styles_;
    ProprietesDocument proprietes_;
    uint64_t version_ = 0;
    // Document data as version() last saw it, to notice changes made through
    // the mutable accessor.
    mutable ProprietesDocument proprietesVues_;
    mutable uint64_t versionProprietes_ = 0;
};

}  // namespace k58204::sim
