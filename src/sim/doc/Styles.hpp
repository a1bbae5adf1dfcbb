#pragma once
// The style sheet of a document: document defaults, paragraph styles (with
// basedOn chains) and character styles, and the cascade that gives what Word
// shows for a character or a paragraph.
//
// Cascade for a character: document defaults, then the paragraph style
// (its basedOn chain, derived styles overriding), then the character style
// (same), then direct formatting. Bold and italic are toggles between the
// paragraph style and the character style (a bold character style inside a
// bold paragraph style shows not bold), and direct formatting sets them
// absolutely (an un-bolding direct run in a bold paragraph style shows not bold).
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "sim/doc/Formats.hpp"

namespace k58204::sim {

enum class TypeStyle { Paragraphe, Caractere };

struct Style {
    std::u16string id;              // w:styleId, how paragraphs and runs refer to it
    std::u16string nom;             // w:name, what Style.NameLocal would show
    TypeStyle type = TypeStyle::Paragraphe;
    std::u16string basePour;        // w:basedOn (styleId), empty = none
    std::u16string suivant;         // w:next (styleId), empty = itself
    bool parDefaut = false;         // w:default="on"
    FormatCaractere caracteres;     // w:rPr
    FormatParagraphe paragraphe;    // w:pPr (paragraph styles)

    bool operator==(const Style&) const = default;
};

class FeuilleStyles {
public:
    // A sheet with the document defaults (Times New Roman 12 pt, automatic
    // colour) and the default paragraph style "Normal" and character style
    // "DefaultParagraphFont" (name "Default Paragraph Font").
    FeuilleStyles();

    // Document-level defaults (w:fonts defaultFonts, docDefaults).
    FormatCaractere& defautsCaractere() { return defautsCaractere_; }
    const FormatCaractere& defautsCaractere() const { return defautsCaractere_; }

    // Adds or replaces (same id) a style. A style marked parDefaut becomes
    // the default of its type.
    void ajouter(Style s);
    // Lookup by styleId or by name, ignoring case; nullptr when absent.
    const Style* parId(std::u16string_view id) const;
    const Style* parNom(std::u16string_view nom) const;
    const std::vector<Style>& tous() const { return styles_; }

    // styleId of the default paragraph / character style.
    const std::u16string& paragrapheParDefaut() const { return defautParagraphe_; }
    const std::u16string& caractereParDefaut() const { return defautCaractere_; }

    // Effective formatting. idParagraphe / idCaractere may be empty (the
    // default style) or unknown (treated as the default style).
    CaractereEffectif caractere(std::u16string_view idParagraphe,
                                const FormatCaractere& direct) const;
    ParagrapheEffectif paragraphe(const FormatParagraphe& direct) const;

    // Bumped by every change, so callers can cache resolutions.
    uint64_t version() const { return version_; }

    bool operator==(const FeuilleStyles& o) const {
        return defautsCaractere_ == o.defautsCaractere_ && styles_ == o.styles_;
    }

private:
    // Resolved formatting of one style along its basedOn chain.
    FormatCaractere chaineCaractere(const Style* s) const;
    FormatParagraphe chaineParagraphe(const Style* s) const;

    FormatCaractere defautsCaractere_;
    std::vector<Style> styles_;
    std::u16string defautParagraphe_;
    std::u16string defautCaractere_;
    uint64_t version_ = 0;
};

}  // namespace k58204::sim
