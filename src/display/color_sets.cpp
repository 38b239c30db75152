// SPDX-License-Identifier: GPL-2.0-or-later
#include "display/color_sets.h"

namespace display {

const std::array<ColorCombination, kColorCombinations>& colorCombinations()
{
    static const std::array<ColorCombination, kColorCombinations> table = {{
        {"Monochrome", {{255, 255, 255}, {0, 0, 0}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}, {0, 0, 0}}},
        {"Gray Mist", {{192, 192, 192}, {0, 0, 0}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}, {0, 0, 0}}},
        {"Midnight Black", {{0, 0, 0}, {192, 192, 192}, {255, 255, 255}, {127, 127, 127}, {0, 0, 0}, {255, 255, 255}}},
        {"Desert Sunset", {{255, 255, 128}, {0, 0, 0}, {0, 0, 0}, {255, 255, 0}, {0, 0, 0}, {0, 0, 0}}},
        {"Easter Pastel", {{255, 128, 255}, {0, 0, 255}, {0, 0, 0}, {128, 0, 128}, {0, 255, 255}, {0, 0, 0}}},
        {"Ocean Blue", {{0, 255, 255}, {255, 0, 0}, {0, 0, 0}, {255, 255, 255}, {0, 0, 128}, {0, 0, 0}}},
        {"Fiery Red", {{255, 0, 0}, {0, 0, 128}, {0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {0, 0, 0}}},
        {"Christmas Season", {{0, 255, 0}, {255, 255, 255}, {255, 0, 0}, {255, 0, 0}, {255, 255, 255}, {255, 0, 0}}},
        {"Wine", {{128, 0, 64}, {255, 0, 0}, {255, 0, 255}, {128, 0, 128}, {255, 0, 0}, {255, 0, 255}}},
        {"More Pastels", {{0, 255, 128}, {255, 0, 255}, {128, 0, 128}, {0, 255, 255}, {0, 0, 255}, {128, 0, 128}}},
        {"Green Glow", {{0, 0, 0}, {0, 255, 0}, {0, 255, 0}, {0, 255, 0}, {0, 0, 0}, {0, 255, 0}}},
        {"Camouflage", {{128, 128, 0}, {0, 128, 0}, {127, 127, 127}, {0, 128, 128}, {192, 192, 192}, {127, 127, 127}}},
    }};
    return table;
}

namespace {
// Red in the low byte, blue in the high byte, as the settings file keeps colours.
int stored(const unsigned char (&rgb)[3]) { return rgb[0] | (rgb[1] << 8) | (rgb[2] << 16); }
}  // namespace

void applyCombination(store::ColorSet& set, int item)
{
    if (item < 1 || item > kColorCombinations) return;
    const ColorCombination& c = colorCombinations()[std::size_t(item - 1)];
    const store::ColorEntry decided[6] = {store::MainBackground, store::MajorTitle,  store::MinorTitle,
                                          store::EditBackground, store::EditText, store::RadioText};
    for (int i = 0; i < 6; ++i) set[std::size_t(decided[i])] = stored(c.rgb[i]);
    set[store::ComboBackground] = set[store::ListBoxBackground] = set[store::EditBackground];
    set[store::ComboText] = set[store::ListBoxText] = set[store::EditText];
    set[store::RadioBackground] = set[store::CheckBackground] = set[store::MainBackground];
    set[store::CheckText] = set[store::RadioText];
}

store::ColorSet startingSet(const std::array<store::ColorSet, store::kColorSets>& sets, ColorTarget target)
{
    return target == ColorTarget::All ? sets[store::MainColors] : sets[std::size_t(target)];
}

void confirmColors(std::array<store::ColorSet, store::kColorSets>& sets, ColorTarget target,
                   const store::ColorSet& working)
{
    if (target == ColorTarget::All)
        sets.fill(working);
    else
        sets[std::size_t(target)] = working;
}

}  // namespace display
