// SPDX-License-Identifier: GPL-2.0-or-later
#include "find/sort_expression.h"

#include "store/field_table.h"

namespace find {

QString BuildSortString(const std::array<int, 4>& levels)
{
    int n = 0;
    for (int f : levels) n += (f >= 1 && f <= store::kFieldCount) ? 1 : 0;
    if (n == 0) return {};
    const int w = 80 / n;
    QString s;
    for (int f : levels) {
        if (f < 1 || f > store::kFieldCount) continue;
        const store::FieldDef& d = store::fieldDef(f);
        const QString name = QString::fromLatin1(d.name);
        switch (d.kind) {
        case store::FieldKind::Text: s += QStringLiteral("Upper(Left(%1,%2))+").arg(name).arg(w); break;
        case store::FieldKind::WholeNumber: s += QStringLiteral("STR(%1,12,0)+").arg(name); break;
        case store::FieldKind::Money: s += QStringLiteral("STR(%1,12,2)+").arg(name); break;
        case store::FieldKind::Date: s += QStringLiteral("DTOS(%1)+").arg(name); break;
        }
    }
    s.chop(1);
    return s;
}

}  // namespace find
