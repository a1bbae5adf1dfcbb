#pragma once
// The values of Word's and Office's enumerations that the component and the
// simulated Word pass or compare with, named as Word names them without their
// prefix (wdSaveChanges is wd::SaveChanges). wdUndefined is in Variant.hpp.
#include <cstdint>

namespace k58204::word {

namespace wd {
// WdSaveOptions
inline constexpr int32_t DoNotSaveChanges = 0;
inline constexpr int32_t SaveChanges = -1;
inline constexpr int32_t PromptToSaveChanges = -2;
// WdDefaultFilePath
inline constexpr int32_t DocumentsPath = 0;
inline constexpr int32_t UserTemplatesPath = 2;
inline constexpr int32_t CurrentFolderPath = 14;
inline constexpr int32_t BorderArtPath = 19;
// WdSaveFormat
inline constexpr int32_t FormatTemplate = 1;
// WdWindowState, WdViewType
inline constexpr int32_t WindowStateMaximize = 1;
inline constexpr int32_t PrintPreview = 4;
// WdUnits, WdMovementType, WdCollapseDirection, WdGoToItem, WdSelectionType
inline constexpr int32_t Character = 1;
inline constexpr int32_t Word = 2;
inline constexpr int32_t Sentence = 3;
inline constexpr int32_t Paragraph = 4;
inline constexpr int32_t Line = 5;
inline constexpr int32_t Story = 6;
inline constexpr int32_t Section = 8;
inline constexpr int32_t Move = 0;
inline constexpr int32_t Extend = 1;
inline constexpr int32_t CollapseEnd = 0;
inline constexpr int32_t CollapseStart = 1;
inline constexpr int32_t GoToBookmark = -1;
inline constexpr int32_t SelectionIP = 1;
inline constexpr int32_t SelectionNormal = 2;
// WdProtectionType, WdMailMergeMainDocType, WdFieldType
inline constexpr int32_t NoProtection = -1;
inline constexpr int32_t AllowOnlyFormFields = 2;
inline constexpr int32_t FormLetters = 0;
inline constexpr int32_t NotAMergeDocument = -1;
inline constexpr int32_t FieldFormCheckBox = 71;
// WdMeasurementUnits, WdOrientation
inline constexpr int32_t Centimeters = 1;
inline constexpr int32_t OrientLandscape = 1;
// WdBorderType
inline constexpr int32_t BorderTop = -1;
inline constexpr int32_t BorderLeft = -2;
inline constexpr int32_t BorderBottom = -3;
inline constexpr int32_t BorderRight = -4;
// WdConstants: a Boolean property set to its opposite; the Count of
// MoveUntil and the like that runs to the story's end or start.
inline constexpr int32_t Toggle = 9999998;
inline constexpr int32_t Forward = 1073741823;
inline constexpr int32_t Backward = -1073741823;
}  // namespace wd

namespace mso {
inline constexpr int32_t BarTop = 1;
inline constexpr int32_t BarRight = 2;
inline constexpr int32_t BarBottom = 3;
}  // namespace mso

}  // namespace k58204::word
