// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_text.h"

#include "store/codepage.h"

namespace reports {

QString padRight(const QString& text, int width)
{
    if (width <= 0) return QString();
    return text.left(width).leftJustified(width, u' ');
}

QString padLeft(const QString& text, int width)
{
    if (width <= 0) return QString();
    return text.left(width).rightJustified(width, u' ');
}

QString fitNumber(const QString& text, int width)
{
    if (width <= 0) return QString();
    const QString t = text.trimmed();
    return t.size() <= width ? t.leftJustified(width, u' ') : QString(width, u'#');
}

QByteArray encode1252(const QString& text)
{
    if (auto bytes = store::toCp1252(text)) return QByteArray::fromStdString(*bytes);
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        auto one = store::toCp1252(QString(c));
        out.append(one ? QByteArray::fromStdString(*one) : QByteArray("?"));
    }
    return out;
}

}  // namespace reports
