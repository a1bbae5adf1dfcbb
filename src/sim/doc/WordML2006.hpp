#pragma once
// Reading the XML parts of a WordprocessingML 2006 document (the vocabulary of
// packaged documents) into a ModeleDocument, with the same reader as
// WordprocessingML 2003 (sim/doc/WordML.hpp): what the model holds is read
// alike from either. Taking the parts out of their package is the caller's.
//
// Read from the main part (root w:document): everything the 2003 reader reads
// in w:body, plus bookmarks as w:bookmarkStart/w:bookmarkEnd (w:id, w:name),
// content controls (w:sdt/w:sdtContent), custom XML, hyperlinks, moved text
// where it went (w:moveTo; w:moveFrom is dropped, as deleted text is), simple
// fields (a FORMCHECKBOX one is a check box) and, of mc:AlternateContent, its
// mc:Fallback, the content meant for a reader that knows none of the
// extensions' namespaces. From the styles part: the styles and w:docDefaults.
// From the settings part: what 2003 keeps in w:docPr, the attached template
// named through the settings part's relationships. A run font named by the
// theme (w:asciiTheme) is the theme's font, given by the caller.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::sim::wordml {

// One XML part and the name messages give it ("word/document.xml").
struct Partie2006 {
    std::string nom;
    std::string_view octets;
};

struct Document2006 {
    Partie2006 document;                  // root w:document
    std::optional<Partie2006> styles;     // root w:styles
    std::optional<Partie2006> reglages;   // root w:settings
    // The settings part's relationships: Id -> Target.
    std::map<std::string, std::string, std::less<>> liensReglages;
    // The theme's heading and body fonts (UTF-8; empty when unknown), for run
    // fonts named by the theme (w:asciiTheme="minorHAnsi").
    std::string policeThemeMajeure, policeThemeMineure;
};

// Throws ErreurWordML, its message in French and naming the part at fault
// ("word/document.xml : XML mal formé (…)"); never anything else for bad input.
// Warnings as lireWordML's, the ids named w:id.
ModeleDocument lireWordML2006(const Document2006& d, std::vector<std::string>& avertissements);

}  // namespace k58204::sim::wordml
