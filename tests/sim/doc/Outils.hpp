#pragma once
// Helpers shared by the document engine's tests.
#include <ostream>
#include <string>

#include <optional>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/WordML.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {

// Spans in failure messages.
inline void PrintTo(const Etendue& e, std::ostream* os) { *os << "[" << e.debut << ", " << e.fin << ")"; }

namespace test {

// A document holding `texte` ("\r" separates paragraphs; the final mark is added).
inline ModeleDocument document(std::u16string_view texte) {
    ModeleDocument d;
    d.inserer(0, texte);
    return d;
}

// A WordprocessingML 2003 document whose body is `corps` (the w and aml namespaces declared).
inline std::string corpsWordML(const std::string& corps) {
    return "<w:wordDocument xmlns:w=\"http://schemas.microsoft.com/office/word/2003/wordml\" "
           "xmlns:aml=\"http://schemas.microsoft.com/aml/2001/core\"><w:body>" + corps + "</w:body></w:wordDocument>";
}

// A default T with the fields `f` sets.
template <class T, class F>
T avec(F f) {
    T t;
    f(t);
    return t;
}

// The cause the reader refuses `xml` with; nullopt when it reads it.
inline std::optional<ErreurWordML::Cause> refus(std::string_view xml) {
    try {
        lireWordML(xml);
    } catch (const ErreurWordML& e) {
        return e.cause();
    }
    return std::nullopt;
}

// UTF-8 rendering of UTF-16 text for assertion messages.
inline std::string u8(std::u16string_view s) { return versUtf8(s); }

}  // namespace test
}  // namespace k58204::sim
