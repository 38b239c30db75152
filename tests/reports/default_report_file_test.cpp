// SPDX-License-Identifier: GPL-2.0-or-later
// The default report file, checked byte by byte against the built-in reports as listed here.
#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <vector>

#include "record_bytes.h"
#include "reports/report_file.h"
#include "support/temp_dir.h"

using namespace report_bytes;

namespace {

struct Item {
    std::string name;
    int field;
    int width;
    std::string label;
};
Item L(const char* text, int width) { return {"<LABEL>", 0, width, text}; }
Item F(int width) { return {"<FILLER>", 0, width, ""}; }
Item D(const char* name, int field, int width) { return {name, field, width, ""}; }

struct Expected {
    std::string name;
    int chars, lines, fontSize;
    bool columnHeaders, totals, ruled, group1;
    std::string spareFont;
    std::vector<std::vector<Item>> body;
};

const std::vector<Item> kReport3Line1 = {L("Title:", 6),     F(1), D("Title", 1, 70),
                                         L("Book Type:", 11), F(1), D("BookType", 13, 20)};

const std::vector<Expected> kReports = {
    {"Short Narrow Report", 90, 1, 10, true, true, true, true, "Arial",
     {{D("Title", 1, 59), D("YearPub", 3, 5), D("Author", 2, 27)}}},
    {"2 Line 120 Column Report", 120, 2, 8, false, true, false, true, "Courier",
     {{L("Title:", 6), F(1), D("Title", 1, 70), L("Category:", 11), F(1), D("Category", 5, 20)},
      {L("Author:", 7), F(1), D("Author", 2, 60), L("Year Pub:", 11), F(1), D("YearPub", 3, 5), L("Rating:", 9), F(1),
       D("Rating", 11, 15)}}},
    {"4 Line Report", 120, 4, 8, false, true, false, true, "Courier",
     {kReport3Line1,
      {L("Author:", 7), F(1), D("Author", 2, 59), L("Year Pub:", 11), F(1), D("YearPub", 3, 5), L("Rating:", 9), F(1),
       D("Rating", 11, 15)},
      {L("Category:", 9), F(1), D("Category", 5, 20), L("Catalog:", 9), F(1), D("CatalogNum", 14, 15),
       L("Sub Cat 1:", 12), F(1), D("Sub1", 15, 6), L("Sub Cat 2:", 12), F(1), D("Sub2", 16, 6), L("Pages:", 8), F(1),
       D("Pages", 24, 5)},
      {F(150)}}},
    {"Full Report", 120, 10, 8, false, true, false, true, "Courier",
     {kReport3Line1,
      {L("Author:", 7), F(1), D("Author", 2, 60), L("Year Pub:", 11), F(1), D("YearPub", 3, 5), L("Rating:", 9), F(1),
       D("Rating", 11, 15)},
      {L("Publisher:", 10), F(1), D("Publisher", 4, 40), L("Editor:", 9), F(1), D("Editor", 27, 30), L("ISBN:", 7),
       F(1), D("ISBN", 10, 20)},
      {L("Cost:", 7), F(1), D("Cost", 7, 12), L("Value:", 8), F(1), D("Value", 8, 12), L("Low Market:", 13), F(1),
       D("LowMarket", 29, 12), L("High Market:", 14), F(1), D("HighMarket", 30, 12), L("Cond:", 7), F(1),
       D("Condition", 26, 20)},
      {L("Category:", 9), F(1), D("Category", 5, 20), L("Catalog:", 10), F(1), D("CatalogNum", 14, 15),
       L("Sub Cat 1:", 12), F(1), D("Sub1", 15, 6), L("Sub Cat 2:", 12), F(1), D("Sub2", 16, 6), L("Pages:", 8), F(1),
       D("Pages", 24, 5)},
      {L("Date Purchased:", 15), F(1), D("PurchDate", 12, 11), L("Where Purchased:", 18), F(1),
       D("WherePurch", 6, 30), L("Location:", 11), F(1), D("Location", 25, 30)},
      {L("Checked Out:", 12), F(1), D("CheckOut", 17, 3), L("Checkout Date:", 16), F(1), D("CheckDate", 18, 11),
       L("Checked Out To:", 17), F(1), D("CheckName", 19, 30), L("Edition:", 11), F(1), D("Edition", 22, 10)},
      {L("Vol:", 4), F(1), D("Volume", 20, 8), L("Issue:", 8), F(1), D("Issue", 21, 8), L("Key Words:", 12), F(1),
       D("KeyWords", 23, 77)},
      {L("Desc:", 6), F(1), D("Descriptio", 9, 110)},
      {F(150)}}},
    {"Location Report", 90, 1, 10, true, false, true, true, "Arial", {{D("Title", 1, 60), D("Location", 25, 30)}}},
    {"Library Checkout Report", 120, 1, 8, true, false, true, false, "Arial",
     {{D("Title", 1, 60), D("CheckOut", 17, 3), D("CheckDate", 18, 12), D("CheckName", 19, 30)}}},
    {"Value Report", 90, 1, 10, true, true, true, true, "Arial",
     {{D("Title", 1, 42), D("Cost", 7, 12), D("Value", 8, 12), D("LowMarket", 29, 12), D("HighMarket", 30, 12)}}},
    {"Statistic/Summary Report", 90, 0, 10, false, true, false, true, "Arial", {}},
};

const std::vector<Item> kTotals = {L("Cost:", 10),        F(1), D("Cost", 1, 12),        L("Value:", 8),
                                   F(1),                  D("Value", 2, 12),             L("Low Market:", 13),
                                   F(1),                  D("Low Market", 3, 12),        L("High Market:", 14),
                                   F(1),                  D("High Market", 4, 12),       F(60)};

// Every item of a line at `at`: the listed ones, then fillers of no width.
void expectLine(const QByteArray& r, int (*itemAt)(int, int), int line, const std::vector<Item>& items,
                const std::string& where)
{
    for (int k = 1; k <= 20; ++k) {
        const int at = itemAt(line, k);
        const Item want = k <= int(items.size()) ? items[std::size_t(k - 1)] : F(0);
        SCOPED_TRACE(where + " item " + std::to_string(k));
        EXPECT_EQ(str(r, at), want.name);
        EXPECT_EQ(u8(r, at + 31), want.field);
        EXPECT_EQ(i16(r, at + 32), want.width);
        EXPECT_EQ(str(r, at + 34), want.label);
    }
}

int totalsAt(int, int item) { return totalsItem(item); }

}  // namespace

TEST(DefaultReportFile, HoldsTheEightBuiltInReportsByteForByte)
{
    testing_support::TempDir dir;
    reports::ensureReportFile(QString::fromStdString(dir.path().string()));
    const QByteArray file = fileBytes(dir / "KAVBOOK.URP");
    ASSERT_EQ(file.size(), 8 * 20622);

    for (int n = 0; n < 8; ++n) {
        const Expected& e = kReports[std::size_t(n)];
        const QByteArray r = file.mid(n * 20622, 20622);
        SCOPED_TRACE(e.name);
        EXPECT_EQ(str(r, 0), e.name);
        EXPECT_EQ(i16(r, 31), e.chars);
        for (int font : {33, 94, 155, 216, 277}) {
            SCOPED_TRACE("font at " + std::to_string(font));
            EXPECT_EQ(str(r, font), font == 216 ? e.spareFont : "Arial");
            EXPECT_EQ(i16(r, font + 51), e.fontSize);
            for (int flag = 53; flag <= 56; ++flag) EXPECT_EQ(u8(r, font + flag), 0);  // not bold, italic ...
            EXPECT_EQ(i32(r, font + 57), 0);
        }
        EXPECT_EQ(u8(r, 338), e.columnHeaders);
        EXPECT_EQ(u8(r, 339), 1);  // page numbers
        EXPECT_EQ(u8(r, 340), 0);  // landscape
        EXPECT_EQ(u8(r, 341), 1);  // date on pages
        EXPECT_EQ(u8(r, 342), e.totals);
        EXPECT_EQ(i16(r, 343), e.lines);
        for (int margin : {1845, 1853, 1861, 1869}) EXPECT_EQ(real(r, margin), 0.5);
        EXPECT_EQ(u8(r, 1877), e.ruled);
        EXPECT_EQ(u8(r, 1878), e.ruled);
        for (int title : {1879, 1960, 2041}) EXPECT_EQ(u8(r, title), 0);
        EXPECT_EQ(u8(r, 20122), e.group1);
        EXPECT_EQ(u8(r, 20123), 0);
        EXPECT_EQ(r.mid(20124), QByteArray(498, '\0'));

        expectLine(r, totalsAt, 0, kTotals, "totals");
        for (int line = 1; line <= 12; ++line) {
            const std::vector<Item> want =
                line <= int(e.body.size()) ? e.body[std::size_t(line - 1)] : std::vector<Item>{F(150)};
            expectLine(r, bodyItem, line, want, "line " + std::to_string(line));
        }
    }
}

TEST(DefaultReportFile, IsBuiltOnlyWhenMissing)
{
    testing_support::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    reports::ensureReportFile(folder);
    reports::ReportFile file(QDir(folder).filePath("KAVBOOK.URP"));
    file.remove(0);
    ASSERT_EQ(file.count(), 7);
    reports::ensureReportFile(folder);
    EXPECT_EQ(file.count(), 7);

    writeBytes(dir / "KAVBOOK.URP", QByteArray());  // even an empty file is the user's
    reports::ensureReportFile(folder);
    EXPECT_EQ(file.count(), 0);
}
