#pragma once
// What the HTML reports share: texts made safe to place in a page, and the
// page around the content, one self-contained file (styles and script inline,
// nothing fetched, so that it opens from disk and prints as it shows).
#include <ostream>
#include <string>
#include <string_view>

namespace k58204::lecon {

// A text as a page shows it: & < > " ' as character references, and the
// control characters HTML forbids (all but tab, line feed and carriage
// return) as U+FFFD, so that a name such as "<script>.xml" reads as written.
std::string echappeHtml(std::string_view texte);

// From the doctype to the opening of <main>; `titre` is escaped.
void ouvrePage(std::ostream& os, const std::string& titre);
// The page's script (sorting and filtering), then the end of the page.
void fermePage(std::ostream& os);

// How a status reads in a page: a sign and a word, never a colour alone.
inline constexpr char SigneReussi[] = "✔";
inline constexpr char SigneEchoue[] = "✘";
inline constexpr char SigneNonNotable[] = "⚠";
inline constexpr char SigneAVerifier[] = "?";

}  // namespace k58204::lecon
