// SPDX-License-Identifier: GPL-2.0-or-later
// The report definitions file and the earlier version's report file. Input: one byte choosing
// the file (even: "KAVBOOK.URP", odd: "BOOK.URP"), then the file's bytes. Every record read must
// be safe: stored again it is a whole record that reads back as the same report.
#include <QFile>
#include <vector>

#include "fuzz_files.h"
#include "reports/old_reports.h"
#include "reports/report_file.h"

namespace {

using fuzz_files::finding;

// A report that has been made safe reads back unchanged once stored.
void storesAsRead(const reports::ReportDefinition& r)
{
    const QByteArray once = reports::encodeReport(r);
    if (once.size() != reports::kRecordSize) finding("a stored report is not one whole record");
    const QByteArray twice = reports::encodeReport(reports::decodeReport(once.constData()));
    if (once != twice) finding("a report read from a file does not read back as itself");
}

// The first `size` bytes of data as a record of `length` bytes, the rest zero.
QByteArray record(const std::uint8_t* data, std::size_t size, int length)
{
    QByteArray r(length, '\0');
    std::memcpy(r.data(), data, std::min(size, std::size_t(length)));
    return r;
}

void reportFile(const std::uint8_t* data, std::size_t size)
{
    const auto path = fuzz_files::workDir() / "KAVBOOK.URP";
    fuzz_files::put(path, data, size);
    storesAsRead(reports::decodeReport(record(data, size, reports::kRecordSize).constData()));

    reports::ReportFile file(fuzz_files::qs(path));
    (void)file.problem();
    const QStringList names = file.listNames();
    const int count = file.count();
    if (names.size() != count) finding("the report list and the record count differ");
    for (int n = 0; n < count && n < 3; ++n) {
        const std::optional<reports::ReportDefinition> r = file.read(n);
        if (!r) finding("a whole record could not be read");
        if (r->name != names[n]) finding("a report's name differs from the list's");
    }
    if (file.read(count)) finding("a record past the end was read");
    // a change keeps every other record
    if (count > 0) {
        file.overwrite(0, reports::newReport());
        if (file.count() != count) finding("overwriting a record changed the count");
    }
}

void oldReportFile(const std::uint8_t* data, std::size_t size)
{
    const auto dir = fuzz_files::workDir();
    const auto old = dir / "BOOK.URP";
    const auto target = dir / "KAVBOOK.URP";
    fuzz_files::put(old, data, size);
    std::filesystem::remove(target);

    const QByteArray first = record(data, size, reports::kOldRecordSize);
    if (std::optional<reports::ReportDefinition> r = reports::convertOldReport(first.constData())) storesAsRead(*r);

    reports::ReportFile file(fuzz_files::qs(target));
    const std::size_t users = [&] {
        std::size_t n = 0;
        for (std::size_t at = 0; at + reports::kOldRecordSize <= size; at += reports::kOldRecordSize)
            if (reports::convertOldReport(reinterpret_cast<const char*>(data) + at)) ++n;
        return n;
    }();
    if (!reports::importOldReports(fuzz_files::qs(old), file)) finding("an earlier report file was not taken over");
    if (std::filesystem::exists(old)) finding("the earlier report file was not deleted");
    if (std::size_t(file.count()) != users) finding("not every user report of the earlier file was taken over");
    if (file.count() > 0) storesAsRead(*file.read(file.count() - 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    try {
        if (data[0] % 2 == 0)
            reportFile(data + 1, size - 1);
        else
            oldReportFile(data + 1, size - 1);
    } catch (const reports::ReportFileError&) {
        finding("a report file in a writable folder could not be changed");
    }
    return 0;
}
