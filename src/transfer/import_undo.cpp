// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/import_undo.h"

#include <QFile>
#include <QSaveFile>

#include "store/bounded_file.h"

namespace transfer {

namespace {
constexpr char kMagic[] = "Bindlow import 1\n";
// some twenty million books: far past any import
constexpr qint64 kLastImportLimit = qint64(256) << 20;
constexpr int kEntry = 12;  // a record number (4 bytes) and a fingerprint (8), little-endian

void put(QByteArray& out, std::uint64_t v, int bytes)
{
    for (int k = 0; k < bytes; ++k) out += char((v >> (8 * k)) & 0xFF);
}
std::uint64_t get(const char* p, int bytes)
{
    std::uint64_t v = 0;
    for (int k = 0; k < bytes; ++k) v |= std::uint64_t(static_cast<unsigned char>(p[k])) << (8 * k);
    return v;
}
}  // namespace

QString lastImportPath(const QString& basePath)
{
    return basePath + QStringLiteral(".IMP");
}

std::uint64_t bookFingerprint(const dbase::Table& table, std::uint32_t record)
{
    const unsigned char* p = table.record(record).data();
    std::uint64_t h = 14695981039346656037ull;
    for (std::size_t k = 1; k < table.header().recordLength; ++k) {
        h ^= p[k];
        h *= 1099511628211ull;
    }
    return h;
}

LastImport recordImport(const dbase::Table& table, const QString& file, const std::vector<std::uint32_t>& appended)
{
    LastImport last;
    last.file = file;
    last.date = QDate::currentDate();
    last.books.reserve(appended.size());
    for (const std::uint32_t r : appended) last.books.push_back({r, bookFingerprint(table, r)});
    return last;
}

bool saveLastImport(const QString& basePath, const LastImport& last)
{
    forgetLastImport(basePath);
    QByteArray out(kMagic);
    out += last.file.toUtf8().replace('\n', ' ') + '\n';
    out += last.date.toString(Qt::ISODate).toLatin1() + '\n';
    out += QByteArray::number(qulonglong(last.books.size())) + '\n';
    out.reserve(out.size() + qsizetype(last.books.size()) * kEntry);
    for (const ImportedBook& b : last.books) {
        put(out, b.record, 4);
        put(out, b.fingerprint, 8);
    }
    QSaveFile f(lastImportPath(basePath));
    return f.open(QIODevice::WriteOnly) && f.write(out) == out.size() && f.commit();
}

std::optional<LastImport> loadLastImport(const QString& basePath)
{
    const store::BoundedRead read = store::readBoundedFile(lastImportPath(basePath), kLastImportLimit);
    if (!read.problem.isEmpty() || !read.bytes.startsWith(kMagic)) return std::nullopt;
    QList<QByteArray> head;
    qsizetype at = qsizetype(sizeof kMagic - 1);
    for (int k = 0; k < 3; ++k) {
        const qsizetype end = read.bytes.indexOf('\n', at);
        if (end < 0) return std::nullopt;
        head << read.bytes.mid(at, end - at);
        at = end + 1;
    }
    LastImport last;
    last.file = QString::fromUtf8(head[0]);
    last.date = QDate::fromString(QString::fromLatin1(head[1]), Qt::ISODate);
    bool ok = false;
    const qulonglong count = head[2].toULongLong(&ok);
    if (!ok || !last.date.isValid() || qulonglong(read.bytes.size() - at) != count * kEntry) return std::nullopt;
    last.books.reserve(std::size_t(count));
    for (qulonglong k = 0; k < count; ++k, at += kEntry) {
        const char* p = read.bytes.constData() + at;
        last.books.push_back({std::uint32_t(get(p, 4)), get(p + 4, 8)});
    }
    return last;
}

void forgetLastImport(const QString& basePath)
{
    QFile::remove(lastImportPath(basePath));
}

UndoPlan planUndo(const dbase::Table& table, const LastImport& last)
{
    UndoPlan plan;
    const std::uint32_t count = table.physicalCount();
    for (const ImportedBook& b : last.books) {
        if (b.record < 1 || b.record > count) {
            plan.stale = true;
            continue;
        }
        if (table.record(b.record).deleted()) continue;
        ++plan.books;
        if (bookFingerprint(table, b.record) != b.fingerprint) ++plan.changed;
    }
    return plan;
}

int undoImport(dbase::Table& table, const LastImport& last)
{
    std::vector<std::uint32_t> records;
    records.reserve(last.books.size());
    for (const ImportedBook& b : last.books) records.push_back(b.record);
    return table.deleteRecords(records);
}

}  // namespace transfer
