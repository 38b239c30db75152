// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Focus a keyboard user can follow in every window: the focused control is marked from the moment
// a window opens (not only after the first Tab), and Tab enters a group of radio buttons at its
// chosen button and leaves it at the next control, the arrows moving within the group; Ctrl+Tab
// and Ctrl+Shift+Tab leave a grid, list or tree for the next or previous control.

namespace ui {

// From now on for every window (idempotent).
void followFocusInEveryWindow();

}  // namespace ui
