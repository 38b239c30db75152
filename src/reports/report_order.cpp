// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_order.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "dbase/expr.h"
#include "find/sort_expression.h"

namespace reports {

bool sameKeyExpression(const std::string& a, const std::string& b)
{
    auto squeeze = [](const std::string& s) {
        std::string out;
        for (const char c : s)
            if (c != ' ' && c != '\t') out.push_back(char(std::toupper(static_cast<unsigned char>(c))));
        return out;
    };
    return squeeze(a) == squeeze(b);
}

namespace {

std::string activeExpression(const dbase::Table& table)
{
    if (table.activeTag().empty()) return {};
    for (const dbase::TagInfo& t : table.tags())
        if (sameKeyExpression(t.name, table.activeTag())) return t.expression;
    return {};
}

}  // namespace

std::optional<std::vector<std::uint32_t>> reportOrder(const dbase::Table& table, const std::array<int, 4>& sortLevels)
{
    const std::string wanted = find::BuildSortString(sortLevels).toStdString();
    const bool tagged = !table.activeTag().empty();
    if (wanted.empty() ? !tagged : tagged && sameKeyExpression(activeExpression(table), wanted)) return std::nullopt;

    const std::size_t n = table.recordCount();
    std::vector<std::uint32_t> records(n);
    for (std::size_t row = 0; row < n; ++row) records[row] = table.recordAt(row);
    std::sort(records.begin(), records.end());  // ties keep record order below
    if (wanted.empty()) return records;

    const dbase::KeyExpression key(table.path().filename().string(), wanted, table.header().fields);
    const std::size_t length = std::size_t(key.keyLength());
    std::vector<unsigned char> keys(n * length);
    for (std::size_t i = 0; i < n; ++i) key.evaluate(table.record(records[i]).data(), keys.data() + i * length);
    std::vector<std::uint32_t> places(n);
    std::iota(places.begin(), places.end(), 0u);
    const char type = key.keyType();
    std::stable_sort(places.begin(), places.end(), [&](std::uint32_t a, std::uint32_t b) {
        return dbase::compareKeys(type, keys.data() + a * length, keys.data() + b * length, int(length)) < 0;
    });
    std::vector<std::uint32_t> ordered(n);
    for (std::size_t i = 0; i < n; ++i) ordered[i] = records[places[i]];
    return ordered;
}

}  // namespace reports
