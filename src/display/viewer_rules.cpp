// SPDX-License-Identifier: GPL-2.0-or-later
#include "display/viewer_rules.h"

namespace display {

int readWidth(const QString& cell)
{
    const QString t = cell.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) negative = t[i++] == u'-';
    long long v = 0;
    int digits = 0;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
        v = std::min<long long>(v * 10 + (t[i].unicode() - '0'), 1000000);
        ++i;
        ++digits;
    }
    if (digits == 0) v = 0;
    if (negative) v = -v;
    return (v <= 0 || v >= 256) ? 10 : int(v);
}

std::optional<QString> duplicateName(const QStringList& names)
{
    for (int i = 0; i < names.size(); ++i)
        for (int j = i + 1; j < names.size(); ++j)
            if (names[i] == names[j]) return names[i];
    return std::nullopt;
}

std::array<int, store::kFieldCount> matchOrder(const QStringList& orderRows,
                                               const std::array<QString, store::kFieldCount>& namesAtOpen,
                                               const std::array<int, store::kFieldCount>& order)
{
    std::array<int, store::kFieldCount> out = order;
    for (std::size_t f = 0; f < out.size(); ++f) {
        int row = orderRows.indexOf(namesAtOpen[f]);
        if (row >= 0) out[f] = row + 1;
    }
    return out;
}

}  // namespace display
