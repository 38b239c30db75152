// SPDX-License-Identifier: GPL-2.0-or-later
// One report record: what is written where, and what any stored bytes are read as.
#include <gtest/gtest.h>

#include "record_bytes.h"
#include "reports/report_definition.h"

using namespace reports;
using namespace report_bytes;

namespace {

// A report that differs from the defaults wherever it can.
ReportDefinition unusualReport()
{
    ReportDefinition r = newReport();
    r.name = QStringLiteral("Caf\u00e9 \u20ac list");
    r.charsPerLine = 150;
    r.titleFont = {QStringLiteral("Times New Roman"), 14, true, true, false, false, 0x0000FF};
    r.headerFont = {QStringLiteral("Arial"), 9, false, false, true, false, -1};
    r.bodyFont = {QStringLiteral("Verdana"), 7, false, false, false, true, 0x123456};
    r.spareFont = {QStringLiteral("Courier"), 12, true, false, false, false, 0};
    r.footnoteFont = {QStringLiteral("Tahoma"), 6, false, true, true, true, 0x7FFFFFFF};
    r.columnHeaders = false;
    r.pageNumbers = false;
    r.landscape = true;
    r.dateOnPages = false;
    r.useTotals = false;
    r.numberOfLines = 12;
    r.topMargin = 0.25;
    r.bottomMargin = 1.75;
    r.leftMargin = 0.0;
    r.rightMargin = 2.125;
    r.verticalLines = false;
    r.horizontalLines = true;
    r.titles = {QStringLiteral("First"), QString(), QStringLiteral("\u201cThird\u201d")};
    r.groupLevel1 = true;
    r.groupLevel2 = true;
    r.totals.items[0] = {QStringLiteral("Quantity"), 5, 9, QString()};
    r.totals.items[1] = {QStringLiteral("<LABEL>"), 0, 0, QStringLiteral("Books:")};
    r.body[11].items[19] = {QStringLiteral("UserDef6"), 36, 150, QString()};
    r.body[4].items[7] = {QStringLiteral("Junk"), 255, 0, QStringLiteral("kept as stored")};
    return r;
}

}  // namespace

TEST(ReportRecord, EveryPartComesBackAsWritten)
{
    const ReportDefinition r = unusualReport();
    const QByteArray bytes = encodeReport(r);
    ASSERT_EQ(bytes.size(), kRecordSize);
    const ReportDefinition back = decodeReport(bytes.constData());

    EXPECT_EQ(back.name, r.name);
    EXPECT_EQ(back.charsPerLine, 150);
    EXPECT_EQ(back.titleFont.name, QStringLiteral("Times New Roman"));
    EXPECT_EQ(back.headerFont.color, -1);
    EXPECT_EQ(back.spareFont.name, QStringLiteral("Courier"));  // kept though the program never uses it
    EXPECT_TRUE(back.footnoteFont.italic && back.footnoteFont.underline && back.footnoteFont.strikeOut);
    EXPECT_FALSE(back.columnHeaders || back.pageNumbers || back.dateOnPages || back.useTotals);
    EXPECT_EQ(back.rightMargin, 2.125);
    EXPECT_EQ(back.titles[2], QStringLiteral("\u201cThird\u201d"));
    EXPECT_EQ(back.totals.items[1].label, QStringLiteral("Books:"));
    EXPECT_EQ(back.body[4].items[7].fieldNumber, 255);
    EXPECT_EQ(back.body[11].items[19].width, 150);
    // and every byte the same when written again
    EXPECT_EQ(encodeReport(back), bytes);
}

TEST(ReportRecord, WritesTheLayoutsOffsetsInLittleEndian)
{
    const QByteArray b = encodeReport(unusualReport());
    EXPECT_EQ(str(b, 0), "Caf\xE9 \x80 list");  // Windows-1252
    EXPECT_EQ(i16(b, 31), 150);
    EXPECT_EQ(str(b, 33), "Times New Roman");
    EXPECT_EQ(i32(b, 33 + 57), 0xFF);
    EXPECT_EQ(str(b, 216), "Courier");
    EXPECT_EQ(i16(b, 277 + 51), 6);
    EXPECT_EQ(u8(b, 340), 1);
    EXPECT_EQ(i16(b, 343), 12);
    EXPECT_EQ(str(b, totalsItem(1)), "Quantity");
    EXPECT_EQ(u8(b, totalsItem(1) + 31), 5);
    EXPECT_EQ(real(b, 1853), 1.75);
    EXPECT_EQ(str(b, 2041), "\x93Third\x94");
    EXPECT_EQ(i16(b, bodyItem(12, 20) + 32), 150);
    EXPECT_EQ(u8(b, 20123), 1);
    EXPECT_EQ(b.mid(20124), QByteArray(498, '\0'));
}

TEST(ReportRecord, LongTextIsCutToItsFieldAndNothingFollowsTheLength)
{
    ReportDefinition r = newReport();
    r.name = QString(35, QLatin1Char('N'));
    r.body[0].items[0].label = QString(45, QLatin1Char('L'));
    r.titles[0] = QString(90, QLatin1Char('T'));
    r.bodyFont.name = QString(60, QLatin1Char('F'));
    r.titles[1] = QStringLiteral("Short");
    const QByteArray b = encodeReport(r);
    EXPECT_EQ(str(b, 0), std::string(30, 'N'));
    EXPECT_EQ(str(b, bodyItem(1, 1) + 34), std::string(40, 'L'));
    EXPECT_EQ(str(b, 1879), std::string(80, 'T'));
    EXPECT_EQ(str(b, 155), std::string(50, 'F'));
    EXPECT_EQ(b.mid(1960 + 1 + 5, 75), QByteArray(75, '\0'));  // zeros after "Short"
    EXPECT_EQ(decodeReport(b.constData()).name, QString(30, QLatin1Char('N')));
}

TEST(ReportRecord, CharactersTheCodePageCannotHoldAreWrittenAsQuestionMarks)
{
    ReportDefinition r = newReport();
    r.name = QStringLiteral("\u0412\u043e\u0439\u043d\u0430 \U0001F600!");  // one mark for the emoji, not two
    r.body[0].items[0].label = QStringLiteral("\u4e2d:");
    const QByteArray b = encodeReport(r);
    EXPECT_EQ(str(b, 0), "????? ?!");
    EXPECT_EQ(str(b, bodyItem(1, 1) + 34), "?:");
}

TEST(ReportRecord, AnyStoredBytesAreReadSafely)
{
    QByteArray b = encodeReport(newReport());
    b[338] = 2;  // column headers
    b[340] = char(0xFF);  // landscape
    b[1877] = 0;
    putStr(b, 0, "Name");
    b[0] = char(200);  // a length byte past the name's field: read no further than 30
    for (int i = 1; i <= 30; ++i) b[i] = 'x';
    b[bodyItem(1, 1) + 34] = char(255);  // a label's length past its field, which the next item follows
    putI16(b, 31, 100);
    putI16(b, 343, 13);
    b[20122] = 0;
    b[20123] = 1;  // the second level without the first
    ReportDefinition r = decodeReport(b.constData());
    EXPECT_TRUE(r.columnHeaders);
    EXPECT_TRUE(r.landscape);
    EXPECT_FALSE(r.verticalLines);
    EXPECT_EQ(r.name, QString(30, QLatin1Char('x')));
    EXPECT_EQ(r.body[0].items[0].label.size(), 40);
    EXPECT_EQ(r.charsPerLine, 90);
    EXPECT_EQ(r.numberOfLines, 12);
    EXPECT_FALSE(r.groupLevel2);

    putI16(b, 31, 120);
    putI16(b, 343, -1);
    EXPECT_EQ(decodeReport(b.constData()).charsPerLine, 120);
    EXPECT_EQ(decodeReport(b.constData()).numberOfLines, 0);

    // a record of nothing but 0xFF bytes
    const QByteArray junk(kRecordSize, char(0xFF));
    r = decodeReport(junk.constData());
    EXPECT_EQ(r.name.size(), 30);
    EXPECT_EQ(r.titles[2].size(), 80);
    EXPECT_EQ(r.charsPerLine, 90);
    EXPECT_EQ(r.numberOfLines, 0);  // -1
    EXPECT_EQ(r.body[11].items[19].fieldNumber, 255);
    EXPECT_EQ(r.body[11].items[19].width, 0);  // -1
    EXPECT_EQ(r.topMargin, 0.5);  // all bits set is not a number
    EXPECT_TRUE(r.groupLevel1 && r.groupLevel2);
}

TEST(ReportRecord, NumbersPastTheirFieldAreStoredAtItsEndNotWrappedRound)
{
    ReportDefinition r = newReport();
    r.body[0].items[0].width = 65536;  // wrapped, 0 would end the line
    r.body[0].items[1].width = -40000;
    r.body[0].items[0].fieldNumber = 256;
    const QByteArray bytes = encodeReport(r);
    EXPECT_EQ(i16(bytes, bodyItem(1, 1) + 32), 32767);
    EXPECT_EQ(i16(bytes, bodyItem(1, 2) + 32), -32768);
    const ReportDefinition back = decodeReport(bytes.constData());
    EXPECT_EQ(back.body[0].items[0].width, 150);  // read within what the designer writes
    EXPECT_EQ(back.body[0].items[1].width, 0);
    EXPECT_EQ(back.body[0].items[0].fieldNumber, 255);
}

// Whatever a damaged or foreign report file holds, a report read from it stays within what the
// designer or the built-in reports could have written: item widths, line widths, font sizes and
// margins, each at every place it is stored.
TEST(ReportRecord, StoredValuesAreReadWithinTheirBounds)
{
    ReportDefinition r = newReport();
    for (ReportLine* line : {&r.totals, &r.body[0], &r.body[5], &r.body[11]})
        for (ReportItem& item : line->items) item.width = 32767;
    r.body[7].items[0].width = 100;
    r.body[7].items[1].width = 100;  // passes 157 in all: cut to what is left
    r.body[7].items[2].width = 30;   // after the line's end: bounded, never used
    for (ReportFont* f : {&r.titleFont, &r.headerFont, &r.bodyFont, &r.spareFont, &r.footnoteFont}) f->size = 32767;
    r.bodyFont.size = 3;
    r.topMargin = 1e9;
    r.bottomMargin = -2;
    r.leftMargin = 20;
    r.rightMargin = 20.5;
    const ReportDefinition back = decodeReport(encodeReport(r).constData());
    for (const ReportLine* line : {&back.totals, &back.body[0], &back.body[5], &back.body[11]}) {
        int sum = 0;
        for (int k = 0; k < line->usedItems(); ++k) sum += line->items[std::size_t(k)].width;
        EXPECT_EQ(line->items[0].width, 150);
        EXPECT_EQ(line->items[1].width, 7);
        EXPECT_EQ(line->usedItems(), 2);
        EXPECT_EQ(sum, 157);
        EXPECT_EQ(line->items[19].width, 150);
    }
    EXPECT_EQ(back.body[7].items[1].width, 57);
    EXPECT_EQ(back.body[7].usedItems(), 2);
    for (const ReportFont* f : {&back.titleFont, &back.headerFont, &back.bodyFont, &back.spareFont, &back.footnoteFont})
        EXPECT_EQ(f->size, 10);
    EXPECT_EQ(back.topMargin, 0.5);
    EXPECT_EQ(back.bottomMargin, 0.5);
    EXPECT_EQ(back.leftMargin, 20);
    EXPECT_EQ(back.rightMargin, 0.5);
    // the built-in reports keep every value
    for (const ReportDefinition& built : builtInReports())
        EXPECT_EQ(encodeReport(decodeReport(encodeReport(built).constData())), encodeReport(built)) << built.name.toStdString();
}

TEST(ReportRecord, TheSecondGroupLevelIsStoredOffWithoutTheFirst)
{
    ReportDefinition r = newReport();
    r.groupLevel1 = false;
    r.groupLevel2 = true;
    const QByteArray b = encodeReport(r);
    EXPECT_EQ(u8(b, 20122), 0);
    EXPECT_EQ(u8(b, 20123), 0);
}

TEST(ReportRecord, ALineEndsAtItsFirstItemWithoutWidth)
{
    ReportLine line;
    EXPECT_EQ(line.usedItems(), 0);
    for (ReportItem& item : line.items) item.width = 4;
    EXPECT_EQ(line.usedItems(), 20);
    line.items[5].width = -2;
    EXPECT_EQ(line.usedItems(), 5);
    line.items[2].width = 0;
    EXPECT_EQ(line.usedItems(), 2);
}

TEST(ReportRecord, NewAndBlankReportsStartAsTheDesignerAndTheDefaultFileExpect)
{
    const QByteArray n = encodeReport(newReport());
    EXPECT_EQ(u8(n, 0), 0);
    EXPECT_EQ(i16(n, 31), 90);
    EXPECT_EQ(i16(n, 343), 1);
    for (int font : {33, 94, 155, 216, 277}) {
        EXPECT_EQ(str(n, font), "Courier New");
        EXPECT_EQ(i16(n, font + 51), 10);
        EXPECT_EQ(u8(n, font + 53), font == 33 || font == 94 || font == 277) << font;  // bold
        EXPECT_EQ(n.mid(font + 54, 7), QByteArray(7, '\0'));
    }
    EXPECT_EQ(n.mid(338, 5), QByteArray("\x01\x01\x00\x01\x01", 5));
    EXPECT_EQ(n.mid(1877, 2), QByteArray("\x01\x01", 2));
    EXPECT_EQ(n.mid(20122, 2), QByteArray("\x01\x00", 2));
    for (int margin : {1845, 1853, 1861, 1869}) EXPECT_EQ(real(n, margin), 0.5);
    for (int line = 1; line <= 12; ++line) {
        for (int k = 1; k <= 20; ++k) {
            EXPECT_EQ(str(n, bodyItem(line, k)), "<FILLER>");
            EXPECT_EQ(i16(n, bodyItem(line, k) + 32), k == 1 ? 150 : 0);
            EXPECT_EQ(i16(n, totalsItem(k) + 32), k == 1 ? 150 : 0);
        }
    }

    const QByteArray b = encodeReport(blankReport());
    EXPECT_EQ(i16(b, 31), 120);
    for (int font : {33, 94, 155, 216, 277}) {
        EXPECT_EQ(str(b, font), "Arial");
        EXPECT_EQ(i16(b, font + 51), 8);
        EXPECT_EQ(u8(b, font + 53), 0);
    }
    EXPECT_EQ(b.mid(1877, 2), QByteArray(2, '\0'));
    // the rest as a new report
    QByteArray rest = b, fromNew = n;
    for (QByteArray* x : {&rest, &fromNew}) {
        x->remove(1877, 2);
        x->remove(31, 338 - 31);
    }
    EXPECT_EQ(rest, fromNew);
}
