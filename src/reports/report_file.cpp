// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "reports/old_reports.h"
#include "store/bounded_file.h"

namespace reports {

namespace {

[[noreturn]] void fail(const QString& what, const QString& path, const QString& reason)
{
    throw ReportFileError(
        QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), reason).toLocal8Bit().toStdString());
}

// The file's whole records; a piece of a record at its end is left out. Nullopt when the file
// cannot be read.
std::optional<QByteArray> wholeRecords(const QString& path, QString* reason = nullptr)
{
    store::BoundedRead file = store::readBoundedFile(path, kReportFileLimit);
    if (!file.exists) {
        if (reason) *reason = QCoreApplication::translate("ReportFile", "No such file");
        return std::nullopt;
    }
    if (!file.problem.isEmpty()) {
        if (reason) *reason = file.problem;
        return std::nullopt;
    }
    file.bytes.truncate(file.bytes.size() - file.bytes.size() % kRecordSize);
    return file.bytes;
}

// Whether the file may be opened at all: a FIFO or a device would make an open wait or a read
// run on for ever.
bool openable(const QString& path) { return store::specialFileProblem(path, kReportFileLimit).isEmpty(); }

// The records a change starts from: none when the file is missing. An existing file that cannot
// be read stops the change, so it is never replaced by a shorter one.
QByteArray recordsToChange(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return {};
    QString reason;
    std::optional<QByteArray> records = wholeRecords(path, &reason);
    if (!records) fail(QCoreApplication::translate("ReportFile", "Cannot read the report file"), path, reason);
    return *records;
}

// Writes the records to a temporary file and renames it over the old one.
void save(const QString& path, const QByteArray& records)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) fail(QCoreApplication::translate("ReportFile", "Cannot write the report file"), path, f.errorString());
    if (f.write(records) != records.size()) {
        const QString reason = f.errorString();
        f.cancelWriting();
        fail(QCoreApplication::translate("ReportFile", "Cannot write the report file"), path, reason);
    }
    if (!f.commit()) fail(QCoreApplication::translate("ReportFile", "Cannot write the report file"), path, f.errorString());
}

}  // namespace

QStringList ReportFile::listNames() const
{
    QStringList names;
    const std::optional<QByteArray> records = wholeRecords(path_);
    if (!records) return names;
    for (qsizetype at = 0; at < records->size(); at += kRecordSize) names << decodeReport(records->constData() + at).name;
    return names;
}

QString ReportFile::problem() const { return store::specialFileProblem(path_, kReportFileLimit); }

int ReportFile::count() const
{
    if (!openable(path_)) return 0;
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    return int(f.size() / kRecordSize);
}

std::optional<ReportDefinition> ReportFile::read(int n) const
{
    if (n < 0 || !openable(path_)) return std::nullopt;
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 at = qint64(n) * kRecordSize;
    if (at + kRecordSize > f.size() || !f.seek(at)) return std::nullopt;
    const QByteArray record = f.read(kRecordSize);
    if (record.size() != kRecordSize) return std::nullopt;
    return decodeReport(record.constData());
}

void ReportFile::overwrite(int n, const ReportDefinition& report)
{
    if (n < 0) fail(QCoreApplication::translate("ReportFile", "No report %1 in").arg(n), path_, QCoreApplication::translate("ReportFile", "the number is below zero"));
    QByteArray records = recordsToChange(path_);
    const QByteArray record = encodeReport(report);
    const qsizetype at = qsizetype(n) * kRecordSize;
    if (at >= records.size())
        records.append(record);  // never a gap of empty records
    else
        records.replace(at, kRecordSize, record);
    save(path_, records);
}

int ReportFile::append(const ReportDefinition& report) { return appendAll({report}); }

int ReportFile::appendAll(const std::vector<ReportDefinition>& reports)
{
    QByteArray records = recordsToChange(path_);
    const int first = int(records.size() / kRecordSize);
    if (reports.empty()) return first;
    for (const ReportDefinition& r : reports) records.append(encodeReport(r));
    save(path_, records);
    return first;
}

void ReportFile::remove(int n)
{
    if (n < 0) return;
    QByteArray records = recordsToChange(path_);
    const qsizetype at = qsizetype(n) * kRecordSize;
    if (at >= records.size()) return;
    records.remove(at, kRecordSize);
    save(path_, records);
}

QString reportFileIn(const QString& folder) { return QDir(folder).filePath(QLatin1String(kReportFileName)); }

void ensureReportFile(const QString& programDirectory)
{
    try {
        const QDir dir(programDirectory);
        ReportFile file(reportFileIn(programDirectory));
        if (!QFileInfo::exists(file.path())) {
            const std::array<ReportDefinition, 8> builtIn = builtInReports();
            file.appendAll(std::vector<ReportDefinition>(builtIn.begin(), builtIn.end()));
        }
        const QString old = dir.filePath(QLatin1String(kOldReportFileName));
        if (QFileInfo::exists(old)) importOldReports(old, file);
    } catch (...) {
        // the program starts without its reports rather than not at all
    }
}

}  // namespace reports
