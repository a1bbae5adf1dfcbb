#pragma once
// Reading a .docx: a WordprocessingML 2006 document in a zip package, read
// into the same ModeleDocument as WordprocessingML 2003 (sim/doc/WordML.hpp).
//
// The package is found as its relationships say: the main part through
// _rels/.rels (officeDocument), else word/document.xml; its styles and
// settings through the main part's relationships, else word/styles.xml and
// word/settings.xml (either may be missing), and the theme's fonts, which run
// fonts may name, from its theme part. Title and author come from
// docProps/core.xml (dc:title, dc:creator); the password to open, which this
// simulator keeps as the custom property "MotDePasseOuverture", from
// docProps/custom.xml. The archive is untrusted: see sim/docx/ArchiveZip.hpp
// for what is refused before anything is inflated.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "sim/doc/ModeleDocument.hpp"

namespace k58204::sim {

// Why bytes are not a readable .docx. Messages are in French and name the
// part at fault ("word/document.xml : …").
class ErreurDocx : public std::runtime_error {
public:
    enum class Cause {
        PasZip,            // not a zip archive, or a damaged one (truncated, bad CRC)
        Refusee,           // over a limit: entries, sizes, a part inflating past its size
        Chiffree,          // an entry encrypted by the archive
        PartieManquante,   // no main document part
        PartieInvalide,    // a part read is not the WordprocessingML it should be
    };
    ErreurDocx(Cause c, const std::string& message) : std::runtime_error(message), cause_(c) {}
    Cause cause() const noexcept { return cause_; }

private:
    Cause cause_;
};

// True when the bytes start with a zip local file header ("PK\x03\x04").
bool ressembleDocx(std::string_view octets);

// Throws ErreurDocx, never anything else for bad input. Warnings as
// lireWordML's (bookmarks dropped).
ModeleDocument lireDocx(std::string_view octets, std::vector<std::string>& avertissements);

}  // namespace k58204::sim
