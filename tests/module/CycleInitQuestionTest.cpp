// InitQuestion on a simulated machine: acquiring Word, staging the
// exercise's documents, preparing Word for it.
#include <gtest/gtest.h>

#include "module/support/LeconSimulee.hpp"
#include "word/Texte.hpp"

using namespace k58204;
using namespace k58204::test;

namespace {

constexpr char16_t Voyage[] = u"Voyage à CANGO.doc";

TEST(InitQuestion, SansWordLeDemarreLeRendEtLeQuitteraSeul) {
    LeconSimulee l;
    l.init(104);
    ASSERT_NE(l.application, nullptr);
    sim::InstanceWord& word = l.instance();
    EXPECT_EQ(l.handle, word.fenetrePrincipale());
    EXPECT_TRUE(l.poste().bureau().visible(l.handle));
    // The window-update lock taken while Word was set up is released.
    EXPECT_EQ(l.poste().bureau().fenetreVerrouillee(), 0);
    l.quitter();
    EXPECT_EQ(l.application, nullptr);
    EXPECT_EQ(l.handle, 0);
    EXPECT_EQ(l.poste().nombreInstances(), 0);
}

TEST(InitQuestion, AttacheLeWordVisibleDeLApprenantSansToucherASesDocuments) {
    LeconSimulee l;
    ObjetPtr sien = l.poste().demarreWord();
    Auto(sien)[u"ActiveDocument"][u"Content"].ecrit(u"Text", u"Mon brouillon");
    l.init(106);
    EXPECT_TRUE(estLeMeme(l.application, sien));
    EXPECT_EQ(l.poste().nombreInstances(), 1);
    // The learner's unsaved document is still open.
    EXPECT_EQ(l.appli()[u"Documents"].lit(u"Count").CLng(), 2);
    EXPECT_EQ(l.appli()[u"Documents"](u"Item", {1}).lit(u"Name").CStr(), u"Document1");
}

TEST(InitQuestion, DocumentsEtDossiersEnPlace) {
    struct Cas {
        int32_t numero;
        std::u16string document;        // the working document on disk, "" for none
        std::u16string dossierOuverture;  // Word's open folder afterwards
    } cas[] = {
        {101, u"Réponses.doc", DossierCours},
        {103, Voyage, u"C:\\Cours\\"},
        {110, Voyage, DossierCours},
        {102, u"", DossierCours},
    };
    for (const Cas& c : cas) {
        LeconSimulee l;
        l.init(c.numero);
        if (!c.document.empty()) {
            EXPECT_TRUE(l.fichiers().Existe(DossierCours + c.document)) << c.numero;
            const std::u16string source = c.numero == 101 ? u"05820401.doc" : c.numero == 103 ? u"05820403.doc" : u"05820410.doc";
            EXPECT_FALSE(l.fichiers().Existe(DossierCours + source)) << c.numero;
        }
        Auto options = l.appli()[u"Options"];
        std::u16string modeles = options.lit(u"DefaultFilePath", {2}).CStr();
        EXPECT_TRUE(l.fichiers().Existe(modeles + u"\\Talvor Modèles\\")) << c.numero;
        std::u16string ouverture = options.lit(u"DefaultFilePath", {14}).CStr();
        EXPECT_EQ(LCase(ouverture + u"\\"), LCase(c.dossierOuverture)) << c.numero;
        // Toolbars shown, tooltips on, proofing marks off on the active document.
        EXPECT_TRUE(l.appli()(u"CommandBars", {u"Standard"}).lit(u"Visible").CBool());
        EXPECT_TRUE(l.appli()(u"CommandBars", {u"Formatting"}).lit(u"Visible").CBool());
        EXPECT_TRUE(l.appli()[u"CommandBars"].lit(u"DisplayTooltips").CBool());
        EXPECT_FALSE(l.appli()[u"ActiveDocument"].lit(u"ShowSpellingErrors").CBool()) << c.numero;
        EXPECT_FALSE(l.appli()[u"ActiveDocument"].lit(u"ShowGrammaticalErrors").CBool()) << c.numero;
    }
}

TEST(InitQuestion, Exercice123LaisseLaFenetreEtLesMarques) {
    LeconSimulee l;
    ObjetPtr hote = l.poste().demarreWord();
    Auto(hote)[u"ActiveDocument"].ecrit(u"ShowSpellingErrors", true);
    l.application = hote;
    l.handle = l.poste().instance(hote).fenetrePrincipale();
    l.init(123);
    EXPECT_TRUE(l.appli()[u"ActiveDocument"].lit(u"ShowSpellingErrors").CBool());
}

}  // namespace
