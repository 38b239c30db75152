// SPDX-License-Identifier: GPL-2.0-or-later
#include "edit/record_print.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace edit {

QStringList recordLines(const QStringList& displayNames, const QStringList& values)
{
    QStringList lines;
    for (int i = 0; i < displayNames.size() && i < values.size(); ++i)
        lines << (displayNames[i] + QStringLiteral(": ")).left(22) + values[i];
    return lines;
}

void printLines(QPrinter& printer, const QStringList& lines, int copies)
{
    printer.setDocName(QStringLiteral("Bindlow Books 97"));
    QPainter p(&printer);
    if (!p.isActive()) return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int left = page.width() / 17, top = page.height() / 22;
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    p.setFont(f);
    const int pitch = int(std::lround(QFontMetrics(f, &printer).boundingRect(QStringLiteral("ABCDEWjky")).height() * 1.1));
    for (int copy = 0; copy < copies; ++copy) {
        for (int k = 0; k < lines.size(); ++k)
            p.drawText(left, top + k * pitch + QFontMetrics(f, &printer).ascent(), lines[k]);
        if (copy + 1 < copies) printer.newPage();
    }
    p.end();
}

}  // namespace edit
