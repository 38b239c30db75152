// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Small pictures for the speed buttons, drawn rather than loaded.
#include <QIcon>
#include <QString>

namespace ui {

// The glyph of a speed button by its name ("NewSpeed", "HelpSpeed", ...); a null icon for others.
QIcon speedGlyph(const QString& button);

}  // namespace ui
