// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Names for screen readers.  Most controls are named by what a sighted user reads on or beside
// them: a button's caption, a label whose buddy they are.  The rest (edits placed beside a label,
// grids under their heading, drawn buttons that show only a glyph or a picture) get that text as
// their accessible name when their window is shown.
#include <QString>

class QWidget;

namespace ui {

// The name a screen reader says for w; empty when it has none.
QString spokenName(QWidget* w);

// Names each control of window that a screen reader could reach and would otherwise leave
// unnamed: its hint, else the label to its left on the same line, else the label just above it.
void nameControls(QWidget* window);

// From now on every window is named this way as it is shown (idempotent).
void nameControlsOfEveryWindow();

}  // namespace ui
