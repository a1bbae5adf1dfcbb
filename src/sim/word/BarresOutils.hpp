#pragma once
// Word 2003's Office command bars as one instance keeps them: name, French
// name, visibility, enabled state, dock (Position) and docking row
// (RowIndex), and the captions of their controls.
//
// Rows: the visible bars docked in one area (top, bottom, left, right) are
// grouped by row; RowIndex is the 1-based number of a bar's row in its area.
// Setting RowIndex k puts the bar in row k beside the bars already there (the
// bar last assigned first in its row); k beyond the last row, or
// msoBarRowLast (-1), makes a new last row; msoBarRowFirst (0) a new first
// row. Rows left empty close up, and the numbers follow. A floating or
// hidden bar keeps the number it had.
//
// Default arrangement (chosen; Word 2003's own depends on the installation):
// "Menu Bar" at Position 6 (menu bar, outside the rows), "Standard" row 1 and
// "Formatting" row 2 docked at the top, "Task Pane" visible docked right,
// "Drawing" hidden docked at the bottom, "Print Preview" hidden docked at the
// top (shown while a window is in print preview), the other bars hidden and floating.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace k58204::sim {

// MsoBarPosition.
namespace mso {
inline constexpr int32_t BarLeft = 0;
inline constexpr int32_t BarTop = 1;
inline constexpr int32_t BarRight = 2;
inline constexpr int32_t BarBottom = 3;
inline constexpr int32_t BarFloating = 4;
inline constexpr int32_t BarPopup = 5;
inline constexpr int32_t BarMenuBar = 6;
inline constexpr int32_t BarRowFirst = 0;
inline constexpr int32_t BarRowLast = -1;
}  // namespace mso

struct BarreOutils {
    std::u16string nom;        // Name (English, as Word 2003 answers)
    std::u16string nomLocal;   // NameLocal (French)
    bool visible = false;
    bool active = true;        // Enabled
    int32_t position = mso::BarFloating;
    int32_t rang = 1;          // RowIndex
    uint64_t affectation = 0;  // order of the last RowIndex/Position change
    std::vector<std::u16string> controles;  // captions, in order
};

class BarresOutils {
public:
    // Word 2003's built-in bars in the default arrangement above.
    BarresOutils();

    size_t nombre() const { return barres_.size(); }
    const BarreOutils& barre(size_t i) const { return barres_.at(i); }
    // Index of the bar whose Name or NameLocal is `nom` (without regard to case); -1 when none.
    int32_t cherche(std::u16string_view nom) const;

    // Each raises Word's error 5 for a value Word refuses (see the .cpp).
    void changeVisible(size_t i, bool visible);
    void changeActive(size_t i, bool active);
    void changePosition(size_t i, int32_t position);
    void changeRang(size_t i, int32_t rang);
    void changeLegende(size_t i, size_t controle, std::u16string legende) {
        barres_.at(i).controles.at(controle) = std::move(legende);
    }

    bool infobulles = true;  // CommandBars.DisplayTooltips

private:
    void tasse(int32_t position);
    std::vector<BarreOutils> barres_;
    uint64_t affectations_ = 0;
};

}  // namespace k58204::sim
