// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Locating a record by the value of one field, in the table's order and through its filter.
#include <QString>

#include "store/dataset.h"

namespace find {

enum class MatchType { Exact, PartialStart, PartialAny };

struct LocateRequest {
    QString field;  // the table's field name
    QString value;
    MatchType match = MatchType::PartialStart;
    bool caseSensitive = false;
};

enum class LocateResult { Found, NotFound, NoSuchField };

// Does the record's field match? Text fields compare as stored, numbers in plain form (an exact
// match on a number compares numbers), dates in the current date format.
bool recordMatches(const dbase::Table& table, const dbase::RecordView& record, int field, const LocateRequest& r);

// Moves the table to the first matching record from the start, or after the current record.
// When nothing matches the current record stays as it was.
LocateResult locate(store::Dataset& table, const LocateRequest& request, bool fromStart);

}  // namespace find
