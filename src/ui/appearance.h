// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program fonts and colour sets applied to a window.
#include <QColor>
#include <QFont>
#include <QWidget>
#include <optional>

#include "store/settings.h"

namespace ui {

// A stored colour: red in the low byte, blue in the high byte.
QColor toColor(int stored);
int fromColor(const QColor& c);

// Applies the label, edit and button fonts to every control of the window: name and style
// only, by the first kind in the order label, list box, string grid, check box, edit box, radio
// button, masked edit box, push button, group box, combo box that the control is.
void applyProgramFonts(QWidget* window, const store::ProgramFont& label, const store::ProgramFont& edit,
                       const store::ProgramFont& button);

// Text in a colour on whatever lies behind it (the widget paints no background of its own).
void setTextColor(QWidget* w, const QColor& text);
// Background and text colours of one widget.
void setColors(QWidget* w, const QColor& background, const QColor& text);
// The window background of a colour set, for the window and its panels.
void setWindowBackground(QWidget* w, const store::ColorSet& set);

// A window's colours from its set: the window and its panels in the background colour, group
// headings in the major title colour, other labels in the minor title colour, and edit boxes,
// combo boxes, list boxes and grids, radio buttons and check boxes in their kinds' colours.
// Push buttons and controls of other kinds keep the style's own colours.
void applyColorSet(QWidget* window, const store::ColorSet& set);

// The program fonts and the given colour set, as every dialog takes them when it is shown.
void dressWindow(QWidget* window, const store::DatabaseSettings& s, store::ColorSetId set);

// A font setting (name, size, colour and styles) as a font and back.
QFont toFont(const store::FontSetting& s);
store::FontSetting fromFont(const QFont& f, int color);

// The font as the font dialog can offer it: a family the system stands another one in for (as a
// metric-compatible face for "Arial") under the name of the family it draws with.
QFont fontForDialog(const QFont& font);

// The font dialog preset to the setting (family, style and size), then the colour dialog preset to
// its colour: the whole font with its colour. A family left as the dialog showed it keeps its name
// as stored. nullopt when the font dialog is cancelled; cancelling the colour dialog keeps the
// colour the font had.
std::optional<store::FontSetting> chooseFontSetting(QWidget* parent, const store::FontSetting& current);

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrast(const QColor& a, const QColor& b);

}  // namespace ui
