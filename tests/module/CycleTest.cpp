// Module driven as the host drives it on a simulated machine, phase by
// phase: the start, the control of Word, the check, the end.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <tuple>
#include <vector>

#include "module/support/LeconSimulee.hpp"
#include "sim/core/ErreursWord.hpp"
#include "support/NumeroErreur.hpp"
#include "word/Texte.hpp"

using namespace k58204;
using namespace k58204::test;

namespace {

// ================================================================ InitQuestion
// InitQuestion on a simulated machine: acquiring Word, staging the
// exercise's documents, preparing Word for it.

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

TEST(InitQuestion, DocumentsEtDossiersEnPlace) {
    struct Cas {
        int32_t numero;
        std::u16string document;        // the working document on disk, "" for none
        std::u16string dossierOuverture;  // Word's open folder afterwards
    } cas[] = {
        {101, u"Réponses.doc", DossierCours},
        {103, Voyage, u"C:\\Cours\\"},
        {102, u"", DossierCours},
    };
    for (const Cas& c : cas) {
        LeconSimulee l;
        l.init(c.numero);
        if (!c.document.empty()) {
            EXPECT_TRUE(l.fichiers().Existe(DossierCours + c.document)) << c.numero;
            const std::u16string source = c.numero == 101 ? u"05820401.doc" : u"05820403.doc";
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
    l.demarreWordApprenant();
    l.appli()[u"ActiveDocument"].ecrit(u"ShowSpellingErrors", true);
    l.init(123);
    EXPECT_TRUE(l.appli()[u"ActiveDocument"].lit(u"ShowSpellingErrors").CBool());
}

// ================================================================ Word control
// Word control and user-interface preparation on the simulated desktop:
// which Word is used, its main window, dialogs left open, the toolbars.

TEST(ControleWord, FenetrePrincipaleTrouveeParSonTitreAvecOuSansDocument) {
    for (bool avecDocument : {false, true}) {
        LeconSimulee l;
        l.demarreWordApprenant(avecDocument);
        l.handle = -1;  // the host knows no window
        l.init(102);  // opens no document of its own
        EXPECT_EQ(l.handle, l.instance().fenetrePrincipale()) << avecDocument;
    }
}

TEST(ControleWord, WordDisparuPendantLaSondeEstRetrouve) {
    LeconSimulee l;
    l.demarreWordApprenant();
    auto arme = std::make_shared<bool>(true);
    Erreur disparu(err::ServeurIndisponible, SourceComposant, u"Le serveur distant n'existe pas ou n'est pas disponible");
    l.application = piege(l.application, u"Windows", disparu, arme, /*unCoup=*/true);
    EXPECT_NO_THROW(l.init(110));
    EXPECT_FALSE(*arme);
    EXPECT_EQ(l.poste().nombreInstances(), 1);
}

TEST(ControleWord, DialogueLaisseOuvertEtSonSousDialogueFermesAuDebut) {
    LeconSimulee l;
    l.demarreWordApprenant();
    sim::DialoguesOuverts d = l.instance().ouvreDialogue(u"Police", u"Couleurs");
    // A window that is not Word's is left alone.
    platform::Hwnd autre = l.poste().bureau().cree({u"Notepad", u"Sans titre - Bloc-notes", 0, 0, true, platform::WS_EX_DLGMODALFRAME});
    l.init(110);
    EXPECT_FALSE(l.poste().bureau().existe(d.dialogue));
    EXPECT_FALSE(l.poste().bureau().existe(d.sousDialogue));
    EXPECT_TRUE(l.poste().bureau().existe(autre));
}

// Exercise 121 alone shows the print preview bar, docked at the top, and
// leaves Word's window behind others; a minimised window is restored for any.
TEST(ControleWord, FenetreReduiteRestaureeEtMiseDevantEtBarreApercuSelon121) {
    for (int32_t n : {110, 121}) {
        LeconSimulee l;
        l.init(n);
        Auto apercu = l.appli()(u"CommandBars", {u"Print Preview"});
        EXPECT_EQ(apercu.lit(u"Visible").CBool(), n == 121) << n;
        if (n == 121) {
            EXPECT_EQ(apercu.lit(u"Position").CLng(), 1);
        }
        platform::Hwnd autre = l.poste().bureau().cree({u"Notepad", u"Sans titre - Bloc-notes", 0, 0, true, 0});
        l.poste().bureau().metAuPremierPlan(autre);
        l.instance().minimiseFenetre();
        l.teste();
        EXPECT_FALSE(l.poste().bureau().minimise(l.handle)) << n;
        EXPECT_EQ(l.poste().bureau().premierPlan() == l.handle, n != 121) << n;
    }
}

TEST(ControleWord, BarreDessinAncreeEnBasSeulementSiVisible) {
    for (bool visible : {true, false}) {
        LeconSimulee l;
        l.demarreWordApprenant();
        Auto dessin = l.appli()(u"CommandBars", {u"Drawing"});
        dessin.ecrit(u"Enabled", true);
        dessin.ecrit(u"Visible", visible);
        dessin.ecrit(u"Position", 4);  // floating
        l.init(110);
        EXPECT_EQ(dessin.lit(u"Visible").CBool(), visible);
        EXPECT_EQ(dessin.lit(u"Position").CLng(), visible ? 3 : 4);
    }
}

TEST(ControleWord, VoletOfficeAncreADroiteEtLaisseCommeLApprenantLaLaisse) {
    LeconSimulee l;
    l.init(110);
    Auto volet = l.appli()(u"CommandBars", {u"Task Pane"});
    volet.ecrit(u"Visible", false);  // the learner closes it during the exercise
    l.init(111);
    EXPECT_EQ(volet.lit(u"Position").CLng(), 2);
    EXPECT_FALSE(volet.lit(u"Visible").CBool());
}

// ================================================================ TestePoint
// TestePoint on a simulated machine: what the check leaves behind (dialogs,
// the insertion point, the display) and the errors it raises. The general
// codes themselves are rows of the fault matrix and lines of the lesson.

TEST(TestePoint, SansDocumentCesExercicesPassentLeControle) {
    for (int32_t n : {102, 103, 122, 123, 124}) {
        LeconSimulee l;
        l.init(n);
        l.appli()[u"Documents"].fait(u"Close", {nomme(u"SaveChanges", 0)});
        l.teste();
        EXPECT_FALSE(l.module().ErreurGenerale()) << n;
    }
}

TEST(TestePoint, DialogueOuvertFermeSeulementCeluiQuIlPossede) {
    LeconSimulee l;
    l.init(110);
    sim::DialoguesOuverts d = l.instance().ouvreDialogue(u"Police", u"Couleurs");
    l.teste();
    EXPECT_TRUE(l.poste().bureau().existe(d.dialogue));
    EXPECT_FALSE(l.poste().bureau().existe(d.sousDialogue));
    // Once the learner closes it, the exercise's own verdict comes back.
    l.poste().bureau().fermer(d.dialogue);
    l.teste();
    EXPECT_FALSE(l.module().ErreurGenerale());
    EXPECT_EQ(l.verdict(), u"A");
}

TEST(TestePoint, Exercice107EchecDesMotsRameneLePointDInsertion) {
    LeconSimulee l;
    l.init(107);
    Auto s01 = l.appli()[u"ActiveDocument"](u"Bookmarks", {u"s01"});
    int32_t debut = s01.lit(u"Start").CLng();
    // Most of the passage deleted: fewer than 96 words left.
    l.appli()[u"ActiveDocument"].fait(u"Range", {debut + 5, s01.lit(u"End").CLng() - 5}).objet()->call(u"Delete");
    l.teste();
    EXPECT_EQ(l.verdict(), u"D");
    Auto sel = l.appli()[u"Selection"];
    EXPECT_EQ(sel.lit(u"Start").CLng(), sel.lit(u"End").CLng());
}

// Exercise 110 started on the learner's Word, whose member `membre` fails
// with `erreur` from the check on.
void piegeApresInit(LeconSimulee& l, std::u16string membre, Erreur erreur) {
    l.demarreWordApprenant();
    auto arme = std::make_shared<bool>(false);
    l.application = piege(l.application, std::move(membre), std::move(erreur), arme);
    l.init(110);
    *arme = true;
}

TEST(TestePoint, ErreurDuControleDuDocumentDonneAN) {
    LeconSimulee l;
    piegeApresInit(l, u"Bookmarks", sim::erreurWord(sim::wderr::MembreInexistant));
    l.teste();
    EXPECT_TRUE(l.module().ErreurGenerale());
    EXPECT_EQ(l.verdict(), u"AN");
}

TEST(TestePoint, ErreurDuControleDeLExerciceParvientALHote) {
    LeconSimulee l;
    piegeApresInit(l, u"Italic", sim::erreurWord(sim::wderr::EchecCommande));
    const std::optional<Erreur> e = erreurDe([&] { l.teste(); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->numero(), sim::wderr::EchecCommande);
    EXPECT_NE(e->source().find(u"CLASSE Question0110"), std::u16string::npos);
}

// The check may change the display to read the document: it puts back what
// the learner had, in both directions.
TEST(TestePoint, AffichageDesMarquesEtDesCodesDeChampsRemisApresLeControle) {
    for (bool montre : {true, false}) {
        LeconSimulee l;
        l.init(105);
        Auto vue = l.appli()[u"ActiveWindow"][u"View"];
        vue.ecrit(u"ShowAll", montre);
        vue.ecrit(u"ShowFieldCodes", !montre);
        l.teste();
        EXPECT_EQ(l.verdict(), montre ? u"" : u"A");
        EXPECT_EQ(vue.lit(u"ShowAll").CBool(), montre);
        EXPECT_EQ(vue.lit(u"ShowFieldCodes").CBool(), !montre);
    }
}

// ================================================================ the end
// The end of an exercise and of the lesson: the learner's settings come
// back, the working documents are closed and deleted, and Word is quit only
// when the component acquired it.

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
    l.demarreWordApprenant();
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

// The assistant's balloon is closed at the end, with a pause; one that
// refuses to close does not keep the working document from going.
TEST(Lecon, LaBulleDeLAssistantEstFermeeAvecUnePauseSansBloquer) {
    for (bool refuse : {false, true}) {
        LeconSimulee l;
        l.init(110);
        sim::Bureau& bureau = l.poste().bureau();
        const platform::Hwnd bulle = l.instance().ouvreBulle();
        if (refuse) {
            bureau.refuseFermeture(bulle);
            for (platform::Hwnd enfant : bureau.enfants(bulle)) bureau.refuseFermeture(enfant);
        }
        const auto avant = bureau.attenteTotale();
        l.fermer();
        EXPECT_EQ(bureau.existe(bulle), refuse) << refuse;
        EXPECT_EQ(bureau.attenteTotale() - avant, Module::PauseBulle) << refuse;
        EXPECT_FALSE(l.fichiers().Existe(DossierCours + std::u16string(Voyage))) << refuse;
        EXPECT_EQ(l.appli()[u"Documents"].lit(u"Count").CLng(), 0) << refuse;
    }
}

}  // namespace
