// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Fonts and colours as report layouts name them, turned into what Qt draws with.
#include <QColor>
#include <QFont>
#include <QString>

namespace render {

struct FontStyle {
    QString name = QStringLiteral("Arial");
    int pointSize = 10;
    bool bold = false, italic = false, underline = false, strikeOut = false;
    QColor color = Qt::black;
};

// The installed family that stands in for a font name of the layouts: "Arial" is drawn with
// Liberation Sans, "Courier New" and "Courier" with Liberation Mono, "Times New Roman" with
// Liberation Serif (the same widths); any other name is asked for as it is.
QString familyFor(const QString& name);
QFont qfontFor(const FontStyle& style);
// A colour stored the Windows way, red in the low byte.
QColor colorFromWindowsRgb(int rgb);
int windowsRgbFromColor(const QColor& color);

}  // namespace render
