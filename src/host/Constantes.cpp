#include "host/Constantes.hpp"

#include <cstdint>
#include <string>

#include "word/Objet.hpp"

namespace k58204::lecon {

namespace {

struct Entree {
    std::u16string_view nom;
    int32_t valeur;
};

// Values as Word's and Office's VBA reference document them (enumeration
// pages WdUnits, WdMovementType, WdCollapseDirection, WdGoToItem,
// WdParagraphAlignment, WdLineSpacing, WdOrientation, WdProtectionType,
// WdColor, WdColorIndex, WdLineWidth, WdBorderType, WdViewType,
// WdMeasurementUnits, WdSaveOptions, WdWindowState, WdUnderline, WdLineStyle,
// MsoBarPosition) and VBA's VbFileAttribute.
constexpr Entree kEntiers[] = {
    // WdUnits
    {u"wdCharacter", 1}, {u"wdWord", 2}, {u"wdSentence", 3}, {u"wdParagraph", 4},
    {u"wdLine", 5}, {u"wdStory", 6}, {u"wdSection", 8},
    // WdMovementType
    {u"wdMove", 0}, {u"wdExtend", 1},
    // WdCollapseDirection
    {u"wdCollapseEnd", 0}, {u"wdCollapseStart", 1},
    // WdGoToItem
    {u"wdGoToBookmark", -1}, {u"wdGoToSection", 0}, {u"wdGoToPage", 1}, {u"wdGoToLine", 3},
    // WdParagraphAlignment
    {u"wdAlignParagraphLeft", 0}, {u"wdAlignParagraphCenter", 1},
    {u"wdAlignParagraphRight", 2}, {u"wdAlignParagraphJustify", 3},
    // WdLineSpacing
    {u"wdLineSpaceSingle", 0}, {u"wdLineSpace1pt5", 1}, {u"wdLineSpaceDouble", 2},
    {u"wdLineSpaceAtLeast", 3}, {u"wdLineSpaceExactly", 4}, {u"wdLineSpaceMultiple", 5},
    // WdOrientation
    {u"wdOrientPortrait", 0}, {u"wdOrientLandscape", 1},
    // WdProtectionType
    {u"wdNoProtection", -1}, {u"wdAllowOnlyRevisions", 0}, {u"wdAllowOnlyComments", 1},
    {u"wdAllowOnlyFormFields", 2},
    // WdColor (24-bit BGR values)
    {u"wdColorAutomatic", -16777216}, {u"wdColorBlack", 0}, {u"wdColorBlue", 16711680},
    {u"wdColorRed", 255}, {u"wdColorGreen", 32768}, {u"wdColorYellow", 65535},
    {u"wdColorWhite", 16777215},
    // WdColorIndex
    {u"wdAuto", 0}, {u"wdNoHighlight", 0}, {u"wdBlack", 1}, {u"wdBlue", 2},
    {u"wdTurquoise", 3}, {u"wdBrightGreen", 4}, {u"wdPink", 5}, {u"wdRed", 6},
    {u"wdYellow", 7}, {u"wdWhite", 8}, {u"wdGray25", 16}, {u"wdGray50", 15},
    // WdLineWidth
    {u"wdLineWidth025pt", 2}, {u"wdLineWidth050pt", 4}, {u"wdLineWidth075pt", 6},
    {u"wdLineWidth100pt", 8}, {u"wdLineWidth150pt", 12}, {u"wdLineWidth225pt", 18},
    {u"wdLineWidth300pt", 24}, {u"wdLineWidth450pt", 36}, {u"wdLineWidth600pt", 48},
    // WdLineStyle
    {u"wdLineStyleNone", 0}, {u"wdLineStyleSingle", 1},
    // WdBorderType
    {u"wdBorderTop", -1}, {u"wdBorderLeft", -2}, {u"wdBorderBottom", -3}, {u"wdBorderRight", -4},
    // WdViewType
    {u"wdNormalView", 1}, {u"wdOutlineView", 2}, {u"wdPrintView", 3},
    {u"wdPrintPreview", 4}, {u"wdMasterView", 5}, {u"wdWebView", 6}, {u"wdReadingView", 7},
    // WdMeasurementUnits
    {u"wdInches", 0}, {u"wdCentimeters", 1}, {u"wdMillimeters", 2}, {u"wdPoints", 3}, {u"wdPicas", 4},
    // WdSaveOptions
    {u"wdDoNotSaveChanges", 0}, {u"wdSaveChanges", -1}, {u"wdPromptToSaveChanges", -2},
    // WdWindowState
    {u"wdWindowStateNormal", 0}, {u"wdWindowStateMaximize", 1}, {u"wdWindowStateMinimize", 2},
    // WdUnderline
    {u"wdUnderlineNone", 0}, {u"wdUnderlineSingle", 1},
    // WdConstants: mixed and toggled values, MoveUntil's Count to the story's end or start
    {u"wdUndefined", 9999999}, {u"wdToggle", 9999998}, {u"wdForward", 1073741823}, {u"wdBackward", -1073741823},
    // MsoBarPosition
    {u"msoBarLeft", 0}, {u"msoBarTop", 1}, {u"msoBarRight", 2}, {u"msoBarBottom", 3},
    {u"msoBarFloating", 4}, {u"msoBarPopup", 5}, {u"msoBarMenuBar", 6},
    // VbFileAttribute (second argument of Dir)
    {u"vbNormal", 0}, {u"vbReadOnly", 1}, {u"vbHidden", 2}, {u"vbSystem", 4},
    {u"vbDirectory", 16}, {u"vbArchive", 32},
};

struct EntreeTexte {
    std::u16string_view nom;
    std::u16string_view valeur;
};

constexpr EntreeTexte kTextes[] = {
    {u"vbCr", u"\r"}, {u"vbLf", u"\n"}, {u"vbCrLf", u"\r\n"}, {u"vbNewLine", u"\r\n"},
    {u"vbTab", u"\t"}, {u"vbNullString", u""},
};

bool commencePar(std::u16string_view s, std::u16string_view prefixe) {
    return s.size() > prefixe.size() && s.substr(0, prefixe.size()) == prefixe;
}

}  // namespace

std::optional<Variant> constante(std::u16string_view nom) {
    for (const Entree& e : kEntiers)
        if (memeNom(e.nom, nom)) return Variant(e.valeur);
    for (const EntreeTexte& e : kTextes)
        if (memeNom(e.nom, nom)) return Variant(std::u16string(e.valeur));
    return std::nullopt;
}

bool ressembleAUneConstante(std::u16string_view nom) {
    for (std::u16string_view p : {std::u16string_view(u"wd"), std::u16string_view(u"mso"), std::u16string_view(u"vb")}) {
        if (!commencePar(nom, p)) continue;
        char16_t c = nom[p.size()];
        if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) return true;
    }
    return false;
}

std::vector<std::u16string_view> nomsDesConstantes() {
    std::vector<std::u16string_view> noms;
    for (const Entree& e : kEntiers) noms.push_back(e.nom);
    for (const EntreeTexte& e : kTextes) noms.push_back(e.nom);
    return noms;
}

}  // namespace k58204::lecon
