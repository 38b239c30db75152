// SPDX-License-Identifier: GPL-2.0-or-later
#include "dbase/record.h"

#include "dbase/values.h"

namespace dbase {

std::string RecordView::text(int field) const
{
    const FieldInfo& f = header_->fields[std::size_t(field)];
    std::string_view r = raw(field);
    switch (f.type) {
    case 'N':
    case 'F': return std::string(trimBoth(r));
    case 'D': {
        auto d = parseDate(r);
        return d ? std::string(r.substr(0, 8)) : std::string();
    }
    case 'L': {
        char c = r.empty() ? ' ' : r[0];
        if (c == 'T' || c == 't' || c == 'Y' || c == 'y') return "T";
        if (c == 'F' || c == 'f' || c == 'N' || c == 'n') return "F";
        return {};
    }
    default: return std::string(trimRight(r));
    }
}

std::optional<double> RecordView::number(int field) const { return parseNumber(raw(field)); }

std::optional<Date> RecordView::date(int field) const { return parseDate(raw(field)); }

bool RecordView::blank(int field) const { return trimRight(raw(field)).empty(); }

}  // namespace dbase
