// SPDX-License-Identifier: GPL-2.0-or-later
#include "find/plain_number.h"

#include <QLocale>

namespace find {

std::optional<double> plainNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = c.toDouble(t, &ok);
    if (!ok) return std::nullopt;
    return v;
}

}  // namespace find
