// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_text.h"

#include "store/codepage.h"

namespace reports {

void appendPadRight(QString& out, const QString& text, int width)
{
    if (width <= 0) return;
    const qsizetype n = std::min<qsizetype>(text.size(), width);
    out.append(QStringView(text).left(n));
    out.resize(out.size() + width - n, u' ');
}

void appendPadLeft(QString& out, const QString& text, int width)
{
    if (width <= 0) return;
    const qsizetype n = std::min<qsizetype>(text.size(), width);
    out.resize(out.size() + width - n, u' ');
    out.append(QStringView(text).left(n));
}

void appendEncoded1252(QByteArray& out, const QString& text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* p = out.data() + start;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *p++ = char(u);
        } else {
            const auto one = store::toCp1252(QString(c));
            *p++ = one && one->size() == 1 ? (*one)[0] : '?';
        }
    }
}

QByteArray encode1252(const QString& text)
{
    QByteArray out;
    appendEncoded1252(out, text);
    return out;
}

}  // namespace reports
