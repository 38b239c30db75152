// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/fonts.h"

namespace render {

QString familyFor(const QString& name)
{
    const QString n = name.trimmed();
    if (n.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (n.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0 ||
        n.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    if (n.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    return n.isEmpty() ? QStringLiteral("Liberation Sans") : n;
}

QFont qfontFor(const FontStyle& style)
{
    QFont font(familyFor(style.name));
    font.setPointSizeF(style.pointSize > 0 ? style.pointSize : 10);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
    // keep widths as the font's metrics say, whatever the device's resolution
    font.setHintingPreference(QFont::PreferNoHinting);
    // report text is plain text in a line: no shaping beyond the font's own advances
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QColor colorFromWindowsRgb(int rgb)
{
    const auto v = unsigned(rgb);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

int windowsRgbFromColor(const QColor& color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

}  // namespace render
