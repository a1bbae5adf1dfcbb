// Course documents saved by LibreOffice (tests/sim/doc/libreoffice) graded
// as the working document: the verdict is the one the course document gets
// (or, for a document the learner finished, success).
#include <gtest/gtest.h>

#include "host/DossierTemporaire.hpp"
#include "host/Notation.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::lecon {
namespace {

const Cours& cours() {
    static const Cours c(K58204_COURS_DIR);
    return c;
}

Notation noter(int32_t exercice, const std::filesystem::path& document) {
    DossierTemporaire racine("k58204-libreoffice-test");
    return note(cours(), exercice, document, racine.chemin());
}

TEST(LibreOffice, DocumentsDuCoursNotesCommeLOriginal) {
    const std::filesystem::path dossier = std::filesystem::path(K58204_TESTS_DIR) / "libreoffice";
    struct Cas {
        const char* fichier;
        int32_t exercice;
        std::optional<std::u16string> code;  // nullopt: the course document's own verdict
    };
    const Cas cas[] = {
        {"05820413.xml", 113, std::nullopt},  // nested bookmarks, a run in another font
        {"05820414.xml", 114, std::nullopt},  // five bookmarks inside a sixth, a heading style
        {"05820421.xml", 121, std::nullopt},  // page setup in decimal twips
        {"05820421-paysage-5cm.xml", 121, u""},  // landscape, top margin 5 cm written 2835.5705
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.fichier);
        // Every bookmark matched: the document reads without warnings.
        std::vector<std::string> avertissements;
        sim::lireWordML(litFichier(dossier / c.fichier), avertissements);
        EXPECT_TRUE(avertissements.empty()) << avertissements.front();

        const Notation lu = noter(c.exercice, dossier / c.fichier);
        EXPECT_EQ(lu.verdict.erreurGenerale, false);
        if (c.code) {
            EXPECT_EQ(lu.verdict.causeErreur, *c.code);
        } else {
            const Notation original = noter(c.exercice, *cours().source(c.exercice));
            EXPECT_EQ(texte(lu.verdict), texte(original.verdict));
            EXPECT_NE(original.verdict.causeErreur, u"");  // the untouched exercise is not a success
        }
    }
}

}  // namespace
}  // namespace k58204::lecon
