#pragma once
// Binary Word 97-2003 documents turned into .docx by LibreOffice, so that
// they can be graded: the whole batch by one headless LibreOffice process,
// with a profile of its own (so that another conversion, or a LibreOffice the
// user is running, does not meet it) and a time limit, in a private temporary
// folder removed with the object.
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/DossierTemporaire.hpp"

namespace k58204::lecon {

// What a teacher installs to have binary documents graded.
inline constexpr char PaquetLibreOffice[] = "libreoffice-writer-nogui";

struct Conversion {
    std::optional<std::filesystem::path> docx;  // the converted document, in the converter's folder
    std::string erreur;                          // why it was not converted
};

class ConversionLibreOffice {
public:
    // `programme`: the LibreOffice command; empty means the K58204_SOFFICE
    // environment variable, else "soffice" found in PATH.
    explicit ConversionLibreOffice(std::string programme = "");

    // Whether the program was found (conversions fail at once otherwise).
    bool disponible() const { return !programme_.empty(); }

    // Converts `documents` (one result each, in order); `parDocument` is
    // called once a document is done, converted or not. The time limit is
    // K58204_DELAI_LIBREOFFICE seconds when set, else 60 s plus 20 s a document.
    std::vector<Conversion> convertit(const std::vector<std::filesystem::path>& documents,
                                      const std::function<void()>& parDocument = {});

    // The limit `convertit` gives to `n` documents.
    static std::chrono::seconds delai(size_t n);

private:
    std::string programme_;
    std::optional<DossierTemporaire> dossier_;
};

}  // namespace k58204::lecon
