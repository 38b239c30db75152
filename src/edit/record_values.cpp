// SPDX-License-Identifier: GPL-2.0-or-later
#include "edit/record_values.h"

#include <QLocale>
#include <QRegularExpression>

namespace edit {

std::optional<double> readMoneyBox(const QString& text, const regional::Regional& r)
{
    QString t = text.trimmed();
    if (t.isEmpty()) return 0.0;
    if (r.currencyFormat == 2) {
        t.remove(r.system.thousand);
        int at = t.indexOf(r.system.decimal);
        if (at >= 0) t[at] = u'.';
    } else {
        t.remove(u',');
    }
    static const QRegularExpression plain(QStringLiteral("^\\s*[+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (!plain.match(t).hasMatch()) return std::nullopt;
    bool ok = false;
    double v = QLocale::c().toDouble(t.trimmed(), &ok);
    if (!ok) return std::nullopt;
    return v;
}

bool validWholeNumber(const QString& text)
{
    static const QRegularExpression whole(QStringLiteral("^\\s*-?\\d{1,9}\\s*$"));
    return text.trimmed().isEmpty() || whole.match(text).hasMatch();
}

bool blankDate(const QString& text)
{
    const QString t = text.trimmed();
    return t.isEmpty() || t == QLatin1String("/  /") || t == QLatin1String("-  -") || t == QLatin1String(".  .");
}

QString dateBoxText(const dbase::Date& d, const regional::Regional& r)
{
    // the order of the parts comes from the pattern
    QString order;
    for (QChar c : r.datePattern())
        if ((c == u'd' || c == u'm' || c == u'y') && !order.contains(c)) order += c;
    QStringList parts;
    for (QChar c : order) {
        if (c == u'd') parts << QStringLiteral("%1").arg(d.day, 2, 10, QChar(u'0'));
        if (c == u'm') parts << QStringLiteral("%1").arg(d.month, 2, 10, QChar(u'0'));
        if (c == u'y') parts << QStringLiteral("%1").arg(d.year, 4, 10, QChar(u'0'));
    }
    return parts.join(r.dateSeparator());
}

}  // namespace edit
