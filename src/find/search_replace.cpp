// SPDX-License-Identifier: GPL-2.0-or-later
#include "find/search_replace.h"

#include <QLocale>

#include "app/regional.h"
#include "dbase/values.h"
#include "store/codepage.h"

namespace find {

ReplaceCounts replaceAll(dbase::Table& t, const ReplaceRequest& r, const std::function<bool(const QString&)>& confirm,
                         const std::function<void(const ReplaceCounts&)>& progress)
{
    ReplaceCounts counts;
    const dbase::FieldInfo& info = t.field(r.field);
    const QString wantedText = store::upperCp1252(r.search);
    const std::optional<double> wantedNumber = plainNumber(r.search);
    const std::optional<dbase::Date> wantedDate = info.type == 'D' ? app::regional().parseDate(r.search) : std::nullopt;
    const std::optional<dbase::Date> newDate = info.type == 'D' ? app::regional().parseDate(r.replace) : std::nullopt;
    for (std::size_t row = 0; row < t.recordCount(); ++row) {
        t.goToPosition(row);
        const dbase::RecordView rec = t.current();
        bool match = false;
        if (info.type == 'N' || info.type == 'F') {
            match = wantedNumber && rec.number(r.field).value_or(0.0) == *wantedNumber;
        } else if (info.type == 'D') {
            auto d = rec.date(r.field);
            match = d && wantedDate && d->year == wantedDate->year && d->month == wantedDate->month && d->day == wantedDate->day;
        } else {
            match = store::upperCp1252(store::fromCp1252(rec.text(r.field))) == wantedText;
        }
        if (match) {
            const QString title = store::fromCp1252(rec.text(0));
            if (r.confirm && !confirm(title)) {
                ++counts.found;
            } else {
                t.edit();
                if (info.type == 'D') {
                    t.setDate(r.field, newDate);
                } else {
                    auto bytes = store::toCp1252(r.replace);
                    t.setText(r.field, bytes ? *bytes : std::string());
                }
                t.post();
                ++counts.found;
                ++counts.changed;
            }
        }
        ++counts.processed;
        if (progress) progress(counts);
    }
    return counts;
}

}  // namespace find
