#pragma once
// The program that saved a .docx, as its extended properties name it
// (docProps/app.xml, <Application>): "LibreOffice/7.4.7.2$Linux_X86_64 …",
// "Microsoft Office Word". Some programs write the document in ways that
// change what a check reads (the host then leaves such a document to be
// checked in Word).
#include <string>
#include <string_view>

namespace k58204::sim {

// Empty when the package names none, or cannot be read: never throws.
std::string applicationDocx(std::string_view octets);

}  // namespace k58204::sim
