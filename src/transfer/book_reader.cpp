// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/book_reader.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <charconv>
#include <cmath>
#include <optional>

#include "dbase/error.h"
#include "dbase/values.h"
#include "store/codepage.h"
#include "store/field_table.h"
#include "transfer/ascii_reader.h"
#include "transfer/csv_reader.h"
#include "transfer/csv_values.h"

namespace transfer {

namespace {

// Text in Windows-1252, each character it cannot hold as "?".
std::string encode(const QString& text, ImportCounts& counts)
{
    if (auto bytes = store::toCp1252(text)) return *bytes;
    std::string out;
    for (const QChar c : text) {
        if (c.isLowSurrogate()) continue;  // counted with its high half
        auto one = store::toCp1252(QString(c));
        if (one && !c.isHighSurrogate()) {
            out += *one;
        } else {
            out += '?';
            ++counts.replaced;
        }
    }
    return out;
}

std::optional<double> readNumber(const QString& text, bool whole)
{
    const std::string s = text.trimmed().toStdString();
    const char* b = s.data();
    const char* e = s.data() + s.size();
    if (b != e && *b == '+') ++b;
    double v = 0;
    if (whole) {
        long long i = 0;
        const auto r = std::from_chars(b, e, i);
        if (r.ec != std::errc() || r.ptr != e) return std::nullopt;
        v = double(i);
    } else {
        const auto r = std::from_chars(b, e, v);
        if (r.ec != std::errc() || r.ptr != e || !std::isfinite(v)) return std::nullopt;
    }
    return v;
}

void note(ImportCounts& counts, int line, int field, store::ValueNote::Kind kind, const QString& value)
{
    counts.notes.push_back({line, field, kind, value, {}});
}

// A date written year-month-day ("2024-03-15") means the same in every date format.
std::optional<dbase::Date> isoDate(const QString& v)
{
    if (v.size() != 10 || v[4] != u'-' || v[7] != u'-') return std::nullopt;
    for (int k : {0, 1, 2, 3, 5, 6, 8, 9})
        if (v[k] < u'0' || v[k] > u'9') return std::nullopt;
    const dbase::Date d{v.left(4).toInt(), v.mid(5, 2).toInt(), v.mid(8, 2).toInt()};
    return QDate::isValid(d.year, d.month, d.day) ? std::optional(d) : std::nullopt;
}

bool hasLetters(const QString& value)
{
    for (const QChar c : value)
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) return true;
    return false;
}

void leaveEmpty(ImportCounts& counts, int line, int field, const QString& value)
{
    ++counts.unreadable;
    note(counts, line, field, store::ValueNote::LeftEmpty, value.trimmed());
}

// The notes of the book just read get its title.
void nameBook(ImportCounts& counts, qsizetype first, const StoredBook& book)
{
    if (counts.notes.size() > first) store::nameBook(counts.notes, first, book.text(1).trimmed());
}

// Whether a number fits a numeric field of this width and decimals.
bool fitsField(double v, const dbase::FieldInfo& f)
{
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, f.decimals);
    return r.ec == std::errc() && (r.ptr - buffer) <= f.width;
}

}  // namespace

void convertValue(const dbase::FieldInfo& f, int fieldNumber, const QString& value, const regional::Regional& regional,
                  ImportCounts& counts, int line, StoredValue& out)
{
    const store::FieldDef& def = store::fieldDef(fieldNumber);
    switch (def.kind) {
        case store::FieldKind::Text: {
            const int replaced = counts.replaced;
            std::string bytes = encode(value, counts);
            if (counts.replaced != replaced) note(counts, line, fieldNumber, store::ValueNote::Replaced, value);
            if (bytes.size() > std::size_t(f.width)) {
                // blanks beyond the width are no loss
                if (!dbase::trimRight(std::string_view(bytes).substr(std::size_t(f.width))).empty()) {
                    ++counts.cut;
                    note(counts, line, fieldNumber, store::ValueNote::Cut, value);
                }
                bytes.resize(std::size_t(f.width));
            }
            out.kind = StoredValue::Text;
            out.text = std::move(bytes);
            return;
        }
        case store::FieldKind::WholeNumber:
        case store::FieldKind::Money: {
            if (value.trimmed().isEmpty()) {
                out.kind = StoredValue::Number;
                out.number = 0;
                return;
            }
            QString number = value;
            // a file exported with the system's decimal mark comes back as it went out
            if (regional.numericFormat == 2 && regional.system.decimal != u'.' && !number.contains(u'.'))
                number.replace(regional.system.decimal, u'.');
            const auto v = readNumber(number, def.kind == store::FieldKind::WholeNumber);
            if (v && fitsField(*v, f)) {
                out.kind = StoredValue::Number;
                out.number = *v;
            } else {
                leaveEmpty(counts, line, fieldNumber, value);  // not a number, or too large for the field
            }
            return;
        }
        case store::FieldKind::Date: {
            const QString v = value.trimmed();
            if (v.isEmpty()) return;
            std::optional<dbase::Date> d = isoDate(v);
            // otherwise only a value with the date separator and no letters is taken for a date
            if (!d && v.contains(regional.dateSeparator()) && !hasLetters(v)) d = regional.parseDate(v);
            if (d) {
                out.kind = StoredValue::Date;
                out.date = d;
            } else {
                leaveEmpty(counts, line, fieldNumber, value);
            }
            return;
        }
    }
}

struct BookReader::Impl {
    Impl(const ImportSource& s, const Pairing& p, const dbase::Table& t, const regional::Regional& r)
        : source(s), pairing(p), target(t), regional(r), places(fieldPlaces(t)), n(int(p.size()))
    {
    }
    const ImportSource& source;
    const Pairing pairing;
    const dbase::Table& target;
    const regional::Regional& regional;
    const FieldPlaces places;
    const int n;
    std::optional<AsciiReader> ascii;
    std::optional<CsvReader> csv;
    dbase::Table table;
    int record = 0;
    bool checkOutPaired = false;

    void convert(StoredBook& book, int number, const QString& value, ImportCounts& counts)
    {
        const int i = places[std::size_t(number)];
        if (i >= 0) convertValue(target.field(i), number, value, regional, counts, book.line, book[number]);
    }
    bool nextAscii(StoredBook& book, ImportCounts& counts);
    bool nextCsv(StoredBook& book, ImportCounts& counts);
    bool nextDbase(StoredBook& book, ImportCounts& counts);
};

BookReader::BookReader(const ImportSource& source, const Pairing& pairing, bool skipFirst, const dbase::Table& target,
                       const regional::Regional& regional)
    : d_(std::make_unique<Impl>(source, pairing, target, regional))
{
    for (int number : pairing) d_->checkOutPaired = d_->checkOutPaired || number == 17;
    switch (source.kind) {
        case SourceKind::Ascii:
            d_->ascii.emplace(source.text);
            if (skipFirst && !d_->ascii->atEnd()) d_->ascii->readLine(d_->n, nullptr);
            break;
        case SourceKind::Csv:
            d_->csv.emplace(source.text, source.separator);
            if (skipFirst && !d_->csv->atEnd()) d_->csv->readRow();
            break;
        case SourceKind::Dbase: {
            const QFileInfo info(source.path);
            try {
                // only read, never written, even when its header names an index that is missing
                d_->table.open(QFile::encodeName(info.absolutePath()).toStdString(),
                               QFile::encodeName(info.fileName()).toStdString(), {false, true, {}, true});
            } catch (const dbase::DatabaseError& e) {
                throw ImportError(e.what());
            }
            d_->table.first();
            break;
        }
    }
}

BookReader::~BookReader() = default;

bool BookReader::next(StoredBook& book, ImportCounts& counts)
{
    book.clear();
    switch (d_->source.kind) {
        case SourceKind::Ascii:
            return d_->nextAscii(book, counts);
        case SourceKind::Csv:
            return d_->nextCsv(book, counts);
        case SourceKind::Dbase:
            return d_->nextDbase(book, counts);
    }
    return false;
}

bool BookReader::Impl::nextAscii(StoredBook& book, ImportCounts& counts)
{
    while (!ascii->atEnd()) {
        int surplus = 0;
        const LineRead line = ascii->readLine(n, &surplus);
        if (line.unclosed) {
            counts.stoppedAt = line.unclosedLine;
            return false;
        }
        if (line.blank) continue;
        counts.surplus += surplus;
        book.line = line.line;
        const qsizetype first = counts.notes.size();
        for (int k = 0; k < line.values.size() && k < n; ++k)
            if (const int number = pairing[std::size_t(k)]; number > 0) convert(book, number, line.values[k], counts);
        if (surplus) note(counts, line.line, 0, store::ValueNote::LeftOut, QString::number(surplus));
        nameBook(counts, first, book);
        return true;
    }
    return false;
}

bool BookReader::Impl::nextCsv(StoredBook& book, ImportCounts& counts)
{
    while (!csv->atEnd()) {
        const CsvRow row = csv->readRow();
        if (row.unclosed) {
            counts.stoppedAt = row.line;
            return false;
        }
        if (row.blank) continue;
        const int surplus = row.surplus + std::max(0, int(row.values.size()) - n);
        counts.surplus += surplus;
        book.line = row.line;
        const qsizetype first = counts.notes.size();
        const QChar decimal = regional.system.decimal, group = regional.system.thousand;
        for (int k = 0; k < row.values.size() && k < n; ++k) {
            const int number = pairing[std::size_t(k)];
            if (number <= 0 || places[std::size_t(number)] < 0) continue;
            // an empty cell is no value: the field stays blank (a number too, not 0)
            if (plainCsvValue(row.values[k]).isEmpty()) continue;
            if (const auto value = csvFieldValue(number, row.values[k], decimal, group))
                convert(book, number, *value, counts);
            else
                leaveEmpty(counts, row.line, number, row.values[k]);
        }
        // a book lent to someone is checked out
        if (!checkOutPaired && !book.text(19).trimmed().isEmpty() && places[17] >= 0)
            convert(book, 17, QStringLiteral("Yes"), counts);
        if (surplus) note(counts, row.line, 0, store::ValueNote::LeftOut, QString::number(surplus));
        nameBook(counts, first, book);
        return true;
    }
    return false;
}

bool BookReader::Impl::nextDbase(StoredBook& book, ImportCounts& counts)
{
    if (table.eof()) return false;
    if (record > 0) table.next();
    if (table.eof()) return false;
    book.line = ++record;
    const qsizetype first = counts.notes.size();
    const int fields = std::min(n, table.fieldCount());
    for (int k = 0; k < fields; ++k) {
        const int number = pairing[std::size_t(k)];
        if (number <= 0) continue;
        const dbase::FieldInfo& sf = table.field(k);
        const store::FieldDef& def = store::fieldDef(number);
        const int ti = places[std::size_t(number)];
        StoredValue& out = book[number];
        // what the source holds, for a note when it cannot be stored
        auto leftEmpty = [&] {
            leaveEmpty(counts, record, number, store::fromCp1252(std::string(dbase::trimBoth(table.current().raw(k)))));
        };
        // typed values pass as they are: a number into a number, a date into a date
        if (ti >= 0 && (sf.type == 'N' || sf.type == 'F') &&
            (def.kind == store::FieldKind::Money || def.kind == store::FieldKind::WholeNumber)) {
            const auto v = table.getDouble(k);
            if (!v && !table.isBlank(k)) {
                leftEmpty();
            } else if (!v || fitsField(*v, target.field(ti))) {
                out.kind = StoredValue::Number;
                out.number = v.value_or(0);
            } else {
                leftEmpty();
            }
            continue;
        }
        const auto date = sf.type == 'D' ? table.getDate(k) : std::nullopt;
        if (sf.type == 'D' && !date && !table.isBlank(k)) {
            if (ti >= 0) leftEmpty();  // no such day
            continue;
        }
        if (ti >= 0 && sf.type == 'D' && def.kind == store::FieldKind::Date) {
            out.kind = StoredValue::Date;
            out.date = date;
            continue;
        }
        QString text;
        if (sf.type == 'D') {
            text = date ? regional.formatDate(*date, true) : QString();
        } else if (sf.type == 'L') {
            text = QString::fromLatin1(store::yesNoOfLogical(table.getText(k)));
        } else {
            text = store::fromCp1252(table.getText(k)).left(255);
        }
        convert(book, number, text, counts);
    }
    nameBook(counts, first, book);
    return true;
}

}  // namespace transfer
