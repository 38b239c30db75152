// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The colour configuration's rules: the twelve predefined combinations, the entries they decide
// and derive, and where a confirmed working set goes.
#include <QString>
#include <array>

#include "store/settings.h"

namespace display {

struct ColorCombination {
    const char* name;
    // red, green, blue of: window background, major titles, minor titles, edit box background,
    // edit box text, radio button text
    unsigned char rgb[6][3];
};

inline constexpr int kColorCombinations = 12;
const std::array<ColorCombination, kColorCombinations>& colorCombinations();

// Sets the six entries of combination item (1 to 12) and derives the rest: combo and list boxes
// take the edit box's colours, radio and check box backgrounds the window background, check box
// text the radio button text. Item 0 (the empty first item) and any other number change nothing.
void applyCombination(store::ColorSet& set, int item);

// The sets that the colour configuration edits: one of the five, or all of them.
enum class ColorTarget { Main, Edit, Search, Report, Configure, All };

// The set that the configuration starts from: the target's own, or the main set for all.
store::ColorSet startingSet(const std::array<store::ColorSet, store::kColorSets>& sets, ColorTarget target);
// Copies the working set into the target's set, or into all five.
void confirmColors(std::array<store::ColorSet, store::kColorSets>& sets, ColorTarget target,
                   const store::ColorSet& working);
// Whether confirming for this target recolours the main window at once.
inline bool recoloursMainWindow(ColorTarget t) { return t == ColorTarget::Main || t == ColorTarget::All; }

}  // namespace display
