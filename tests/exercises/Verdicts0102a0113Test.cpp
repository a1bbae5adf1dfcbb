// Exercises 102 to 113 driven as a learner acts, one row per case the course
// lesson does not play: boundary rows of each check, and Prepare's set-up.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// ---------------------------------------------------------------- learner's moves

Auto barre(const Auto& app, const std::u16string& nom) { return app[u"CommandBars"](u"Item", {nom}); }
int32_t rang(const Auto& app, const std::u16string& nom) { return barre(app, nom).lit(u"RowIndex").CLng(); }

// 103: opens the documents in this order, copying the course document first
// where there is none.
constexpr char16_t CopieParent[] = u"C:\\Cours\\Voyage à CANGO.doc";
constexpr char16_t Original[] = u"C:\\Cours\\K58204\\Voyage à CANGO.doc";
Actions ouvre(std::vector<std::u16string> chemins) {
    return [chemins](ExerciceSimule& e) {
        for (const std::u16string& c : chemins) {
            if (!e.poste().fichiers().Existe(c)) e.copieCours(u"05820403.doc", c);
            e.appli()[u"Documents"].fait(u"Open", {c});
        }
    };
}

// 104: the selection from `decalage` characters after the end of "s01", `longueur` long.
Actions apresS01(int32_t decalage, int32_t longueur = 0) {
    return [=](Auto app) {
        const int32_t debut = finSignet(app, u"s01") + decalage;
        selectionne(app, debut, debut + longueur);
    };
}

// 105: the ¶ button of the Standard toolbar, in the active window.
void afficheMarques(const Auto& app) { app[u"ActiveWindow"][u"View"].ecrit(u"ShowAll", true); }
void nouveau(const Auto& app) { app[u"Documents"].fait(u"Add"); }

// 106: goes to the end of the document (Ctrl+End), `recul` characters back, and types.
Actions tapeALaFin(std::u16string texte, int32_t recul = 0) {
    return [=](Auto app) {
        app[u"Selection"].fait(u"EndKey", {6});  // wdStory
        if (recul > 0) app[u"Selection"].fait(u"MoveLeft", {1, recul});
        tape(app, texte);
    };
}

// 108: selects [debut, fin) and presses Delete.
void efface(const Auto& app, int32_t debut, int32_t fin) {
    selectionne(app, debut, fin);
    app[u"Selection"].fait(u"Delete");
}
void supprime(const Auto& app, const std::u16string& nom) { efface(app, debutSignet(app, nom), finSignet(app, nom)); }
// Retypes every apostrophe of the sentence as the typographic one (U+2019),
// as Word's AutoFormat does while typing.
void retapeApostrophes(const Auto& app) {
    for (int32_t p = debutSignet(app, u"s01"); p < finSignet(app, u"s01"); ++p) {
        if (document(app)[u"Characters"](u"Item", {p + 1}).lit(u"Text").CStr() != u"'") continue;
        selectionne(app, p, p + 1);
        tape(app, u"\u2019");
    }
}

// 109
Actions enregistreSous(std::u16string nom) {
    return [nom](Auto app) { document(app).fait(u"SaveAs", {nomme(u"FileName", DossierCours + nom)}); };
}

// 113: bold on the passage (or on its first five characters only), then a
// font and a size on the passage (or on its first five characters only), as
// the Formatting toolbar sets them. An empty name or a size 0 is left as it
// is (Arial 12).
struct Police {
    bool gras;
    std::u16string nom;
    float taille;
    bool grasEnPartie = false, policeEnPartie = false;
};
Actions formate(Police p) {
    return [p](Auto app) {
        const auto selection = [&](bool enPartie) {
            if (enPartie) selectionneDebut(app, u"s01", 5);
            else selectionneSignet(app, u"s01");
            return app[u"Selection"][u"Font"];
        };
        if (p.gras) selection(p.grasEnPartie).ecrit(u"Bold", true);
        if (!p.nom.empty()) selection(p.policeEnPartie).ecrit(u"Name", p.nom);
        if (p.taille != 0) selection(p.policeEnPartie).ecrit(u"Size", p.taille);
    };
}

// ---------------------------------------------------------------- verdicts

TEST_P(Verdict, Apprenant) { joue(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Exercices, Verdict,
    ::testing::Values(
        // 102: either a row or a dock of their own is enough; both together again is "A".
        Scenario{102, "MiseEnFormeSurLaLigneSuivante",
                 [](Auto app) { barre(app, u"Formatting").ecrit(u"RowIndex", rang(app, u"Standard") + 1); }, u""},
        Scenario{102, "StandardAGauche", [](Auto app) { barre(app, u"Standard").ecrit(u"Position", 0); }, u""},
        Scenario{102, "DeplaceesEnsembleSurUneLigne",
                 [](Auto app) {
                     barre(app, u"Standard").ecrit(u"Position", 3);
                     barre(app, u"Formatting").ecrit(u"Position", 3);
                     barre(app, u"Standard").ecrit(u"RowIndex", rang(app, u"Formatting"));
                 },
                 u"A"},
        // 103: the working document decides when it is open; otherwise the
        // first open document whose name ends with the course document's
        // name, in any letter case. Then it must be the active one.
        Scenario{103, "NomEnAutreCasse", ouvre({u"c:\\cours\\k58204\\VOYAGE À cango.DOC"}), u""},
        Scenario{103, "CopieRenommeeDuDossierDeTravail", ouvre({u"C:\\Cours\\K58204\\Copie de Voyage à CANGO.doc"}), u"B"},
        Scenario{103, "MauvaiseCopiePuisBonneActive", ouvre({CopieParent, Original}), u""},
        Scenario{103, "BonneCopiePuisMauvaiseActive", ouvre({Original, CopieParent}), u"C"},
        // 104: only where the selection starts counts.
        Scenario{104, "UnCaractereApres", apresS01(1), u"A"},
        Scenario{104, "SelectionQuiCommenceApresS01", apresS01(0, 12), u""},
        // 105: the course document's window counts, not the active one.
        Scenario{105, "AfficheesPuisNouveauDocument", [](Auto app) { afficheMarques(app); nouveau(app); }, u""},
        Scenario{105, "AfficheesDansUnAutreDocument", [](Auto app) { nouveau(app); afficheMarques(app); }, u"A"},
        // 106: typed at the end of the text instead of in the empty last paragraph.
        Scenario{106, "ChiffreApres", tapeALaFin(u"extrait n°100"), u"D"},
        Scenario{106, "TapeeSurLaLigneDAvant", tapeALaFin(u" extrait n°10", 1), u"A"},
        // 107: typed right after the last period: a space, a break, spaces
        // and a second break; the empty paragraph holds spaces. (Typed at the
        // start of "s02" instead, the text would join that passage, as Word
        // extends a bookmark at its start.)
        Scenario{107, "ParagrapheVideAvecDesEspaces",
                 [](Auto app) {
                     const int32_t fin = finSignet(app, u"s01");
                     selectionne(app, fin, fin);
                     tape(app, u" ");
                     app[u"Selection"].fait(u"TypeParagraph");
                     tape(app, u"  ");
                     app[u"Selection"].fait(u"TypeParagraph");
                 },
                 u"B"},
        Scenario{108, "ApostrophesTypographiques",
                 [](Auto app) {
                     supprime(app, u"s02");
                     supprime(app, u"s03");
                     retapeApostrophes(app);
                 },
                 u""},
        // 108: "s02" deleted with the space before it: the pieces run together.
        Scenario{108, "EspaceManquant",
                 [](Auto app) {
                     efface(app, finSignet(app, u"s04"), finSignet(app, u"s02"));
                     supprime(app, u"s03");
                 },
                 u"B"},
        // 109: saved, and under the document's own name.
        Scenario{109, "EnregistreSousLeMemeNom", enregistreSous(u"Voyage à CANGO.doc"), u""},
        Scenario{109, "EnregistreSousUnAutreNom", enregistreSous(u"Voyage.doc"), u"A"},
        // 110: a mixed passage is "D" even when the other property is not set at all.
        Scenario{110, "GrasEnPartie",
                 [](Auto app) {
                     selectionneDebut(app, u"s01", 5);
                     app[u"Selection"][u"Font"].ecrit(u"Bold", true);
                 },
                 u"D"},
        // 112: the name is compared exactly: typed in lower case after the
        // placeholder (and its bookmark) was deleted, it is "A", not "B".
        Scenario{112, "PlaceEffaceeNomEnMinuscules",
                 [](Auto app) {
                     selectionneSignet(app, u"s01");
                     app[u"Selection"].fait(u"Delete");
                     tape(app, u"jean-pierre");
                 },
                 u"A"},
        Scenario{113, "GrasEnPartie", formate({true, u"Times New Roman", 14, true}), u"C"},
        Scenario{113, "DeuxTailles", formate({true, u"", 14, false, true}), u"D"},
        // 113: 12.5 points is not 12: another font at 12.5 passes.
        Scenario{113, "GrasAutrePolice12Et5", formate({true, u"Verdana", 12.5f}), u""}),
    nomScenario);

// ---------------------------------------------------------------- Prepare

// 102: both bars at the top, on one row, whatever the learner had.
TEST(Prepare, Question0102RassembleLesBarresEnHaut) {
    ExerciceSimule e(102, {.prepare = false});
    Auto app = e.appli();
    barre(app, u"Standard").ecrit(u"Position", 0);
    barre(app, u"Formatting").ecrit(u"Position", 3);
    e.prepare();
    EXPECT_EQ(barre(app, u"Standard").lit(u"Position").CLng(), 1);
    EXPECT_EQ(barre(app, u"Formatting").lit(u"Position").CLng(), 1);
    EXPECT_EQ(rang(app, u"Standard"), rang(app, u"Formatting"));
}

// 105: the marks hidden, even when the learner had them shown in that
// document's window.
TEST(Prepare, Question0105MasqueLesMarques) {
    ExerciceSimule e(105, {.prepare = false});
    e.appli()[u"Documents"].fait(u"Open", {std::u16string(DossierCours) + u"Voyage à CANGO.doc"});
    afficheMarques(e.appli());
    e.prepare();
    EXPECT_FALSE(e.appli()[u"ActiveWindow"][u"View"].lit(u"ShowAll").CBool());
}

}  // namespace
}  // namespace k58204::test
