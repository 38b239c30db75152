// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Keys that make a grid usable without a mouse.
#include <functional>

class QAbstractItemView;

namespace ui {

// Space changes the current row's Yes/No cell, as a double-click does; Return in the grid does
// nothing, so that it cannot press the window's default button by mistake.
void toggleOnSpace(QAbstractItemView* grid, std::function<void(int row)> toggle);

}  // namespace ui
