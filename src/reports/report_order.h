// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The order a report takes its books in: the database's sort order, whatever state the table's
// sort tag is in. When the table's active tag is built from the sort order's key expression, the
// table's own order is that order; when the tag is missing, built for another sort order, or the
// table has a tag and no sort order is set, the books are ordered here, in memory, exactly as the
// tag would order them: the same key expression, the same comparison, equal keys in record order.
// Nothing is written.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dbase/table.h"

namespace reports {

// Whether two key expressions are the same, written with other letter case or blanks.
bool sameKeyExpression(const std::string& a, const std::string& b);

// The record numbers of the table's visible books (those that pass its filter) in the sort order
// of the levels (field numbers, 0 for none); nullopt when the table's own order is already that.
std::optional<std::vector<std::uint32_t>> reportOrder(const dbase::Table& table, const std::array<int, 4>& sortLevels);

}  // namespace reports
