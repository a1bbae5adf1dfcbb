// A graded class's page as a browser renders it: headless Chromium loads the
// page written by `noter --html`, runs its script, and gives back the DOM it
// built and a screenshot (kept in the build tree, beside the page). Skipped
// where chromium is not installed, except in continuous integration (the CI
// environment variable set), where it must be.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/Commandes.hpp"
#include "host/Cours.hpp"
#include "host/DossierTemporaire.hpp"
#include "Lance.hpp"
#include "Soffice.hpp"
#include "support/ProgrammeRequis.hpp"

namespace k58204::lecon {
namespace {

namespace fs = std::filesystem;

size_t compte(const std::string& texte, const std::string& motif) {
    size_t n = 0;
    for (size_t p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + 1)) ++n;
    return n;
}

// Headless, as root (no sandbox), with a profile of its own in `dossier` so
// that runs in parallel do not share one; console messages go to chromium.log.
int chromium(const std::string& options, const fs::path& page, const fs::path& dossier, const fs::path& sortie) {
    const std::string commande = "cd '" + dossier.string() +
                                 "' && timeout 120 chromium --headless --no-sandbox --disable-gpu --hide-scrollbars "
                                 "--enable-logging=stderr --v=0 --user-data-dir=profil " +
                                 options + " 'file://" + page.string() + "' >'" + sortie.string() + "' 2>chromium.log";
    return std::system(commande.c_str());
}

TEST(PageChromium, ClasseNotee) {
    K58204_EXIGE_PROGRAMME("chromium");
    DossierTemporaire dossier("k58204-chromium-test");
    const fs::path classe = dossier.chemin() / "classe";
    const fs::path cours = K58204_COURS_DIR, captures = K58204_CAPTURES_DIR;
    fs::create_directories(classe);
    fs::create_directories(captures);

    // The course's document as it is (code A), once under a name that is
    // markup, once as a binary Word document (converted, code A); a document
    // with a paragraph more (general code B); a damaged binary Word document
    // (not gradable) whose name has "&".
    fs::copy_file(cours / "05820410.doc", classe / "<script>.xml");
    fs::copy_file(cours / "05820411.doc", classe / "dupont.xml");
    fs::copy_file(cours / "05820406.doc", classe / "durand.xml");
    std::ofstream(classe / "Dupont & Fils.doc") << std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    fs::copy_file(cours / "05820410.doc", dossier.chemin() / "martin.xml");
    ASSERT_TRUE(test::enregistreSous({dossier.chemin() / "martin.xml"}, "doc:MS Word 97", classe, dossier.chemin() / "p"));
    ASSERT_TRUE(fs::exists(classe / "martin.doc"));

    const fs::path page = captures / "classe.html";
    const std::string c = classe.string(), p = page.string();
    const test::Sortie noter = test::lance({"noter", "110", c, "--html", p});
    ASSERT_EQ(noter.code, SortieEchec) << noter.erreurs;

    const fs::path dom = dossier.chemin() / "dom.html", journal = dossier.chemin() / "chromium.log";
    ASSERT_EQ(chromium("--dump-dom", page, dossier.chemin(), dom), 0) << litFichier(journal);
    const std::string d = litFichier(dom), j = litFichier(journal);
    // Marked ready by the script's last line, and no error recorded (data-erreurs).
    EXPECT_EQ(compte(d, "<html lang=\"fr\" data-pret=\"oui\">"), 1u) << d.substr(0, 300);
    EXPECT_EQ(compte(j, ":CONSOLE"), 0u) << j;
    EXPECT_EQ(compte(d, "<tr data-statut="), 5u);
    EXPECT_EQ(compte(d, "<g class=\"barre\">"), 2u) << "codes A and general B";
    EXPECT_EQ(compte(d, "<script"), 2u) << "only the page's own scripts";
    // Named as in the folder given, the path (a temporary one here) only in a title.
    EXPECT_EQ(compte(d, "\">&lt;script&gt;.xml</td>"), 1u);
    EXPECT_EQ(compte(d, c), compte(d, "title=\"" + c)) << "a path outside a title";
    EXPECT_EQ(compte(d, "<strong>Dupont &amp; Fils.doc</strong> : document Word binaire"), 1u);
    // The converted document, marked at a glance, graded as its original.
    EXPECT_EQ(compte(d, ">martin.doc<span class=\"converti\""), 1u);
    EXPECT_EQ(compte(d, "class=\"converti\""), 1u);
    EXPECT_EQ(compte(d, "converti</span></td><td class=\"statut\" data-cle=\"1\">✘ non réussi</td><td>A</td>"), 1u);

    const fs::path capture = captures / "classe.png";
    fs::remove(capture);
    EXPECT_EQ(chromium("--window-size=1100,1000 --screenshot='" + capture.string() + "'", page, dossier.chemin(),
                       "/dev/null"),
              0)
        << litFichier(journal);
    EXPECT_GT(fs::exists(capture) ? fs::file_size(capture) : 0, 10'000u);
}

}  // namespace
}  // namespace k58204::lecon
