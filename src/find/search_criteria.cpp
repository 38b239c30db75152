// SPDX-License-Identifier: GPL-2.0-or-later
#include "find/search_criteria.h"

#include <QLocale>
#include <string.h>

#include "dbase/values.h"
#include "edit/record_values.h"
#include "find/plain_number.h"
#include "regional/regional.h"
#include "store/codepage.h"

namespace find {

char searchKind(int field) { return store::fieldDef(field).type; }

double serialDate(int year, int month, int day)
{
    return dbase::julianDay({year, month, day}) - dbase::julianDay({1899, 12, 30});
}

namespace {
std::optional<double> number(const QString& t) { return plainNumber(t); }

std::optional<double> date(const QString& t)
{
    auto d = regional::current().parseDate(t.trimmed());
    if (!d) return std::nullopt;
    return serialDate(d->year, d->month, d->day);
}

bool blankPart(const QString& t, bool isDate) { return isDate ? edit::blankDate(t) : t.trimmed().isEmpty(); }
}  // namespace

SaveResult SearchCriteria::SaveFields(const std::array<QString, store::kFieldCount>& page,
                                      const std::array<int, store::kFieldCount>& operators, int* refusedRow)
{
    const std::size_t atEntry = criteria_.size();
    auto refuse = [&](int row) {
        criteria_.resize(atEntry);
        if (refusedRow) *refusedRow = row;
        return SaveResult::Refused;
    };
    auto add = [&](Criterion c) {
        if (int(criteria_.size()) + 1 > kMaxCriteria) return false;
        criteria_.push_back(std::move(c));
        return true;
    };
    for (int row = 1; row <= store::kFieldCount; ++row) {
        QString text = page[std::size_t(row - 1)];
        const char kind = searchKind(row);
        const int op = operators[std::size_t(row - 1)];
        if (kind == 'N' || kind == 'D') {
            const bool isDate = kind == 'D';
            auto convert = [&](const QString& t) { return isDate ? date(t) : number(t); };
            Criterion c;
            c.fieldIndex = row;
            c.isDate = isDate;
            c.text = text;
            if (op == Range) {
                int lt = text.indexOf(u'<');
                if (lt >= 0) text.remove(lt, 1);
                int gt = text.indexOf(u'>');
                if (gt >= 0) text.remove(gt, 1);
                text = text.trimmed();
                int andAt = text.indexOf(QStringLiteral("AND"));
                QString low = andAt >= 0 ? text.left(andAt).trimmed() : text;
                QString high = andAt >= 0 ? text.mid(andAt + 3).trimmed() : QString();
                const bool lowBlank = blankPart(low, isDate), highBlank = blankPart(high, isDate);
                if (lowBlank && highBlank) continue;
                if (lowBlank || highBlank) return refuse(row);
                auto lo = convert(low), hi = convert(high);
                if (!lo || !hi) return refuse(row);
                Criterion g = c, l = c;
                g.op = Greater;
                l.op = Less;
                (isDate ? g.dateValue : g.numberValue) = *lo;
                (isDate ? l.dateValue : l.numberValue) = *hi;
                if (!add(g) || !add(l)) {
                    criteria_.clear();
                    return SaveResult::TooMany;
                }
                continue;
            }
            const QChar sign = op == Greater ? u'>' : op == Less ? u'<' : u'=';
            int at = text.indexOf(sign);
            if (at >= 0) text.remove(at, 1);
            text = text.trimmed();
            if (blankPart(text, isDate)) continue;
            auto v = convert(text);
            if (!v) return refuse(row);
            c.op = op >= Equal && op <= Less ? op : Equal;
            (isDate ? c.dateValue : c.numberValue) = *v;
            if (!add(c)) {
                criteria_.clear();
                return SaveResult::TooMany;
            }
            continue;
        }
        text = store::upperCp1252(text.trimmed());  // the fold the fields get
        if (text.isEmpty()) continue;
        Criterion c;
        c.fieldIndex = row;
        c.text = text.left(110);
        c.op = store::fieldDef(row).name == QLatin1String("KeyWords") ? AnyWord : Contains;
        auto upper = [](const QString& t) {
            auto b = store::toCp1252(t);
            std::string out = b ? *b : std::string("\x01\x02");  // text no record can hold matches nothing
            for (auto& ch : out) ch = char(dbase::upper1252(static_cast<unsigned char>(ch)));
            return out;
        };
        c.bytes = upper(c.text);
        for (const QString& w : c.text.split(u' ', Qt::SkipEmptyParts)) c.words.push_back(upper(w));
        if (!add(c)) {
            criteria_.clear();
            return SaveResult::TooMany;
        }
    }
    if (criteria_.size() == atEntry) return SaveResult::NothingEntered;
    criteria_.back().endsLevel = true;
    return SaveResult::Saved;
}

bool SearchCriteria::BuildFilter(const dbase::RecordView& record) const
{
    bool accumulator = true;
    for (const Criterion& c : criteria_) {
        if (accumulator) {
            const int field = c.fieldIndex - 1;
            if (c.op == Contains || c.op == AnyWord) {
                // the field folded to upper case in a buffer on the stack
                std::string_view raw = dbase::trimRight(record.raw(field));
                unsigned char buf[256];
                const std::size_t n = std::min<std::size_t>(raw.size(), sizeof buf);
                for (std::size_t i = 0; i < n; ++i) buf[i] = dbase::upper1252(static_cast<unsigned char>(raw[i]));
                auto has = [&](const std::string& w) { return w.empty() || ::memmem(buf, n, w.data(), w.size()) != nullptr; };
                if (c.op == Contains) {
                    accumulator = has(c.bytes);
                } else {
                    bool any = false;
                    for (const std::string& w : c.words)
                        if (has(w)) {
                            any = true;
                            break;
                        }
                    accumulator = any;
                }
            } else {
                double value = 0, wanted = c.isDate ? c.dateValue : c.numberValue;
                if (c.isDate) {
                    auto d = record.date(field);
                    value = d ? serialDate(d->year, d->month, d->day) : 0.0;  // a blank date reads as 0
                } else {
                    value = record.number(field).value_or(0.0);  // and so does a blank number
                }
                accumulator = c.op == Equal ? value == wanted : c.op == Greater ? value > wanted : value < wanted;
            }
        }
        if (c.endsLevel) {
            if (accumulator) return true;
            accumulator = true;
        }
    }
    return false;
}

}  // namespace find
