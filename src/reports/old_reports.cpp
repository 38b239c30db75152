// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/old_reports.h"

#include <QFile>
#include <cstring>
#include <vector>

#include "reports/report_file.h"
#include "store/bounded_file.h"

namespace reports {

namespace {

// The parts of an earlier record and where this program's record holds them.
struct Part {
    int from, to, size;
};
constexpr Part kParts[] = {
    {0, 0, 31},           // name
    {31, 31, 2},          // characters per line
    {83, 338, 1},         // column headers
    {84, 339, 1},         // page numbers
    {85, 342, 1},         // use totals
    {86, 343, 2},         // number of lines
    {88, 345, 1500},      // totals line
    {1588, 1879, 3 * 81}, // titles 1 to 3
    {1831, 2122, 12 * 1500},  // body lines
};

// The earlier version's own reports.
bool earlierBuiltIn(const QString& name)
{
    static const char* const kNames[] = {"1 Line 90 Column Report", "2 Line 120 Column Report",
                                         "Full Report",             "Statistic/Summary Report",
                                         "1 Line Location Report",  "120 Column 4 Line Report"};
    for (const char* n : kNames)
        if (name == QLatin1String(n)) return true;
    return false;
}

}  // namespace

std::optional<ReportDefinition> convertOldReport(const char* oldRecord)
{
    // What the earlier file does not hold comes from a new report; the copied parts are then read
    // back as any stored record is, so nothing in the earlier file is taken unchecked.
    ReportDefinition base = newReport();
    base.landscape = false;
    base.dateOnPages = true;
    base.verticalLines = base.horizontalLines = false;
    base.groupLevel1 = true;
    base.groupLevel2 = false;
    QByteArray record = encodeReport(base);
    for (const Part& p : kParts) std::memcpy(record.data() + p.to, oldRecord + p.from, std::size_t(p.size));
    ReportDefinition r = decodeReport(record.constData());
    if (earlierBuiltIn(r.name)) return std::nullopt;

    const int size = r.charsPerLine == 90 ? 10 : 8;
    for (ReportFont* f : {&r.titleFont, &r.headerFont, &r.bodyFont, &r.spareFont, &r.footnoteFont}) {
        *f = ReportFont();
        f->name = QStringLiteral("Courier New");
        f->size = size;
    }
    r.titleFont.bold = r.headerFont.bold = r.footnoteFont.bold = true;
    // the earlier third totals field counted the books
    for (ReportItem& item : r.totals.items) {
        if (item.isField() && item.fieldNumber == 3) {
            item.fieldNumber = 5;
            item.name = totalsFieldName(5);
        }
    }
    return r;
}

bool importOldReports(const QString& oldPath, ReportFile& target)
{
    const store::BoundedRead old = store::readBoundedFile(oldPath, kReportFileLimit);
    if (!old.exists || !old.problem.isEmpty()) return false;  // left for the user to look at
    const QByteArray& all = old.bytes;
    std::vector<ReportDefinition> taken;
    for (qsizetype at = 0; at + kOldRecordSize <= all.size(); at += kOldRecordSize)
        if (std::optional<ReportDefinition> r = convertOldReport(all.constData() + at)) taken.push_back(std::move(*r));
    try {
        target.appendAll(taken);
    } catch (const ReportFileError&) {
        return false;  // the earlier file stays for the next start
    }
    return QFile::remove(oldPath);
}

}  // namespace reports
