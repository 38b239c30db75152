// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/export_records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <charconv>
#include <cstdio>

#include "dbase/error.h"
#include "dbase/file.h"
#include "dbase/header.h"
#include "store/codepage.h"
#include "store/field_table.h"
#include "transfer/ascii_format.h"

namespace transfer {

std::vector<int> exportRows(const store::DatabaseSettings& s)
{
    std::vector<int> rows(store::kFieldCount, 0);
    std::vector<int> left;
    for (int n = 1; n <= store::kFieldCount; ++n) {
        const int at = s.exportOrder[std::size_t(n - 1)];
        if (at >= 1 && at <= store::kFieldCount && rows[std::size_t(at - 1)] == 0) rows[std::size_t(at - 1)] = n;
        else left.push_back(n);
    }
    std::size_t next = 0;
    for (int& r : rows)
        if (r == 0 && next < left.size()) r = left[next++];
    return rows;
}

std::vector<ExportField> exportList(const store::DatabaseSettings& s, const dbase::Table& table)
{
    std::vector<ExportField> list;
    for (int n : exportRows(s))
        if (s.exportFields[std::size_t(n - 1)]) list.push_back({n, table.fieldIndex(store::fieldDef(n).name)});
    return list;
}

QString exportLabel(int number, const store::DatabaseSettings& s)
{
    return s.displayFields[std::size_t(number - 1)] ? s.fieldNames[std::size_t(number - 1)]
                                                    : QString::fromLatin1(store::fieldDef(number).name).toUpper();
}

std::string exportText(const dbase::RecordView& record, const ExportField& field, const regional::Regional& regional)
{
    if (field.tableIndex < 0) return {};
    const store::FieldDef& f = store::fieldDef(field.number);
    if (f.type == 'D') {
        const auto d = record.date(field.tableIndex);
        // the year always with its century, so that the file reads back as the same day
        return d ? regional.formatDate(*d, true).toLatin1().toStdString() : std::string();
    }
    if (f.type == 'N') {
        const auto v = record.number(field.tableIndex);
        if (!v) return {};
        char buffer[64];
        // as many digits as needed, never in exponent form (100000, not 1e+05)
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, *v, std::chars_format::fixed);
        std::string text(buffer, r.ptr);
        if (regional.numericFormat == 2 && !regional.system.decimal.isNull())
            if (auto dot = text.find('.'); dot != std::string::npos) text[dot] = char(regional.system.decimal.toLatin1());
        return text;
    }
    std::string_view raw = record.raw(field.tableIndex);
    while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\0')) raw.remove_suffix(1);
    return std::string(raw);
}

namespace {

[[noreturn]] void fail(const QString& path, const QString& why)
{
    throw ExportError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why).toStdString());
}

}  // namespace

void writeAscii(const QString& path, const dbase::Table& table, const std::vector<ExportField>& fields,
                const QStringList* headings, const regional::Regional& regional, const ExportProgress& progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) fail(path, file.errorString());
    std::string out;
    out.reserve(1 << 17);
    std::vector<std::string> values(fields.size());
    auto flush = [&] {
        if (file.write(out.data(), qint64(out.size())) != qint64(out.size())) fail(path, file.errorString());
        out.clear();
    };
    if (headings) {
        std::vector<std::string> line;
        for (const QString& h : *headings) {
            const auto bytes = store::toCp1252(h);
            line.push_back(bytes ? *bytes : h.toLatin1().toStdString());
        }
        appendLine(out, line);
    }
    const std::size_t count = table.recordCount();
    for (std::size_t row = 0; row < count; ++row) {
        const dbase::RecordView rec = table.record(table.recordAt(row));
        for (std::size_t i = 0; i < fields.size(); ++i) values[i] = exportText(rec, fields[i], regional);
        appendLine(out, values);
        if (out.size() >= (1 << 16)) flush();
        if (progress) progress(row + 1, count);
    }
    flush();
    // what is still buffered is written here: a commit would put a file cut short in place
    if (!file.flush() || !file.commit()) fail(path, file.errorString());
}

namespace {

// Windows-1252 bytes as UTF-8, one entry a byte.
const std::array<std::string, 256>& utf8Bytes()
{
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> t;
        for (int c = 0; c < 256; ++c) t[std::size_t(c)] = store::fromCp1252(std::string(1, char(c))).toStdString();
        return t;
    }();
    return table;
}

// A value in quotes when it holds a comma, a quote, a line break, or blanks at its ends (a reader
// trims unquoted values); Windows-1252 bytes in (UTF-8 when utf8In says so), UTF-8 out.
void appendCsv(std::string& out, std::string_view value, bool utf8In = false)
{
    const bool quote = value.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!value.empty() && (value.front() == ' ' || value.back() == ' '));
    if (quote) out += '"';
    const auto& utf8 = utf8Bytes();
    for (const char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            if (c == '"') out += '"';  // doubled inside quotes
            out += c;
        } else {
            if (utf8In)
                out += c;
            else
                out += utf8[u];
        }
    }
    if (quote) out += '"';
}

// A field's value in the comma-separated form, appended: text as stored, numbers with a "." and
// no group separators, dates as 2024-03-15.
void appendCsvField(std::string& out, const dbase::RecordView& record, const ExportField& field)
{
    if (field.tableIndex < 0) return;
    const store::FieldDef& f = store::fieldDef(field.number);
    char buffer[64];
    if (f.type == 'D') {
        const auto d = record.date(field.tableIndex);
        if (!d) return;
        const int n = std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", d->year, d->month, d->day);
        out.append(buffer, std::size_t(std::max(n, 0)));
        return;
    }
    if (f.type == 'N') {
        const auto v = record.number(field.tableIndex);
        if (!v) return;
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, *v, std::chars_format::fixed);
        out.append(buffer, r.ptr);
        return;
    }
    std::string_view raw = record.raw(field.tableIndex);
    while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\0')) raw.remove_suffix(1);
    appendCsv(out, raw);
}

}  // namespace

QString csvText(const dbase::RecordView& record, const ExportField& field)
{
    std::string out;
    appendCsvField(out, record, field);
    return QString::fromStdString(out);
}

void writeCsv(const QString& path, const dbase::Table& table, const std::vector<ExportField>& fields,
              const QStringList& headings, const ExportProgress& progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) fail(path, file.errorString());
    std::string out("\xEF\xBB\xBF");
    out.reserve(1 << 17);
    auto flush = [&] {
        if (file.write(out.data(), qint64(out.size())) != qint64(out.size())) fail(path, file.errorString());
        out.clear();
    };
    for (qsizetype k = 0; k < headings.size(); ++k) {
        if (k) out += ',';
        appendCsv(out, headings[k].toUtf8().toStdString(), true);  // the user's names, whatever they hold
    }
    out += "\r\n";
    const std::size_t count = table.recordCount();
    for (std::size_t row = 0; row < count; ++row) {
        const dbase::RecordView rec = table.record(table.recordAt(row));
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i) out += ',';
            appendCsvField(out, rec, fields[i]);
        }
        out += "\r\n";
        if (out.size() >= (1 << 16)) flush();
        if (progress) progress(row + 1, count);
    }
    flush();
    // a write the system had buffered is only known to have failed when flushed
    if (!file.flush() || !file.commit()) fail(path, file.errorString());
}

void writeDbase(const QString& path, const dbase::Table& table, const std::vector<ExportField>& fields,
                const ExportProgress& progress)
{
    const QFileInfo info(QFileInfo(path).absoluteFilePath());
    // written under a passing name and renamed when complete: a failed export leaves nothing
    QString partName, part;
    for (int k = 0;; ++k) {  // a name of our own: a file of the user's is never touched
        partName = QStringLiteral("~EX%1.DBF").arg(k, 5, 10, QChar(u'0'));
        part = QDir(info.absolutePath()).filePath(partName);
        if (!QFileInfo::exists(part) || k > 99999) break;
    }
    const auto folder = std::filesystem::path(QFile::encodeName(info.absolutePath()).toStdString());
    std::vector<dbase::NewField> columns;
    for (const ExportField& f : fields) {
        const store::FieldDef& d = store::fieldDef(f.number);
        const dbase::FieldInfo* source = f.tableIndex >= 0 ? &table.field(f.tableIndex) : nullptr;
        dbase::NewField column;
        column.name = d.name;
        column.type = source ? source->type : d.type;
        column.width = source ? source->width : d.width;
        column.decimals = source ? source->decimals : std::max(d.decimals, 0);
        columns.push_back(column);
    }
    try {
        dbase::Table::create(folder, partName.toStdString(), columns);
        // the records go in as whole blocks of bytes, each field's bytes as the book table holds
        // them (numbers and dates keep their exact values); the count is set once at the end
        dbase::TableFacts facts = dbase::inspectTable(folder, partName.toStdString());
        dbase::TableHeader& h = facts.header;
        dbase::File out(facts.path, dbase::File::Mode::ReadWrite);
        std::string block;
        block.reserve(std::size_t(1 << 20) + h.recordLength);
        std::uint64_t at = h.headerLength;
        const std::size_t count = table.recordCount();
        for (std::size_t row = 0; row < count; ++row) {
            const dbase::RecordView rec = table.record(table.recordAt(row));
            block += ' ';
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const std::size_t width = std::size_t(columns[i].width);
                if (fields[i].tableIndex < 0) {
                    block.append(width, ' ');
                    continue;
                }
                const std::string_view raw = rec.raw(fields[i].tableIndex);
                block.append(raw.substr(0, width));
                if (raw.size() < width) block.append(width - raw.size(), ' ');
            }
            if (block.size() >= (1u << 20)) {
                out.writeAt(at, block.data(), block.size());
                at += block.size();
                block.clear();
            }
            if (progress) progress(row + 1, count);
        }
        block += char(0x1A);
        out.writeAt(at, block.data(), block.size());
        unsigned char first8[8];
        out.readAt(0, first8, sizeof first8);
        h.recordCount = std::uint32_t(count);
        h.updated = dbase::today();
        dbase::encodeCountAndDate(first8, h);
        out.writeAt(0, first8, sizeof first8);
        out.sync();
        out.close();
        std::error_code ec;
        std::filesystem::rename(std::filesystem::path(QFile::encodeName(part).toStdString()),
                                std::filesystem::path(QFile::encodeName(info.absoluteFilePath()).toStdString()), ec);
        if (ec) {
            QFile::remove(part);
            fail(path, QString::fromLocal8Bit(ec.message().c_str()));
        }
    } catch (const dbase::DatabaseError& e) {
        QFile::remove(part);
        fail(path, QString::fromLocal8Bit(e.what()));
    }
}

}  // namespace transfer
