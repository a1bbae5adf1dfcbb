#pragma once
// Text as the automation seam carries it: UTF-16 code units, as in COM and VB.
// Lengths, positions, Left/Right/InStr all count UTF-16 units.
#include <string>
#include <string_view>

namespace k58204 {

std::string versUtf8(std::u16string_view s);
std::u16string depuisUtf8(std::string_view s);

// VB's LCase: lower-cases every letter, accented capitals included (É -> é).
std::u16string LCase(std::u16string_view s);

// VB's InStr(start, s, motif): 1-based position of the first occurrence of
// motif at or after start, 0 when absent. start < 1 raises error 5.
int32_t InStr(int32_t debut, std::u16string_view s, std::u16string_view motif);
inline int32_t InStr(std::u16string_view s, std::u16string_view motif) { return InStr(1, s, motif); }
// InStrRev(s, motif): 1-based position of the last occurrence, 0 when absent.
int32_t InStrRev(std::u16string_view s, std::u16string_view motif);

// VB's Left, Right and Mid on UTF-16 units (n beyond the length takes all).
std::u16string Left(std::u16string_view s, int32_t n);
std::u16string Right(std::u16string_view s, int32_t n);
std::u16string Mid(std::u16string_view s, int32_t debut, int32_t n = -1);

}  // namespace k58204
