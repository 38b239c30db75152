#include "find/locate.h"

#include <QLocale>
#include <algorithm>
#include <cstring>

#include "app/regional.h"
#include "dbase/values.h"
#include "store/codepage.h"

namespace find {

namespace {
inline unsigned char fold(unsigned char c, bool caseSensitive) { return caseSensitive ? c : dbase::upper1252(c); }

// Text fields: byte comparison in Windows-1252, folding case as asked, with nothing allocated.
bool textMatches(std::string_view field, const std::string& value, MatchType m, bool cs)
{
    field = dbase::trimRight(field);
    auto eq = [cs](char a, char b) {
        return fold(static_cast<unsigned char>(a), cs) == fold(static_cast<unsigned char>(b), cs);
    };
    switch (m) {
    case MatchType::Exact:
        return field.size() == value.size() && std::equal(field.begin(), field.end(), value.begin(), eq);
    case MatchType::PartialStart:
        return !value.empty() && field.size() >= value.size() &&
               std::equal(value.begin(), value.end(), field.begin(), eq);
    case MatchType::PartialAny:
        return !value.empty() && std::search(field.begin(), field.end(), value.begin(), value.end(), eq) != field.end();
    }
    return false;
}

bool stringMatches(QString text, QString value, MatchType m, bool cs)
{
    if (!cs) {
        text = text.toUpper();
        value = value.toUpper();
    }
    switch (m) {
    case MatchType::Exact: return text == value;
    case MatchType::PartialStart: return !value.isEmpty() && text.startsWith(value);
    case MatchType::PartialAny: return !value.isEmpty() && text.contains(value);
    }
    return false;
}
}  // namespace

bool recordMatches(const dbase::Table& table, const dbase::RecordView& record, int field, const LocateRequest& r)
{
    const dbase::FieldInfo& info = table.field(field);
    if (info.type == 'C') {
        auto bytes = store::toCp1252(r.value);
        if (!bytes) return false;
        return textMatches(record.raw(field), *bytes, r.match, r.caseSensitive);
    }
    if (info.type == 'N' || info.type == 'F') {
        auto number = record.number(field);
        if (r.match == MatchType::Exact) {
            bool ok = false;
            double wanted = QLocale::c().toDouble(r.value.trimmed(), &ok);
            if (!ok) return false;
            return number && *number == wanted;
        }
        return stringMatches(number ? QString::number(*number, 'g', 15) : QString(), r.value, r.match, r.caseSensitive);
    }
    if (info.type == 'D') {
        auto d = record.date(field);
        return stringMatches(d ? app::regional().formatDate(*d) : QString(), r.value, r.match, r.caseSensitive);
    }
    return stringMatches(QString::fromStdString(record.text(field)), r.value, r.match, r.caseSensitive);
}

LocateResult locate(store::Dataset& table, const LocateRequest& request, bool fromStart)
{
    dbase::Table& t = table.table();
    const int field = t.fieldIndex(request.field.toStdString());
    if (field < 0) return LocateResult::NoSuchField;
    const std::size_t n = t.recordCount();
    const std::size_t from = fromStart ? 0 : (n ? t.position() + 1 : 0);
    for (std::size_t row = from; row < n; ++row) {
        if (recordMatches(t, t.record(t.recordAt(row)), field, request)) {
            table.goToRow(row);
            return LocateResult::Found;
        }
    }
    return LocateResult::NotFound;
}

}  // namespace find
