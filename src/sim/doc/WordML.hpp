#pragma once
// Reading and writing documents as WordprocessingML 2003 (Word 2003's XML
// format), whatever the file's extension.
//
// Reading walks into wx:sect / wx:sub-section and takes: paragraphs and runs
// (w:t, w:tab, w:br, w:sym), styles and document default fonts, w:pPr and
// w:rPr, bookmarks (aml:annotation Word.Bookmark.Start/End), check-box form
// fields (fldChar begin with its FFData record in w:fldData, or, when that
// record is missing or unreadable, its XML description w:ffData/w:checkBox
// with w:default, w:checked and w:size; the FORMCHECKBOX instruction; fldChar
// end), w:docPr (protection, attached template, view,
// zoom, default tab stop), o:DocumentProperties title/author, and sections
// (w:sectPr in a paragraph's w:pPr and at the end of w:body). Unknown elements
// are ignored; tables contribute their paragraphs in order.
//
// The XML parts of WordprocessingML 2006 are read by the same reader
// (sim/doc/WordML2006.hpp).
//
// Lengths in twips written with decimals (as LibreOffice writes them) read as
// the whole twips Word would store (sim/doc/NombresWordML.hpp).
//
// Writing produces the same structure (check boxes as the w:fldData record
// only, as Word 2003 writes them), always with w:styles holding the
// default paragraph style Normal, the mso-application processing instruction,
// w:view print (whatever view the document was read with: other views open
// LibreOffice in its web view), and every section's w:sectPr. A written
// document read back is equal to the original (ModeleDocument::memeContenu),
// except for that view and for control characters that have no XML form
// (other than tab, line, page and column breaks, hyphens and form fields),
// which are dropped.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "sim/doc/ModeleDocument.hpp"

namespace k58204::sim {

// Why a byte string is not a readable WordprocessingML document. The
// automation layer maps any of these to Word's "cannot open" error.
class ErreurWordML : public std::runtime_error {
public:
    enum class Cause {
        PasXml,        // not well-formed XML (truncated, binary, bad encoding)
        PasWordML,     // well-formed, but the root is not w:wordDocument
        Invalide,      // a WordprocessingML document whose content cannot be used
        TropGrand,     // over TailleMaxWordML bytes, refused unread
    };
    ErreurWordML(Cause c, const std::string& detail) : std::runtime_error(detail), cause_(c) {}
    Cause cause() const noexcept { return cause_; }

private:
    Cause cause_;
};

// The largest document read: 16 MiB. A course document is some kilobytes, a
// long report with pictures a few megabytes; reading takes about ten times
// the document's size in memory, so a larger file is refused unread
// (ErreurWordML::Cause::TropGrand) rather than let a hostile one exhaust it.
inline constexpr size_t TailleMaxWordML = 16 * 1024 * 1024;
// The deepest element nesting read (the root is level 1): deeper is refused
// before parsing (ErreurWordML::Cause::PasXml), as the parser recurses once
// per level. Word's own documents nest a few tens of levels.
inline constexpr int ProfondeurMaxWordML = 512;

// Parses UTF-8 XML bytes. Throws ErreurWordML, never anything else for bad input.
ModeleDocument lireWordML(std::string_view octets);

// The same, appending to `avertissements` one message (in French, like the
// command-line host's) for each thing in the document that was dropped while
// the document still loaded: a bookmark start without an end (naming the
// bookmark), a bookmark end whose aml:id names no start.
ModeleDocument lireWordML(std::string_view octets, std::vector<std::string>& avertissements);

// Serialises to UTF-8 XML bytes.
std::string ecrireWordML(const ModeleDocument& doc);

// True when the bytes look like a WordprocessingML document (an XML
// declaration or the w:wordDocument root near the start), without parsing.
bool ressembleWordML(std::string_view octets);

}  // namespace k58204::sim
