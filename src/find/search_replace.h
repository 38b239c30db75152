// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Replacing one field's value throughout the table: every live record, once, in record order.
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "dbase/table.h"
#include "find/plain_number.h"

namespace find {

struct ReplaceRequest {
    int field = 0;  // 0-based
    QString search;   // trimmed; for dates and numbers already checked
    QString replace;
    bool confirm = false;
};

struct ReplaceCounts {
    std::uint32_t processed = 0, found = 0, changed = 0;
};

// The table is open without an index tag and without a filter. confirm is asked with the
// record's title when the request says so; progress is told after every record.
ReplaceCounts replaceAll(dbase::Table& table, const ReplaceRequest& request,
                         const std::function<bool(const QString& title)>& confirm,
                         const std::function<void(const ReplaceCounts&)>& progress);

}  // namespace find
