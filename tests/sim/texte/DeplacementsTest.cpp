// Moves of Range and Selection by unit and by characters: one table per
// family, each row a span before, a call, the span after and Word's value.
// (The moves the lesson makes — by characters, extending, to the end of the
// story — are left to it.)
#include <string>

#include "Outils.hpp"

namespace k58204::sim::test {
namespace {

// Paragraphs [0,11) "Oui. Non ?¶", [11,12) empty, [12,26) "Le chat dort.¶", [26,30) "Fin¶".
// Words: Oui [0,3) ". " [3,5) "Non " [5,9) ? [9,10) ¶ ¶ "Le " [12,15) "chat " [15,20) dort [20,24) . [24,25) ¶ Fin ¶.
// Sentences: "Oui. " [0,5) "Non ?¶" [5,11) "¶" [11,12) "Le chat dort.¶" [12,26) "Fin¶" [26,30).
constexpr char16_t T[] = u"Oui. Non ?\r\rLe chat dort.\rFin";
constexpr int32_t Car = 1, Mot = 2, Phrase = 3, Par = 4, Ligne = 5, Doc = 6, Etendre = 1;

// "abcdefghi " x 20 wraps into lines [0,70) [70,140) [140,201), then "Fin¶" [201,205).
std::u16string largeur() {
    std::u16string t;
    for (int i = 0; i < 20; ++i) t += u"abcdefghi ";
    return t + u"\rFin";
}

struct Cas {
    Etendue avant;
    const char16_t* membre;
    Arguments args;
    Etendue apres;
    int32_t rendu;
    bool selection = false;  // the window's Selection, else a Range
    bool versDebut = false;  // the Selection's active end is its start
};

class DeplacementsTest : public TexteTest {
protected:
    void verifie(std::u16string_view texte, const std::vector<Cas>& cas) {
        for (const auto& c : cas) {
            SCOPED_TRACE(u8(c.membre) + " " + std::to_string(c.avant.debut) + "," + std::to_string(c.avant.fin));
            auto d = ouvre(texte);
            d->selection = c.avant;
            ObjetPtr o = c.selection ? creeSelection(d) : creeRange(d, c.avant);
            EXPECT_EQ(o->call(c.membre, c.args).CLng(), c.rendu);
            EXPECT_EQ(Etendue({o->get(u"Start").CLng(), o->get(u"End").CLng()}), c.apres);
            EXPECT_EQ(c.selection && d->selectionVersDebut, c.versDebut);
        }
    }
};

TEST_F(DeplacementsTest, Move) {
    verifie(T, {
        {{0, 0}, u"Move", {Car, -1}, {0, 0}, 0},           // the document's start
        {{29, 29}, u"Move", {}, {29, 29}, 0},              // before the final mark: the end
        {{30, 30}, u"Move", {}, {29, 29}, 0},              // a Range after the final mark
        {{26, 26}, u"Move", {Car, 100}, {29, 29}, 3},      // past the end
        {{5, 5}, u"Move", {Car, INT32_MIN}, {0, 0}, -5},
        {{0, 0}, u"Move", {Mot, 6}, {12, 12}, 6},          // an empty paragraph is a word
        {{0, 3}, u"Move", {Car, 1}, {3, 3}, 1},            // collapsing counts as a unit
        {{1, 2}, u"Move", {Mot, 2}, {5, 5}, 2},            // collapsed, on to the word's end
        {{0, 30}, u"Move", {}, {29, 29}, 1},               // the whole story
        {{0, 3}, u"Move", {Car, 0}, {0, 3}, 0},
        {{0, 0}, u"Move", {Ligne, 1}, {11, 11}, 1, true},  // lines: the Selection only
    });
}

TEST_F(DeplacementsTest, MoveStartEtMoveEnd) {
    verifie(T, {
        {{26, 29}, u"MoveEnd", {}, {26, 30}, 1},          // takes the final mark in
        {{26, 30}, u"MoveEnd", {Car, 1}, {26, 30}, 0},
        {{15, 20}, u"MoveEnd", {Mot, -3}, {11, 11}, -3},  // overtakes the start: both move
        {{12, 15}, u"MoveStart", {Mot, 2}, {20, 20}, 2},  // passes the end: both move
        {{0, 3}, u"MoveStart", {Car, -1}, {0, 3}, 0},
        {{0, 30}, u"MoveStart", {Doc, 1}, {29, 30}, 1},   // never past the final mark
        {{29, 30}, u"MoveStart", {Car, 1}, {29, 30}, 0},
        {{12, 26}, u"MoveStart", {Mot, 1}, {15, 26}, 1, true, true},  // the start is then the active end
    });
}

TEST_F(DeplacementsTest, TouchesFlechees) {
    verifie(T, {
        {{0, 3}, u"MoveRight", {Car, 1}, {3, 3}, 1, true},
        {{29, 29}, u"MoveRight", {Car, 1}, {29, 29}, 0, true},
        {{5, 5}, u"MoveRight", {Car, -2}, {3, 3}, 2, true},
        {{0, 0}, u"MoveUp", {Par, 1}, {0, 0}, 0, true},
        {{0, 0}, u"MoveDown", {Par, 5}, {29, 29}, 4, true},
        {{5, 5}, u"MoveDown", {Ligne, 1}, {11, 11}, 1, true},  // to an empty paragraph: before its mark
    });
    verifie(largeur(), {
        {{5, 5}, u"MoveDown", {}, {75, 75}, 1, true},         // the column is kept
        {{5, 5}, u"MoveDown", {Ligne, 3}, {204, 204}, 3, true},  // a short line: before its mark
        {{202, 202}, u"MoveDown", {}, {202, 202}, 0, true},   // the last line
        {{3, 3}, u"MoveUp", {}, {3, 3}, 0, true},             // the first line
        {{72, 150}, u"MoveUp", {}, {2, 2}, 1, true},          // from the selection's start
    });
}

TEST_F(DeplacementsTest, StartOfEndOfExpand) {
    verifie(T, {
        {{6, 6}, u"StartOf", {}, {5, 5}, -1},
        {{5, 9}, u"StartOf", {Mot}, {5, 9}, 0},  // already at the start: not even collapsed
        {{14, 20}, u"StartOf", {Par, Etendre}, {12, 20}, -2},
        {{5, 9}, u"EndOf", {Mot}, {5, 9}, 0},    // already at the end
        {{13, 13}, u"EndOf", {Par, Etendre}, {13, 26}, 13},
        {{27, 27}, u"EndOf", {Par}, {29, 29}, 2},  // before the final mark
        {{29, 29}, u"EndOf", {Doc, Etendre}, {29, 30}, 1},
        {{1, 1}, u"Expand", {Phrase}, {0, 5}, 5},
        {{11, 11}, u"Expand", {Par}, {11, 12}, 1},  // the empty paragraph
        {{6, 6}, u"StartOf", {Ligne, Etendre}, {0, 6}, -6, true, true},
    });
}

TEST_F(DeplacementsTest, ParCaracteres) {
    constexpr int32_t Arriere = -1073741823;
    verifie(T, {
        {{0, 0}, u"MoveUntil", {u"?"}, {9, 9}, 10},                 // characters moved plus one
        {{0, 3}, u"MoveUntil", {u"?"}, {9, 9}, 7},                  // from the end
        {{0, 0}, u"MoveUntil", {u"x"}, {0, 0}, 0},
        {{0, 0}, u"MoveUntil", {u"O"}, {0, 0}, 1},                  // found at once
        {{0, 0}, u"MoveUntil", {u"?", 9}, {0, 0}, 0},               // beyond Count
        {{0, 0}, u"MoveUntil", {u"?", 10}, {9, 9}, 10},
        {{12, 14}, u"MoveUntil", {u".", Arriere}, {4, 4}, -9},      // backward from the start: just after it
        {{10, 10}, u"MoveWhile", {u"\r"}, {12, 12}, 2},             // through an empty paragraph
        {{29, 29}, u"MoveWhile", {u"\r"}, {29, 29}, 0},             // not past the final mark
        {{24, 24}, u"MoveWhile", {u"tor", -2}, {22, 22}, -2},       // no further than Count
        {{12, 26}, u"MoveEndUntil", {u".", Arriere}, {12, 25}, -2},
        {{12, 26}, u"MoveStartUntil", {u"c"}, {15, 26}, 4},
        {{12, 14}, u"MoveStartUntil", {u"."}, {24, 24}, 13},        // passes the end
    });
}

}  // namespace
}  // namespace k58204::sim::test
