// Exercises 102 to 124 driven as a learner acts, one row per case the course
// lesson does not play: boundary rows of each check, Prepare's set-up, and
// the exercises' failures.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"
#include "support/NumeroErreur.hpp"
#include "word/Composant.hpp"
#include "word/Erreur.hpp"
#include "word/Texte.hpp"

namespace k58204::test {
namespace {

using Geste = std::function<void(const Auto&)>;

// ---------------------------------------------------------------- 102 to 113
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

// 106: goes to the end of the document (Ctrl+End), `recul` characters back, and types.
Actions tapeALaFin(std::u16string texte, int32_t recul = 0) {
    return [=](Auto app) {
        app[u"Selection"].fait(u"EndKey", {6});  // wdStory
        if (recul > 0) app[u"Selection"].fait(u"MoveLeft", {1, recul});
        tape(app, texte);
    };
}

// 107: the paragraph broken before "s02" as the learner should; then, inside
// "s01" (which ends "CANGO."), the character `recul` places before its last
// period retyped as a period not followed by a space, and that last period
// deleted when asked.
Actions pointSansEspace(int32_t recul, bool sansDernierPoint = false) {
    return [=](Auto app) {
        selectionne(app, debutSignet(app, u"s02"), debutSignet(app, u"s02"));
        app[u"Selection"].fait(u"TypeParagraph");
        const int32_t dernier = finSignet(app, u"s01") - 1;
        selectionne(app, dernier - recul, dernier - recul + 1);
        tape(app, u".");
        if (!sansDernierPoint) return;
        selectionne(app, dernier, dernier + 1);
        app[u"Selection"].fait(u"Delete");
    };
}

// 107: at the end of "s01" (or the start of "s02"), each piece typed and
// followed by a paragraph break.
Actions paragraphes(bool finDeS01, std::vector<std::u16string> morceaux) {
    return [=](Auto app) {
        const int32_t p = finDeS01 ? finSignet(app, u"s01") : debutSignet(app, u"s02");
        selectionne(app, p, p);
        for (const std::u16string& m : morceaux) {
            tape(app, m);
            app[u"Selection"].fait(u"TypeParagraph");
        }
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


// ---------------------------------------------------------------- 114

// Selects the marked paragraph and sets an indent through the paragraph settings.
Geste retrait(std::u16string nom, std::u16string propriete, float points) {
    return [=](const Auto& app) {
        selectionneSignet(app, nom);
        app[u"Selection"][u"ParagraphFormat"].ecrit(propriete, points);
    };
}
Geste gauche(std::u16string nom, float points = 36) { return retrait(nom, u"LeftIndent", points); }
Geste premiereLigne(std::u16string nom, float points = 36) { return retrait(nom, u"FirstLineIndent", points); }
// Splits the marked paragraph `a` characters into it.
void coupe(const Auto& app, const std::u16string& nom, int32_t a) {
    const int32_t debut = debutSignet(app, nom);
    selectionne(app, debut + a, debut + a);
    app[u"Selection"].fait(u"TypeParagraph");
}

// The expected work, less what is done on the paragraph `sauf`, then `ensuite`.
Actions retraits(std::u16string sauf, Geste ensuite) {
    return [=](Auto app) {
        for (const char16_t* nom : {u"s01", u"s02"})
            if (nom != sauf) gauche(nom)(app);
        for (const char16_t* nom : {u"s04", u"s05"})
            if (nom != sauf) premiereLigne(nom)(app);
        ensuite(app);
    };
}

// ---------------------------------------------------------------- 116 to 118

// 116: spaces "s01"; then, when `coupee`, splits it and spaces its second part 6 and 6.
void espace(const Auto& app, float avant, float apres) {
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"SpaceBefore", avant);
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"SpaceAfter", apres);
}
Actions espacement(float avant, float apres, bool coupee = false) {
    return [=](Auto app) {
        selectionneSignet(app, u"s01");
        espace(app, avant, apres);
        if (!coupee) return;
        coupe(app, u"s01", 10);
        espace(app, 6, 6);
    };
}

// 117: WdLineSpacing.
constexpr int32_t Simple = 0, Exactement = 4, Multiple = 5;
Actions interligne(int32_t s01, int32_t s02) {
    return [s01, s02](Auto app) {
        for (auto [nom, regle] : {std::pair{u"s01", s01}, std::pair{u"s02", s02}}) {
            selectionneSignet(app, nom);
            app[u"Selection"][u"ParagraphFormat"].ecrit(u"LineSpacingRule", regle);
        }
    };
}

// 118: the borders and shading dialog on "s01": a 3/4-point box, a grey
// shading, a yellow highlight.
struct Travail118 {
    bool bordure = true, ombrage = true, surlignage = false;
};
Actions borde(Travail118 t) {
    return [t](Auto app) {
        selectionneSignet(app, u"s01");
        Auto format = app[u"Selection"][u"ParagraphFormat"];
        if (t.bordure) {
            Auto bordures = format[u"Borders"];
            bordures.ecrit(u"Enable", true);
            for (int32_t cote : {-1, -2, -4, -3})  // top, left, right, bottom
                bordures(u"Item", {cote}).ecrit(u"LineWidth", 6);  // 3/4 point
        }
        if (t.ombrage) format[u"Shading"].ecrit(u"BackgroundPatternColorIndex", 16);   // wdGray25
        if (t.surlignage) app[u"Selection"][u"Range"].ecrit(u"HighlightColorIndex", 7);  // wdYellow
    };
}

// ---------------------------------------------------------------- 119 to 124

// 119: cuts "s01", with its paragraph mark or not, and pastes it at the
// start of "s03"; or types `texte` there instead.
Actions deplace(bool avecMarque, std::u16string texte = u"") {
    return [=](Auto app) {
        selectionne(app, debutSignet(app, u"s01"), finSignet(app, u"s01") + (avecMarque ? 1 : 0));
        app[u"Selection"].fait(u"Cut");
        const int32_t cible = debutSignet(app, u"s03");
        selectionne(app, cible, cible);
        if (texte.empty()) app[u"Selection"].fait(u"Paste");
        else tape(app, texte);
    };
}
constexpr char16_t Passage119[] =
    u"Le nouveau monde que nous découvrions sous la terre ne ressemblait à rien de ce que nous connaissions.\r";

// 121: the unit recorded with the learner's settings when the exercise began
// and, when given, Word's own unit changed meanwhile (not what the check
// reads); then the preview closed, landscape, and the top margin.
constexpr int32_t Pouces = 0, Centimetres = 1;
Actions metEnPage(int32_t uniteEnregistree, float margeHaut, int32_t uniteActuelle = -1) {
    return [=](Auto app) {
        glUniteMesure = uniteEnregistree;
        if (uniteActuelle >= 0) app[u"Options"].ecrit(u"MeasurementUnit", uniteActuelle);
        document(app).fait(u"ClosePrintPreview");
        document(app)[u"PageSetup"].ecrit(u"Orientation", 1);  // wdOrientLandscape
        document(app)[u"PageSetup"].ecrit(u"TopMargin", margeHaut);
    };
}

void ferme(const Auto& app) { document(app).fait(u"Close", {nomme(u"SaveChanges", 0)}); }
void nouveauDocument(const Auto& app) { app[u"Documents"].fait(u"Add"); }
void enregistreSous(const Auto& app, const std::u16string& chemin) { document(app).fait(u"SaveAs", {chemin}); }
// 109: saved as `nom` in the working folder.
Actions enregistreSous(std::u16string nom) { return [nom](Auto app) { enregistreSous(app, DossierCours + nom); }; }
std::u16string nomActif(const Auto& app) { return document(app).lit(u"Name").CStr(); }
const std::u16string Travail = DossierCours;
const std::u16string Essai = Travail + u"essai\\";

// 122: the document closed, then a file put at `chemin` (the working file
// renamed, or a copy of the course document) and opened.
Actions fermePuisOuvre(std::u16string chemin, bool renomme) {
    return [=](ExerciceSimule& e) {
        ferme(e.appli());
        if (renomme) e.poste().fichiers().Name(Travail + u"Voyage à CANGO.doc", chemin);
        else e.copieCours(u"05820422.doc", chemin);
        e.appli()[u"Documents"].fait(u"Open", {chemin});
    };
}

// 123: a new document, its window titled `legende`.
Actions nouveauIntitule(std::u16string legende) {
    return [legende](Auto app) {
        nouveauDocument(app);
        app[u"ActiveWindow"].ecrit(u"Caption", legende);
    };
}

// 124: the Save As dialog's "new folder" button is the file system's MkDir.
Actions enregistreDansEssai(std::u16string nom) {
    return [=](ExerciceSimule& e) {
        e.poste().fichiers().MkDir(Travail + u"essai");
        enregistreSous(e.appli(), Essai + nom);
    };
}

// Word as the learner started it, with its empty "Document1".
constexpr ExerciceSimule::Options AvecDocument1{.documentVierge = true};

// ---------------------------------------------------------------- verdicts

class Verdicts : public ::testing::TestWithParam<Scenario> {
protected:
    void TearDown() override { glUniteMesure = uniteAvant_; }

private:
    int32_t uniteAvant_ = glUniteMesure;
};

TEST_P(Verdicts, Apprenant) { joue(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Exercices, Verdicts,
    ::testing::Values(
        // 102: either a row or a dock of their own is enough; both together again is "A".
        Scenario{102, "MiseEnFormeSurLaLigneSuivante",
                 [](Auto app) { barre(app, u"Formatting").ecrit(u"RowIndex", rang(app, u"Standard") + 1); }, u""},
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
        Scenario{105, "AfficheesPuisNouveauDocument", [](Auto app) { afficheMarques(app); nouveauDocument(app); }, u""},
        Scenario{105, "AfficheesDansUnAutreDocument", [](Auto app) { nouveauDocument(app); afficheMarques(app); }, u"A"},
        // 106: typed at the end of the text instead of in the empty last paragraph.
        Scenario{106, "TapeeSurLaLigneDAvant", tapeALaFin(u" extrait n°10", 1), u"A"},
        // 107: typed right after the last period: a space, a break, spaces
        // and a second break; the empty paragraph holds spaces. (Typed at the
        // start of "s02" instead, the text would join that passage, as Word
        // extends a bookmark at its start.)
        Scenario{107, "ParagrapheVideAvecDesEspaces", paragraphes(true, {u" ", u"  "}), u"B"},
        // 107: the last period of "s01" and the two characters before it
        // are not examined; a period three before it is.
        Scenario{107, "PointSansEspaceTroisAvantLeDernier", pointSansEspace(3), u"E"},
        Scenario{107, "PointSansEspaceDeuxAvantLeDernier", pointSansEspace(2), u""},
        // Without its final period ("CA.GO"), the last period of "s01" is that one.
        Scenario{107, "PointSansEspacePuisDernierPointSupprime", pointSansEspace(3, true), u""},
        // The characters looked at run from the last one of "s01" to the
        // second one of "s02", no further either way: an empty paragraph
        // holding a space typed at the start of "s02" (which joins that
        // passage) ends at its third character and passes...
        Scenario{107, "EspaceEntreDeuxMarquesAuDebutDeS02", paragraphes(false, {u"", u" "}), u""},
        // ... and so does "CANGO." turned into "CANG." and a paragraph mark,
        // the period being the last character but one of "s01".
        Scenario{107, "DernierPointRemplaceParUneMarque",
                 [](Auto app) {
                     const int32_t dernier = finSignet(app, u"s01") - 1;
                     selectionne(app, dernier - 1, dernier);
                     tape(app, u".");
                     selectionne(app, dernier, dernier + 1);
                     app[u"Selection"].fait(u"TypeParagraph");
                 },
                 u""},
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
        Scenario{113, "GrasAutrePolice12Et5", formate({true, u"Verdana", 12.5f}), u""},
        // 114: the tests run in the order A, F, E, D, B, C: each row breaks
        // one of them while a later one would also fail.
        Scenario{114, "S02RetraitNegatif", retraits(u"", premiereLigne(u"s02", -18)), u"F"},
        Scenario{114, "S05RetraitGaucheAuLieuDePremiereLigne", retraits(u"s05", gauche(u"s05")), u"E"},
        // A tab typed at the start counts even with the first-line indent set.
        Scenario{114, "S04TabulationEtPremiereLigne",
                 retraits(u"",
                          [](const Auto& app) {
                              selectionne(app, debutSignet(app, u"s04"), debutSignet(app, u"s04"));
                              tape(app, u"\t");
                          }),
                 u"D"},
        Scenario{114, "S01PremiereLignePositive", retraits(u"", premiereLigne(u"s01", 18)), u"C"},
        // "s01" split in two paragraphs, only the second indented: its left
        // indent is undefined (9999999), which is not 0.
        Scenario{114, "S01CoupeRetraitsDifferents",
                 retraits(u"s01",
                          [](const Auto& app) {
                              coupe(app, u"s01", 10);
                              selectionne(app, debutSignet(app, u"s01") + 12, debutSignet(app, u"s01") + 12);
                              app[u"Selection"][u"ParagraphFormat"].ecrit(u"LeftIndent", 36.0f);
                          }),
                 u""},
        // 116: a split paragraph spaced differently: both spacings are
        // undefined, neither "0" nor "12".
        Scenario{116, "SixPointsApres", espacement(12, 6), u"D"},
        Scenario{116, "ParagrapheCoupeEspacesDifferents", espacement(12, 12, true), u"D"},
        // 117: the tests run in order: an exact spacing on "s01" would be
        // "D", but "s02" single is caught first.
        Scenario{117, "S01ExactementS02Simple", interligne(Exactement, Simple), u"B"},
        Scenario{117, "S01SimpleS02Multiple", interligne(Simple, Multiple), u"C"},
        // 118: a missing border is caught before a highlight, a highlight
        // before a missing shading.
        Scenario{118, "OmbrageEtSurlignageSansBordure", borde({.bordure = false, .surlignage = true}), u"A"},
        Scenario{118, "BordureSurligneeSansOmbrage", borde({.ombrage = false, .surlignage = true}), u"E"},
        // 119: retyped, the bookmark is gone but the text is there; another
        // letter case is another text.
        Scenario{119, "CoupeEtRetape", deplace(true, Passage119), u"E"},
        Scenario{119, "CoupeEtRetapeEnMinuscules", deplace(true, u"le nouveau monde\r"), u"A"},
        Scenario{119, "CoupeSansLaMarqueDeParagraphe", deplace(false), u"D"},
        Scenario{120, "ApercuParLApplication", [](Auto app) { app.ecrit(u"PrintPreview", true); }, u""},
        // 120: with no document open, print preview is not even asked about.
        Scenario{120, "DocumentFerme", ferme, u"A"},
        // 121: 5 cm when the recorded unit is centimetres, 2 inches for any other.
        Scenario{121, "CinqCentimetresMotWordPasseEnPouces", metEnPage(Centimetres, 141.75f, Pouces), u""},
        Scenario{121, "DeuxPouces", metEnPage(Pouces, 144), u""},
        Scenario{121, "CinqCentimetresEnPouces", metEnPage(Pouces, 141.75f), u"C"},
        Scenario{122, "FermePuisNouveauDocument", [](Auto app) { ferme(app); nouveauDocument(app); }, u""},
        // 122: saved under another name, it is the learner's document: the working one is closed.
        Scenario{122, "EnregistreSousUnAutreNom", [](Auto app) { enregistreSous(app, Travail + u"Copie.doc"); }, u""},
        // 122: saved into another folder under its name, it is still the working document.
        Scenario{122, "EnregistreAilleursSousSonNom",
                 [](ExerciceSimule& e) {
                     e.poste().fichiers().MkDir(u"C:\\Autre");
                     enregistreSous(e.appli(), u"C:\\Autre\\Voyage à CANGO.doc");
                 },
                 u"A"},
        // 122: closed, then a document of the same name opened from another folder.
        Scenario{122, "FermePuisHomonymeOuvert", fermePuisOuvre(u"C:\\Voyage à CANGO.doc", false), u""},
        // 122: the file renamed and reopened is another file: not the working document.
        Scenario{122, "RouvertSansExtension", fermePuisOuvre(Travail + u"Voyage à CANGO", true), u""},
        // 123: the active window shows a document open at Prepare, whatever
        // its window's caption; a template whose window was renamed is still
        // a template.
        Scenario{123, "NouveauPuisRetourADocument1",
                 [](Auto app) {
                     nouveauDocument(app);
                     app[u"Documents"](u"Item", {1}).fait(u"Activate");
                 },
                 u"B", AvecDocument1},
        Scenario{123, "LegendeEnAutreCasse", [](Auto app) { app[u"ActiveWindow"].ecrit(u"Caption", u"DOCUMENT1"); },
                 u"B", AvecDocument1},
        // A new document whose window is titled as a template's is taken for one.
        Scenario{123, "LegendeDeModele", nouveauIntitule(u"Modèle1"), u"C", AvecDocument1},
        Scenario{123, "LegendeDeModeleEnAnglais", nouveauIntitule(u"Template1"), u"C", AvecDocument1},
        Scenario{123, "NouveauModeleRenomme",
                 [](Auto app) {
                     app[u"Documents"].fait(u"Add", {nomme(u"NewTemplate", true)});
                     app[u"ActiveWindow"].ecrit(u"Caption", u"Lettre");
                 },
                 u"C", AvecDocument1},
        Scenario{123, "BoutonNouveauRenomme",
                 [](Auto app) {
                     nouveauDocument(app);
                     Auto bouton = app[u"CommandBars"](u"Item", {u"Standard"})[u"Controls"](u"Item", {1});
                     bouton.ecrit(u"Caption", u"Nouveau");
                 },
                 u"C", AvecDocument1},
        Scenario{124, "EnregistreSansExtension", enregistreDansEssai(u"Application"), u""},
        Scenario{124, "EnregistreSousUnAutreNom", enregistreDansEssai(u"Applications.doc"), u"A"}),
    nomScenario);

// ---------------------------------------------------------------- Prepare of 102 and 105

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

// ---------------------------------------------------------------- Prepare of 124

// An earlier attempt's folder: a read-only file, "Application.doc" still open
// in Word with changes, and a folder of the learner's; the current folder
// inside it, as the check left it. The files go, the document is closed
// without saving and a new blank one is active; a folder inside "essai" is
// never removed, so "essai" stays, and Prepare still returns normally.
TEST(Prepare, Question0124VideEssai) {
    ExerciceSimule e(124, {.prepare = false});
    platform::SystemeFichiers& f = e.poste().fichiers();
    f.MkDir(Travail + u"essai");
    f.MkDir(Essai + u"archives");
    f.Ecrit(Essai + u"Notes.txt", "brouillon");
    f.SetAttr(Essai + u"Notes.txt", platform::attr::LectureSeule);
    nouveauDocument(e.appli());
    enregistreSous(e.appli(), Essai + u"Application.doc");
    tape(e.appli(), u"modifié");
    f.ChDir(Travail + u"essai");

    EXPECT_NO_THROW(e.prepare());

    EXPECT_FALSE(f.Existe(Essai + u"Notes.txt"));
    EXPECT_FALSE(f.Existe(Essai + u"Application.doc"));
    EXPECT_TRUE(f.Existe(Essai + u"archives"));
    // The working folder as the current folder shows it: no final backslash.
    EXPECT_EQ(f.CurDir() + u"\\", Travail);
    EXPECT_EQ(e.appli()[u"Documents"].lit(u"Count").CLng(), 1);
    EXPECT_EQ(LCase(Left(nomActif(e.appli()), 8)), u"document");
    EXPECT_EQ(document(e.appli()).lit(u"Path").CStr(), u"");
}

// A document of the same name open from another folder is not the one in
// "essai": it stays open with its changes, while the file of "essai" goes.
TEST(Prepare, Question0124LaisseOuvertUnHomonymeDAilleurs) {
    ExerciceSimule e(124, {.prepare = false});
    e.poste().fichiers().MkDir(Travail + u"essai");
    e.poste().fichiers().Ecrit(Essai + u"Application.doc", "x");
    e.poste().fichiers().MkDir(u"C:\\Autre");
    nouveauDocument(e.appli());
    enregistreSous(e.appli(), u"C:\\Autre\\Application.doc");
    tape(e.appli(), u"travail en cours");

    e.prepare();

    EXPECT_FALSE(e.poste().fichiers().Existe(Travail + u"essai"));
    const Auto autre = e.appli()[u"Documents"](u"Item", {u"Application.doc"});
    EXPECT_EQ(autre.lit(u"Path").CStr(), u"C:\\Autre");
    EXPECT_FALSE(autre.lit(u"Saved").CBool());
}

// A new, unsaved document ("document" in any case) is activated; without
// one a new document is added.
TEST(Prepare, Question0124ActiveUnDocumentVierge) {
    // "DOCUMENT2.doc": none, opened before the course document, or after it (the last one).
    for (int document2 : {0, 1, 2}) {
        ExerciceSimule e(124, {.prepare = false});
        auto ouvreDocument2 = [&] {
            nouveauDocument(e.appli());
            enregistreSous(e.appli(), Travail + u"DOCUMENT2.doc");
        };
        if (document2 == 1) ouvreDocument2();
        e.copieCours(u"05820422.doc", Travail + u"Voyage à CANGO.doc");
        e.appli()[u"Documents"].fait(u"Open", {Travail + u"Voyage à CANGO.doc"});
        if (document2 == 2) ouvreDocument2();
        e.prepare();
        EXPECT_EQ(e.appli()[u"Documents"].lit(u"Count").CLng(), 2) << document2;
        EXPECT_EQ(versUtf8(nomActif(e.appli())), document2 ? "DOCUMENT2.doc" : "Document1") << document2;
    }
}

// ================================================================ failures
// The exercises when Word fails under them or a mark a check needs is gone:
// the error is raised again with the class name and the procedure
// ("Prepare" or "TestePoint"), and only what was done before the failure
// stays.
std::string nomQuestion(int32_t n) { return "Question0" + std::to_string(n); }

// Runs f, which must raise an error wrapped with the exercise's class and
// the procedure; `numero` 0 accepts any error number.
void attendErreur(const std::function<void()>& f, int32_t n, const std::u16string& service, int32_t numero = 0) {
    const std::optional<Erreur> e = erreurDe(f);
    ASSERT_TRUE(e) << "no error from " << nomQuestion(n) << " " << versUtf8(service);
    const std::string source = versUtf8(e->source());
    EXPECT_NE(source.find("CLASSE " + nomQuestion(n)), std::string::npos) << source;
    EXPECT_NE(source.find("SERVICE " + versUtf8(service)), std::string::npos) << source;
    EXPECT_TRUE(numero == 0 || e->numero() == numero) << e->numero();
}

// ---------------------------------------------------------------- TestePoint

struct Echec {
    std::string nom;
    int32_t question;
    Actions actions;
    int32_t erreur;  // 0: any
    std::u16string code;
    ExerciceSimule::Options options = {};
};
std::ostream& operator<<(std::ostream& os, const Echec& c) { return os << c.nom; }

void disparait(ExerciceSimule& e) { e.instance().disparait(); }
std::function<void(Auto)> sans(std::u16string nom) {
    return [nom](Auto app) { signet(app, nom).fait(u"Delete"); };
}
// The form unprotected and its fourth box deleted: reading that box fails.
void formulaireATroisCases(const Auto& app) {
    document(app).fait(u"Unprotect");
    document(app)(u"FormFields", {4})[u"Range"].fait(u"Delete");
}
// A selection starting beyond 32767 does not fit the 16-bit position.
void auDelaDe32767(const Auto& app) {
    app[u"Selection"].fait(u"EndKey", {6});  // wdStory
    tape(app, std::u16string(33000, u'a'));
}
// "s02" justified, "s01" split in two paragraphs aligned differently: its
// alignment, 9999999, names no alignment. The code is written, no remark.
void alignementsMelanges(const Auto& app) {
    selectionneSignet(app, u"s02");
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"Alignment", 3);
    selectionneDebut(app, u"s01", 10);
    app[u"Selection"].fait(u"Collapse", {nomme(u"Direction", 0)});  // wdCollapseEnd
    app[u"Selection"].fait(u"TypeParagraph");
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"Alignment", 1);
}
void fermeLeDocument(const Auto& app) {
    document(app).fait(u"ClosePrintPreview");
    document(app).fait(u"Close", {nomme(u"SaveChanges", 0)});
}

std::vector<Echec> echecs() {
    std::vector<Echec> v = {
        {"Q0101FormulaireATroisCases", 101, formulaireATroisCases, 5941, u""},
        {"Q0104PositionAuDelaDe32767", 104, auDelaDe32767, 6, u""},
        {"Q0115AlignementsMelanges", 115, alignementsMelanges, 9, u"A"},
        // Both ranges are fetched before any comparison.
        {"Q0117SansS02", 117, sans(u"s02"), 0, u""},
        {"Q0118SansS01", 118, sans(u"s01"), 0, u""},
        {"Q0119SansE01", 119, sans(u"e01"), 0, u""},
        {"Q0119SansS03", 119, sans(u"s03"), 0, u""},
        {"Q0121SansDocument", 121, fermeLeDocument, 0, u""},
        // Without Prepare, Question0123 holds no Word.
        {"Q0123SansPreparation", 123, [](Auto) {}, 91, u"", {.prepare = false}},
    };
    // Word gone after Prepare; Question0124's check asks only the file system.
    for (int32_t n = 101; n <= 123; ++n) v.push_back({nomQuestion(n) + "WordDisparu", n, disparait, 462, u""});
    return v;
}

class EchecVerification : public ::testing::TestWithParam<Echec> {};

TEST_P(EchecVerification, ErreurSignaleeSansCodeNiRemarque) {
    const Echec& c = GetParam();
    ExerciceSimule e(c.question, c.options);
    c.actions(e);
    attendErreur([&] { e.teste(); }, c.question, u"TestePoint", c.erreur);
    EXPECT_EQ(versUtf8(e.code()), versUtf8(c.code));
    EXPECT_FALSE(e.bravo());
    EXPECT_EQ(e.complement(), std::vector<std::u16string>{});
}

INSTANTIATE_TEST_SUITE_P(Questions, EchecVerification, ::testing::ValuesIn(echecs()),
                         [](const auto& info) { return info.param.nom; });

// Any failure of Question0124's check means "no folder".
TEST(EchecVerification, Question0124SansWordDonneB) {
    ExerciceSimule e(124);
    e.instance().disparait();
    e.teste();
    EXPECT_EQ(e.code(), u"B");
}

// ---------------------------------------------------------------- Prepare

// Word gone, or the course document missing, before Prepare. Question0104's
// and Question0105's remarks are created before Word is reached, and stay.
class EchecPreparation : public ::testing::TestWithParam<std::pair<int32_t, bool>> {};

TEST_P(EchecPreparation, ErreurSignalee) {
    const auto [n, sansDocument] = GetParam();
    ExerciceSimule e(n, {.prepare = false});
    if (sansDocument) e.poste().fichiers().Kill(std::u16string(DossierCours) + u"Voyage à CANGO.doc");
    else e.instance().disparait();
    attendErreur([&] { e.prepare(); }, n, u"Prepare");
    EXPECT_EQ(e.complement().has_value(), n == 104 || n == 105);
}

std::vector<std::pair<int32_t, bool>> preparations() {
    std::vector<std::pair<int32_t, bool>> v = {{104, true}, {105, true}, {109, true}, {119, true}};
    for (int32_t n = 101; n <= 124; ++n)
        if (n != 103) v.emplace_back(n, false);
    return v;
}

INSTANTIATE_TEST_SUITE_P(Questions, EchecPreparation, ::testing::ValuesIn(preparations()), [](const auto& info) {
    return nomQuestion(info.param.first) + (info.param.second ? "SansDocument" : "SansWord");
});

// Question0103's Prepare makes no Word call.
TEST(EchecPreparation, Question0103SansWordReussit) {
    ExerciceSimule e(103, {.prepare = false});
    e.instance().disparait();
    EXPECT_NO_THROW(e.prepare());
}

}  // namespace
}  // namespace k58204::test
