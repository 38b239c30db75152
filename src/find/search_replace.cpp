// SPDX-License-Identifier: GPL-2.0-or-later
#include "find/search_replace.h"

#include <QLocale>

#include "dbase/values.h"
#include "regional/regional.h"
#include "store/codepage.h"

namespace find {

ReplaceCounts replaceAll(dbase::Table& t, const ReplaceRequest& r, const std::function<bool(const QString&)>& confirm,
                         const std::function<void(const ReplaceCounts&)>& progress)
{
    ReplaceCounts counts;
    const dbase::FieldInfo& info = t.field(r.field);
    // text is compared as the table holds it, folded byte by byte: nothing is converted per record;
    // a search text Windows-1252 cannot hold matches no field
    std::optional<std::string> wantedText = store::toCp1252(r.search);
    if (wantedText)
        for (char& c : *wantedText) c = char(dbase::upper1252(static_cast<unsigned char>(c)));
    std::string folded;
    const std::string replacement = store::toCp1252(r.replace).value_or(std::string());
    const std::optional<double> wantedNumber = plainNumber(r.search);
    const std::optional<dbase::Date> wantedDate = info.type == 'D' ? regional::current().parseDate(r.search) : std::nullopt;
    const std::optional<dbase::Date> newDate = info.type == 'D' ? regional::current().parseDate(r.replace) : std::nullopt;
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
            folded = rec.text(r.field);
            for (char& c : folded) c = char(dbase::upper1252(static_cast<unsigned char>(c)));
            match = wantedText && folded == *wantedText;
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
                    t.setText(r.field, replacement);
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
