// The end of an exercise and of the lesson: the learner's settings come
// back, the working documents are closed and deleted, and Word is quit only
// when the component acquired it.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <tuple>
#include <vector>

#include "module/support/LeconSimulee.hpp"
#include "word/Texte.hpp"

using namespace k58204;
using namespace k58204::test;

namespace {

// The folders (file-open, documents, templates), the two bars' rows, the tooltips.
using Reglages = std::tuple<std::string, std::string, std::string, int32_t, int32_t, bool>;

Reglages lit(LeconSimulee& l) {
    Auto o = l.appli()[u"Options"];
    Auto barres = l.appli()[u"CommandBars"];
    return {versUtf8(LCase(o.lit(u"DefaultFilePath", {14}).CStr())), versUtf8(o.lit(u"DefaultFilePath", {0}).CStr()),
            versUtf8(o.lit(u"DefaultFilePath", {2}).CStr()), barres(u"Item", {u"Standard"}).lit(u"RowIndex").CLng(),
            barres(u"Item", {u"Formatting"}).lit(u"RowIndex").CLng(), barres.lit(u"DisplayTooltips").CBool()};
}

// The learner's Word as the host holds it, with the learner's own settings.
void wordAvecSesReglages(LeconSimulee& l) {
    l.application = l.poste().demarreWord();
    l.handle = l.instance().fenetrePrincipale();
    l.fichiers().MkDir(u"C:\\Travaux");
    l.appli().fait(u"ChangeFileOpenDirectory", {u"C:\\Travaux"});
    l.appli()[u"Options"].ecrit(u"DefaultFilePath", u"C:\\Travaux", {0});
    Auto barres = l.appli()[u"CommandBars"];
    barres.ecrit(u"DisplayTooltips", false);
    barres(u"Item", {u"Formatting"}).ecrit(u"RowIndex", barres(u"Item", {u"Standard"}).lit(u"RowIndex"));
}

// Whatever the desktop when an exercise starts (Word refusing calls for a
// while included), any sequence of starts (I), checks (T), Fermer (F),
// Quitter (Q) and Word quit by the learner (W) that follows puts the
// learner's settings back: a start that ends the running exercise itself must
// not take that exercise's settings for the learner's. The learner's Word is
// the host's, so it stays running after Quitter and can be read. A hidden
// Word is quit and replaced by the component: the learner's settings are then
// those the new Word starts with, and it goes with Quitter.
TEST(Lecon, LesReglagesReviennentQuelsQueSoientLeBureauAuDebutEtLaFin) {
    const std::pair<const char*, std::function<void(sim::InstanceWord&)>> etats[] = {
        {"rien", [](sim::InstanceWord&) {}},
        {"dialogueImbrique", [](sim::InstanceWord& w) { w.ouvreDialogue(u"Police", u"Couleurs"); }},
        {"bulle", [](sim::InstanceWord& w) { w.ouvreBulle(); }},
        {"occupe", [](sim::InstanceWord& w) { w.occupe(10); }},
        {"cache", [](sim::InstanceWord& w) { w.cacheFenetre(); }},
        {"reduit", [](sim::InstanceWord& w) { w.minimiseFenetre(); }},
    };
    const std::pair<const char*, std::vector<int32_t>> fins[] = {
        {"ITF", {101}},      {"ITF", {124}},         {"IT", {106}},          {"IQ", {106}},
        {"II", {110, 104}},  {"IIF", {110, 104}},    {"IFI", {121, 106}},    {"IIQ", {110, 104}},
        {"IFF", {110}},      {"IIIFQ", {110, 104, 121}}, {"IFIIQ", {110, 104, 121}}, {"ITWI", {106, 110}},
    };
    Reglages neuf;
    {
        LeconSimulee autre;
        autre.application = autre.poste().demarreWord();
        neuf = lit(autre);
    }
    for (const auto& [etat, prepareBureau] : etats) {
        for (const auto& [sequence, exercices] : fins) {
            SCOPED_TRACE(std::string(etat) + " " + sequence + " " + std::to_string(exercices[0]));
            const bool remplace = std::strcmp(etat, "cache") == 0;
            if (remplace && std::strchr(sequence, 'Q')) continue;
            LeconSimulee l;
            wordAvecSesReglages(l);
            const Reglages avant = remplace ? neuf : lit(l);
            prepareBureau(l.instance());
            size_t k = 0;
            for (const char* p = sequence; *p; ++p) {
                if (*p == 'I') l.init(exercices[k++]);
                if (*p == 'T') l.teste();
                if (*p == 'F') l.fermer();
                if (*p == 'Q') l.quitter();
                if (*p == 'W') l.instance().fermeParApprenant();
            }
            if (sequence[std::strlen(sequence) - 1] != 'F' && sequence[std::strlen(sequence) - 1] != 'Q') l.fermer();
            EXPECT_EQ(lit(l), avant);
        }
    }
}

// Between two exercises the learner changes a setting; a second Fermer does not undo it.
TEST(Lecon, UnSecondFermerNeDefaitPasLesReglagesDeLApprenant) {
    LeconSimulee l;
    l.init(110);
    l.fermer();
    Auto barres = l.appli()[u"CommandBars"];
    barres.ecrit(u"DisplayTooltips", !barres.lit(u"DisplayTooltips").CBool());
    const bool choisi = barres.lit(u"DisplayTooltips").CBool();
    l.fermer();
    EXPECT_EQ(barres.lit(u"DisplayTooltips").CBool(), choisi);
}

TEST(Lecon, Exercice102GardeLaDispositionDesBarres) {
    LeconSimulee l;
    l.init(102);
    Auto barres = l.appli()[u"CommandBars"];
    barres(u"Item", {u"Formatting"}).ecrit(u"RowIndex", 5);
    int32_t rangStandard = barres(u"Item", {u"Standard"}).lit(u"RowIndex").CLng();
    int32_t rangFormatting = barres(u"Item", {u"Formatting"}).lit(u"RowIndex").CLng();
    l.teste();
    EXPECT_EQ(l.verdict(), u"");
    l.fermer();
    EXPECT_EQ(barres(u"Item", {u"Standard"}).lit(u"RowIndex").CLng(), rangStandard);
    EXPECT_EQ(barres(u"Item", {u"Formatting"}).lit(u"RowIndex").CLng(), rangFormatting);
}

TEST(Lecon, LesDocumentsEnregistresDeLApprenantSontRouverts) {
    LeconSimulee l;
    l.application = l.poste().demarreWord();
    l.handle = l.instance().fenetrePrincipale();
    l.fichiers().MkDir(u"C:\\Travaux");
    Auto sien = l.appli()[u"ActiveDocument"];
    sien[u"Content"].ecrit(u"Text", u"Mes notes");
    sien.fait(u"SaveAs", {u"C:\\Travaux\\notes.doc"});
    l.init(110);
    l.fermer();
    Auto docs = l.appli()[u"Documents"];
    ASSERT_EQ(docs.lit(u"Count").CLng(), 1);
    EXPECT_EQ(docs(u"Item", {1}).lit(u"FullName").CStr(), u"C:\\Travaux\\notes.doc");
}

TEST(Lecon, LaBulleDeLAssistantEstFermeeAvecUnePause) {
    LeconSimulee l;
    l.init(110);
    platform::Hwnd bulle = l.instance().ouvreBulle();
    auto avant = l.poste().bureau().attenteTotale();
    l.fermer();
    EXPECT_FALSE(l.poste().bureau().existe(bulle));
    EXPECT_EQ(l.poste().bureau().attenteTotale() - avant, Module::PauseBulle);
}

TEST(Lecon, UneBulleQuiRefuseDeSeFermerNeBloquePas) {
    LeconSimulee l;
    l.init(110);
    platform::Hwnd bulle = l.instance().ouvreBulle();
    l.poste().bureau().refuseFermeture(bulle);
    for (platform::Hwnd enfant : l.poste().bureau().enfants(bulle)) l.poste().bureau().refuseFermeture(enfant);
    l.fermer();
    EXPECT_TRUE(l.poste().bureau().existe(bulle));
    EXPECT_FALSE(l.fichiers().Existe(std::u16string(DossierCours) + u"Voyage à CANGO.doc"));
    EXPECT_EQ(l.appli()[u"Documents"].lit(u"Count").CLng(), 0);
}

}  // namespace
