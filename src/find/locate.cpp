// SPDX-License-Identifier: GPL-2.0-or-later
#include "find/locate.h"

#include <QLocale>
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>
#include <string.h>

#include "dbase/values.h"
#include "find/plain_number.h"
#include "regional/regional.h"
#include "store/codepage.h"

namespace find {

namespace {
inline unsigned char fold(unsigned char c, bool caseSensitive) { return caseSensitive ? c : dbase::upper1252(c); }

// Text fields: bytes in Windows-1252, the value folded once, the field folded into a buffer on
// the stack; nothing is allocated per record.
bool textMatches(std::string_view field, const std::string& folded, MatchType m, bool cs)
{
    field = dbase::trimRight(field);
    unsigned char buf[256];
    const std::size_t n = std::min<std::size_t>(field.size(), sizeof buf);
    for (std::size_t i = 0; i < n; ++i) buf[i] = fold(static_cast<unsigned char>(field[i]), cs);
    const std::size_t k = folded.size();
    switch (m) {
    case MatchType::Exact: return n == k && std::memcmp(buf, folded.data(), k) == 0;
    case MatchType::PartialStart: return k && n >= k && std::memcmp(buf, folded.data(), k) == 0;
    case MatchType::PartialAny: return k && n >= k && ::memmem(buf, n, folded.data(), k) != nullptr;
    }
    return false;
}

std::string foldValue(const std::string& bytes, bool cs)
{
    std::string out(bytes);
    for (auto& c : out) c = char(fold(static_cast<unsigned char>(c), cs));
    return out;
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
        return textMatches(record.raw(field), foldValue(*bytes, r.caseSensitive), r.match, r.caseSensitive);
    }
    if (info.type == 'N' || info.type == 'F') {
        auto number = record.number(field);
        if (r.match == MatchType::Exact) {
            const auto wanted = plainNumber(r.value);
            return number && wanted && *number == *wanted;
        }
        return stringMatches(number ? QString::number(*number, 'g', 15) : QString(), r.value, r.match, r.caseSensitive);
    }
    if (info.type == 'D') {
        auto d = record.date(field);
        return stringMatches(d ? regional::current().formatDate(*d) : QString(), r.value, r.match, r.caseSensitive);
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
    // text fields: the value converted and folded once for the whole run
    std::optional<std::string> folded;
    if (t.field(field).type == 'C') {
        auto bytes = store::toCp1252(request.value);
        if (!bytes) return LocateResult::NotFound;
        folded = foldValue(*bytes, request.caseSensitive);
    }
    // every record tested once in file order (fast), then the first hit in the table's order
    std::vector<unsigned char> hits(std::size_t(t.physicalCount()) + 1, 0);
    // text is matched byte by byte, safely on several threads at once; other fields go through
    // the program's formats, one record after another
    if (folded) {
        t.forEachRecordAtOnce([&](const dbase::RecordView& rec) {
            hits[rec.recordNumber()] = textMatches(rec.raw(field), *folded, request.match, request.caseSensitive);
        });
    } else {
        t.forEachRecord([&](const dbase::RecordView& rec) { hits[rec.recordNumber()] = recordMatches(t, rec, field, request); });
    }
    for (std::size_t row = from; row < n; ++row) {
        if (hits[t.recordAt(row)]) {
            table.goToRow(row);
            return LocateResult::Found;
        }
    }
    return LocateResult::NotFound;
}

}  // namespace find
