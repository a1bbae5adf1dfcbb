#include "host/AVerifierDansWord.hpp"

namespace k58204::lecon {

namespace {

// LibreOffice writes a bookmark that crosses a paragraph mark as two
// bookmarks of the same name (one without its end, or an empty one where the
// next paragraph starts), whatever it read: the document read back has only
// a piece of the passage. These exercises' checks read such a bookmark.
std::string signetCoupe(const char* signets, bool converti) {
    return std::string(converti ? "LibreOffice, en le convertissant," : "LibreOffice, qui a enregistré ce .docx,") +
           " coupe en deux tout signet qui traverse une marque de paragraphe, et l'exercice lit " + signets +
           " : ouvrez ce document dans Word 2003 et enregistrez-le au format Document XML pour le noter";
}

}  // namespace

bool ecritParLibreOffice(const std::string& application) { return application.starts_with("LibreOffice"); }

std::optional<std::string> raisonAVerifier(int32_t exercice, bool converti) {
    switch (exercice) {
        case 115: return signetCoupe("le passage « e01 », qui couvre plusieurs paragraphes", converti);
        case 118: return signetCoupe("le signet « s01 », un paragraphe avec sa marque", converti);
        case 119:
            return signetCoupe("les passages « s01 » et « s03 », qui finissent par une marque de paragraphe", converti);
        default: return std::nullopt;
    }
}

}  // namespace k58204::lecon
