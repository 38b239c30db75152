// SPDX-License-Identifier: GPL-2.0-or-later
// Taking over the reports of the earlier "BOOK.URP" at start-up.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "record_bytes.h"
#include "reports/old_reports.h"
#include "reports/report_file.h"
#include "support/temp_dir.h"

using namespace reports;
using namespace report_bytes;
namespace fs = std::filesystem;

namespace {

constexpr int kOld = 19831;

// An earlier record: name, characters per line, column headers, page numbers, totals, lines.
QByteArray oldRecord(const std::string& name, int chars, int lines)
{
    QByteArray r(kOld, '\0');
    putStr(r, 0, name);
    putI16(r, 31, chars);
    r[83] = 1;
    r[84] = 0;
    r[85] = 7;  // any value but zero is on
    putI16(r, 86, lines);
    return r;
}
int oldBody(int line, int item) { return 1831 + (line - 1) * 1500 + (item - 1) * 75; }
int oldTotals(int item) { return 88 + (item - 1) * 75; }

QByteArray userReport()
{
    QByteArray r = oldRecord("Shelf List", 120, 2);
    putItem(r, oldTotals(1), "Cost", 1, 12);
    putItem(r, oldTotals(2), "<LABEL>", 0, 7, "Books:");
    putItem(r, oldTotals(3), "Number", 3, 6);
    putStr(r, 1588, "Title one");
    putStr(r, 1669, "Title two");
    putStr(r, 1750, "Title three");
    putItem(r, oldBody(1, 1), "Title", 1, 60);
    putItem(r, oldBody(1, 2), "Location", 25, 30);
    putItem(r, oldBody(12, 20), "<LABEL>", 0, 5, "End");
    return r;
}

class OldReportImport : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    QString folder = QString::fromStdString(dir.path().string());
    ReportFile file{QString::fromStdString((dir / "KAVBOOK.URP").string())};
};

}  // namespace

TEST_F(OldReportImport, TakesOverTheUsersReportsAfterTheBuiltInOnesAndDeletesTheOldFile)
{
    writeBytes(dir / "BOOK.URP", oldRecord("Full Report", 120, 10) + userReport() + oldRecord("Narrow", 100, 40) +
                                     QByteArray(500, 'x'));  // and a piece of a record
    ensureReportFile(folder);
    EXPECT_FALSE(fs::exists(dir / "BOOK.URP"));
    const QStringList list = file.listNames();
    ASSERT_EQ(list.size(), 10);
    EXPECT_EQ(list[0], QStringLiteral("Short Narrow Report"));
    EXPECT_EQ(list[8], QStringLiteral("Shelf List"));
    EXPECT_EQ(list[9], QStringLiteral("Narrow"));

    const ReportDefinition r = *file.read(8);
    EXPECT_EQ(r.charsPerLine, 120);
    EXPECT_TRUE(r.columnHeaders);
    EXPECT_FALSE(r.pageNumbers);
    EXPECT_TRUE(r.useTotals);
    EXPECT_EQ(r.numberOfLines, 2);
    EXPECT_FALSE(r.landscape || r.verticalLines || r.horizontalLines || r.groupLevel2);
    EXPECT_TRUE(r.dateOnPages && r.groupLevel1);
    EXPECT_EQ(r.topMargin, 0.5);
    EXPECT_EQ(r.rightMargin, 0.5);
    EXPECT_EQ(r.titles[0], QStringLiteral("Title one"));
    EXPECT_EQ(r.titles[2], QStringLiteral("Title three"));
    for (const ReportFont* f : {&r.titleFont, &r.headerFont, &r.bodyFont, &r.spareFont, &r.footnoteFont}) {
        EXPECT_EQ(f->name, QStringLiteral("Courier New"));
        EXPECT_EQ(f->size, 8);
        EXPECT_EQ(f->bold, f == &r.titleFont || f == &r.headerFont || f == &r.footnoteFont);
        EXPECT_FALSE(f->italic || f->underline || f->strikeOut);
        EXPECT_EQ(f->color, 0);
    }
    EXPECT_EQ(r.totals.items[0].name, QStringLiteral("Cost"));
    EXPECT_EQ(r.totals.items[0].fieldNumber, 1);
    EXPECT_EQ(r.totals.items[1].label, QStringLiteral("Books:"));
    EXPECT_EQ(r.totals.items[2].name, QStringLiteral("Quantity"));  // the earlier third totals field
    EXPECT_EQ(r.totals.items[2].fieldNumber, 5);
    EXPECT_EQ(r.totals.items[2].width, 6);
    EXPECT_EQ(r.totals.usedItems(), 3);
    EXPECT_EQ(r.body[0].items[1].name, QStringLiteral("Location"));
    EXPECT_EQ(r.body[0].items[1].fieldNumber, 25);
    EXPECT_EQ(r.body[0].items[1].width, 30);
    EXPECT_EQ(r.body[11].items[19].label, QStringLiteral("End"));

    const ReportDefinition narrow = *file.read(9);
    EXPECT_EQ(narrow.charsPerLine, 90);  // 100 is read as 90
    EXPECT_EQ(narrow.numberOfLines, 12);
    EXPECT_EQ(narrow.bodyFont.size, 10);
}

TEST_F(OldReportImport, IsAddedToAnExistingFileWhichIsNotRebuilt)
{
    file.append(ReportDefinition(newReport()));
    writeBytes(dir / "BOOK.URP", userReport());
    ensureReportFile(folder);
    EXPECT_EQ(file.listNames(), QStringList({QString(), QStringLiteral("Shelf List")}));
    EXPECT_FALSE(fs::exists(dir / "BOOK.URP"));
}

TEST_F(OldReportImport, TheOldFileStaysWhenItsReportsCannotBeAdded)
{
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes read-only files";
    ensureReportFile(folder);
    fs::permissions(dir / "KAVBOOK.URP", fs::perms::owner_read);
    writeBytes(dir / "BOOK.URP", userReport());
    ensureReportFile(folder);  // silent
    EXPECT_TRUE(fs::exists(dir / "BOOK.URP"));
    EXPECT_EQ(file.count(), 8);

    fs::permissions(dir / "KAVBOOK.URP", fs::perms::owner_read | fs::perms::owner_write);
    ensureReportFile(folder);  // the next start takes them over, once
    EXPECT_EQ(file.count(), 9);
    EXPECT_FALSE(fs::exists(dir / "BOOK.URP"));
}

// An older report file that is no regular file is not read, and not removed either.
TEST(OldReportFile, ThatIsNoRegularFileIsLeftAlone)
{
    testing_support::TempDir dir;
    const auto fifo = dir / "BOOK.URP";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ReportFile target(QString::fromStdString((dir / "KAVBOOK.URP").string()));
    EXPECT_FALSE(importOldReports(QString::fromStdString(fifo.string()), target));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(target.count(), 0);
}
