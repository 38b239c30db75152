// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Every number the settings files hold, with its default and the range it is read within. A
// value outside its range, or no number at all, reads as its default: a damaged or hand-edited
// file never gives a window that cannot be seen, a font of a thousand points or a field that
// does not exist. Window places and sizes are bounded here only loosely; each window keeps itself
// on the screen it opens on.
namespace store {

struct Bounded {
    int def, lo, hi;
    constexpr int clamp(int v) const { return v < lo || v > hi ? def : v; }
};

namespace settings_range {

// program-wide (KAVBOOK.INI, section "Misc")
inline constexpr Bounded kButtonBar {1, 1, 3};
inline constexpr Bounded kMainLeft {0, -32000, 32000}, kMainTop {0, -32000, 32000};
inline constexpr Bounded kMainWidth {640, 200, 32000}, kMainHeight {480, 200, 32000};
inline constexpr Bounded kNextTip {0, 0, 9999};
inline constexpr Bounded kWindowSize {640, 640, 1280};  // and one of the four presets
inline constexpr Bounded kDateFormat {1, 1, 12};
inline constexpr Bounded kCurrencyFormat {1, 1, 2}, kNumericFormat {1, 1, 2};

// each database's settings
inline constexpr Bounded kFieldWidth {15, 1, 255};
inline constexpr Bounded kFieldNumber {0, 1, 36};     // a place in the field or export order (default: its own)
inline constexpr Bounded kSortField {0, 0, 36};       // 0: no field at that level
inline constexpr Bounded kFileType {1, 1, 3};         // export and import: 3 comma-separated values
inline constexpr Bounded kColor {0, 0, 0xFFFFFF};     // default given per colour
inline constexpr Bounded kFontSize {10, 6, 72};       // what the font dialogs offer
inline constexpr Bounded kTitleAlignment {2, 1, 3};
inline constexpr Bounded kLastReport {0, -1, 9999};
inline constexpr Bounded kPrinterIndex {0, -1, 999};
inline constexpr Bounded kReportLeft {0, -32000, 32000}, kReportTop {0, -32000, 32000};
inline constexpr Bounded kReportWidth {640, 200, 32000}, kReportHeight {480, 200, 32000};

}  // namespace settings_range

}  // namespace store
