#pragma once
// Builds a ModeleDocument from the start to the end in one pass, as a file
// reader produces it: text appended run by run, paragraphs closed one by one,
// bookmarks and check boxes at the current position. Linear in the size of
// the document.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "sim/doc/ModeleDocument.hpp"

namespace k58204::sim {

class ConstructeurDocument {
public:
    ConstructeurDocument();

    int32_t position() const { return static_cast<int32_t>(texte_.size()); }
    // Appends characters (no paragraph mark) with their direct formatting;
    // CaractereChamp is dropped, line feeds and carriage returns become spaces.
    void ajouterTexte(std::u16string_view texte, const FormatCaractere& format);
    // Appends a check box's character.
    void ajouterCase(CaseACocher c, const FormatCaractere& format);
    // Appends a paragraph mark with its own character formatting, closing the
    // paragraph with its formatting; `section` when the mark ends a section.
    void finirParagraphe(const FormatParagraphe& format, const FormatCaractere& marque,
                         std::optional<MiseEnPage> section = std::nullopt);
    // A bookmark of the same name (case aside) read earlier is replaced.
    void ajouterSignet(std::u16string_view nom, int32_t debut, int32_t fin);

    FeuilleStyles& styles() { return doc_.styles_; }
    ProprietesDocument& proprietes() { return doc_.proprietes_; }

    // The document. A paragraph left open is closed with default formatting;
    // the final paragraph ends the last section, with `derniere`.
    ModeleDocument construire(const MiseEnPage& derniere);

private:
    void ajouterRun(const FormatCaractere& format);

    ModeleDocument doc_;
    std::u16string texte_;
    // Each bookmark's index in doc_.signets_, by cleNomSignet of its name, so
    // that a document with many bookmarks is read in linear time.
    std::unordered_map<std::u16string, size_t> indexSignets_;
};

}  // namespace k58204::sim
