// SPDX-License-Identifier: GPL-2.0-or-later
// Reports on paper against their text file: values printed whole, totals of a large collection,
// rows per page, landscape pages, groups and the fonts of what is drawn.
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <map>
#include <gtest/gtest.h>

#include "regional/regional.h"
#include "render/page_device.h"
#include "reports/cell_room.h"
#include "reports/regional_guard.h"
#include "reports/report_books.h"
#include "reports/report_run.h"
#include "store/field_table.h"
#include "support/temp_dir.h"

using namespace reports;
using testing_support::Book;
using testing_support::RegionalGuard;
using testing_support::TempDir;

namespace {


RunInput inputFor(const ReportDefinition& report, const dbase::Table& table, std::array<int, 4> levels)
{
    RunInput in;
    in.report = &report;
    in.table = &table;
    in.sortLevels = levels;
    for (int n = 1; n <= 36; ++n) in.displayNames[std::size_t(n - 1)] = QString::fromLatin1(store::fieldDef(n).displayName);
    in.today = {1997, 3, 1};
    return in;
}

// One report over the table in dir, as a text file and as recorded pages.
struct Both {
    QStringList textPages;
    render::StreamDevice pages;
};

void runBoth(const TempDir& dir, const ReportDefinition& r, std::array<int, 4> levels, Both& out)
{
    dbase::Table table;
    table.open(dir.path(), "BOOKS.DBF", {false, true, {}});
    RunInput in = inputFor(r, table, levels);
    render::ReportEngine engine;
    runReport(in, engine, out.pages);
    in.mode = RunMode::TextFile;
    in.textFile = QString::fromStdString((dir / "REPORT.TXT").string());
    render::StreamDevice pagination;
    runReport(in, engine, pagination);
    QFile f(in.textFile);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    out.textPages = QString::fromLatin1(f.readAll()).split(QChar(12) + QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

QString pageText(const render::StreamDevice& pages, int n)
{
    QStringList texts;
    for (const auto& t : pages.textsOn(n)) texts << t.text;
    return texts.join(u' ');
}

// The numbers, dates, "Yes"/"No" and "#" fills of a text, without group separators.
QStringList valueTokens(const QString& text)
{
    static const QRegularExpression token(QStringLiteral("[0-9][0-9,./-]*[0-9]|[0-9]|(?<![A-Za-z])(Yes|No|Ye)(?![A-Za-z])|#+"));
    QStringList out;
    for (auto it = token.globalMatch(text); it.hasNext();) out << it.next().captured().remove(u',');
    out.sort();
    return out;
}

// Texts drawn on one line never run into each other.
void expectNoOverlaps(const render::StreamDevice& pages, const QString& name)
{
    QImage measure(1, 1, QImage::Format_RGB32);
    measure.setDotsPerMeterX(qRound(1200 / 0.0254));
    measure.setDotsPerMeterY(qRound(1200 / 0.0254));
    for (int p = 0; p < pages.pageCount(); ++p) {
        std::map<long, std::vector<std::pair<double, double>>> lines;  // baseline → (left, right)
        for (const auto& t : pages.textsOn(p)) {
            const double width = QFontMetricsF(t.font, &measure).horizontalAdvance(t.text) / 1200;
            lines[std::lround(t.at.y() * 1000)].push_back({t.at.x(), t.at.x() + width});
        }
        for (auto& [y, spans] : lines) {
            std::sort(spans.begin(), spans.end());
            for (std::size_t k = 1; k < spans.size(); ++k)
                EXPECT_LE(spans[k - 1].second, spans[k].first + 1e-6)
                    << name.toStdString() << ", page " << p + 1 << ", line at " << y / 1000.0;
        }
    }
}

void expectSameValues(const Both& both, const QString& name)
{
    expectNoOverlaps(both.pages, name);
    ASSERT_EQ(both.textPages.size(), both.pages.pageCount()) << name.toStdString();
    for (int p = 0; p < both.pages.pageCount(); ++p) {
        const QStringList onPaper = valueTokens(pageText(both.pages, p));
        EXPECT_EQ(onPaper.join(u' ').toStdString(), valueTokens(both.textPages[p]).join(u' ').toStdString())
            << name.toStdString() << ", page " << p + 1;
        EXPECT_FALSE(onPaper.join(u' ').contains(u'#')) << name.toStdString() << ", page " << p + 1;
    }
}

}  // namespace

TEST(ReportPaper, EveryBuiltInReportPrintsOnPaperWhatTheTextFilePrintsWhole)
{
    RegionalGuard regional;
    TempDir dir;
    testing_support::makeBookTable(dir.path(), testing_support::generatedBooks(240, 7));
    for (const ReportDefinition& r : builtInReports()) {
        Both both;
        runBoth(dir, r, {5, 0, 0, 0}, both);
        expectSameValues(both, r.name);
    }
}

TEST(ReportPaper, TotalsOfALargeCollectionStayReadable)
{
    RegionalGuard regional;
    TempDir dir;
    std::vector<Book> books(10, Book {{1, "Costly"}, {5, "Rare"}, {7, "99999999.99"}, {8, "99999999.99"},
                                      {29, "99999999.99"}, {30, "99999999.99"}});
    books.push_back({{1, "Cheap"}, {5, "Rare"}, {7, "0.09"}, {8, "0.09"}, {29, "0.09"}, {30, "0.09"}});
    testing_support::makeBookTable(dir.path(), books);
    for (const ReportDefinition& r : builtInReports()) {
        if (!r.useTotals) continue;
        Both both;
        runBoth(dir, r, {5, 0, 0, 0}, both);
        expectSameValues(both, r.name);
        const QString text = both.textPages.join(QStringLiteral("\r\n"));
        EXPECT_FALSE(text.contains(u'#')) << r.name.toStdString();
        // four totals on the group's line and four on the grand line, all whole
        EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("\\b999,?999,?999\\.99\\b"))), 8) << r.name.toStdString();
        // no cell runs into the next one
        const auto runTogether = QRegularExpression(QStringLiteral("[^\r\n]*[0-9][A-Za-z][^\r\n]*")).match(text);
        EXPECT_FALSE(runTogether.hasMatch()) << r.name.toStdString() << ": " << runTogether.captured().toStdString();
    }
}

TEST(ReportPaper, ALineWhoseValuesFitKeepsItsLayoutAndACutValueLeavesABlank)
{
    RegionalGuard regional;
    TempDir dir;
    const std::string title = "A Very Long Title That Runs Well Past Its Cell Of Forty Two";
    testing_support::makeBookTable(dir.path(), {{{1, title}, {7, "16.70"}, {8, "1234567.00"}},
                                                {{1, "Short"}, {7, "12345678.00"}, {8, "2.00"}}});
    ReportDefinition r = builtInReports()[6];  // Value Report: Title 42, four amounts of 12 back to back
    r.useTotals = false;
    r.columnHeaders = false;
    Both both;
    runBoth(dir, r, {}, both);
    const QStringList lines = both.textPages.value(0).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0].left(54).toStdString(),
              (title.substr(0, 41) + " " + "16.70       ").c_str());
    EXPECT_EQ(lines[0].mid(54, 12), QStringLiteral("1,234,567.00"));
    // a value longer than its cell with no blank after it drops its group separators
    EXPECT_EQ(lines[1].mid(42, 12), QStringLiteral("12345678.00 "));
    EXPECT_EQ(lines[1].mid(54, 4), QStringLiteral("2.00"));
}

TEST(ReportPaper, RoomIsLentByNeighboursAndTheLinesEnd)
{
    // a cell short of room takes it from the filler after it, without moving the cells beyond
    auto widths = shareRoom({{1.0, 1.2, 0}, {0.5, 0, 0.5}, {1.0, 0, 0}}, 2.5);
    EXPECT_DOUBLE_EQ(widths[0], 1.2);
    EXPECT_DOUBLE_EQ(widths[1], 0.3);
    EXPECT_DOUBLE_EQ(widths[2], 1.0);
    // then from the line's unused end, then from before it
    widths = shareRoom({{1.0, 0, 0.3}, {1.0, 1.5, 0}, {0.5, 0, 0.1}}, 2.6);
    EXPECT_DOUBLE_EQ(widths[2], 0.4);
    EXPECT_DOUBLE_EQ(widths[1], 1.0 + 0.1 + 0.1 + 0.3);
    EXPECT_DOUBLE_EQ(widths[0], 0.7);
    // what nobody can lend stays short; a line that fits is left as it is
    widths = shareRoom({{1.0, 2.0, 0}, {1.0, 0, 0}}, 2.0);
    EXPECT_DOUBLE_EQ(widths[0], 1.0);
    EXPECT_EQ(shareRoom({{1.0, 0.9, 0.1}, {1.0, 1.0, 0}}, 2.0), (std::vector<double> {1.0, 1.0}));
    // a cell that is short itself lends nothing
    EXPECT_EQ(shareRoom({{1.0, 1.2, 0}, {0.5, 0.8, -0.3}}, 1.5), (std::vector<double> {1.0, 0.5}));
    // a lender gives no more than it has, to one borrower or several
    widths = shareRoom({{1.0, 1.2, 0}, {0.3, 0, 0.3}, {1.0, 1.2, 0}}, 2.3);
    EXPECT_DOUBLE_EQ(widths[0] + widths[1] + widths[2], 2.3);
    EXPECT_GE(widths[1], 0.0);
}

TEST(ReportPaper, ShortValuesArePrintedWholeWhenNoNeighbourHasRoomToLend)
{
    RegionalGuard regional;
    TempDir dir;
    testing_support::makeBookTable(dir.path(), {{{1, "Alpha"}, {17, "Yes"}, {3, "1931"}, {2, "Penn, Ada"}, {24, "1415"}}});
    ReportDefinition r = builtInReports()[0];  // one line, 90 characters, 10 points
    r.useTotals = false;
    r.columnHeaders = false;
    ReportLine& line = r.body[0];
    line = ReportLine();
    const int widths[] = {40, 3, 4, 43};
    const int fields[] = {1, 17, 3, 2};
    for (int k = 0; k < 4; ++k) {
        line.items[std::size_t(k)].name = QStringLiteral("F");
        line.items[std::size_t(k)].fieldNumber = fields[k];
        line.items[std::size_t(k)].width = widths[k];
    }
    Both both;
    runBoth(dir, r, {}, both);
    const QString paper = pageText(both.pages, 0);
    EXPECT_TRUE(paper.contains(QStringLiteral(" Yes "))) << paper.toStdString();
    EXPECT_TRUE(paper.contains(QStringLiteral(" 1931 "))) << paper.toStdString();

    // at 120 characters and 8 points a grouped number keeps its separators where it fits in characters
    r.charsPerLine = 120;
    r.bodyFont.size = 8;
    line.items[1].fieldNumber = 24;
    line.items[1].width = 5;
    line.items[3].width = 71;
    Both narrow;
    runBoth(dir, r, {}, narrow);
    EXPECT_TRUE(pageText(narrow.pages, 0).contains(QStringLiteral(" 1,415 "))) << pageText(narrow.pages, 0).toStdString();
}

TEST(ReportPages, RowsPerPageFillEveryLineOfTheBody)
{
    RegionalGuard regional;
    TempDir dir;
    std::vector<Book> books;
    for (int i = 0; i < 200; ++i) books.push_back({{1, "Book " + std::string(1, char('A' + i % 26))}});
    testing_support::makeBookTable(dir.path(), books);
    ReportDefinition r = builtInReports()[4];  // Location Report: one line, column headers, no totals
    r.groupLevel1 = false;
    Both both;
    runBoth(dir, r, {}, both);

    render::ReportEngine measure;
    render::FontStyle body;
    body.name = r.bodyFont.name;
    body.pointSize = r.bodyFont.size;
    measure.setFont(body);
    // the body runs from 1.25 inches to 0.75 inch above the bottom margin; one line is the headers
    const int rows = int((11.0 - r.bottomMargin - 0.75 - 1.25) / measure.lineHeight() + 1e-9) - 1;
    ASSERT_GE(both.pages.pageCount(), 3);
    EXPECT_EQ(both.pages.pageCount(), (200 + rows - 1) / rows);
    for (int p = 0; p + 1 < both.pages.pageCount(); ++p) {
        EXPECT_EQ(both.textPages[p].count(QStringLiteral("Book ")), rows) << "page " << p + 1;
        EXPECT_EQ(pageText(both.pages, p).count(QStringLiteral("Book ")), rows) << "page " << p + 1;
    }
}

TEST(ReportPages, LandscapePagesAreLaidOutAcrossTheLongSide)
{
    RegionalGuard regional;
    TempDir dir;
    testing_support::makeBookTable(dir.path(), testing_support::generatedBooks(60, 3));
    ReportDefinition r = builtInReports()[3];  // Full Report
    Both portrait, landscape;
    runBoth(dir, r, {}, portrait);
    r.landscape = true;
    runBoth(dir, r, {}, landscape);
    EXPECT_EQ(landscape.pages.orientation(), QPageLayout::Landscape);
    EXPECT_DOUBLE_EQ(landscape.pages.pageSizeInches().width(), 11.0);
    double widest = 0, lowest = 0;
    for (const auto& t : landscape.pages.textsOn(0)) {
        widest = std::max(widest, t.at.x());
        lowest = std::max(lowest, t.at.y());
    }
    EXPECT_GT(widest, 8.6);   // past a portrait page's edge
    EXPECT_LT(lowest, 8.5);   // the footer sits above the short side's end
    EXPECT_GT(landscape.pages.pageCount(), portrait.pages.pageCount());
    EXPECT_EQ(landscape.textPages.size(), landscape.pages.pageCount());
}

TEST(ReportGroups, OnlyTheFirstLevelWhenTheSecondIsOffAndWithoutRegardToCase)
{
    RegionalGuard regional;
    TempDir dir;
    testing_support::makeBookTable(dir.path(), {{{1, "One"}, {2, "Baker"}, {5, "Crafts"}},
                                                {{1, "Two"}, {2, "Adams"}, {5, "crafts"}},
                                                {{1, "Three"}, {2, "Cole"}, {5, "CRAFTS"}},
                                                {{1, "Four"}, {2, "Adams"}, {5, "History"}},
                                                {{1, "Five"}, {2, "Baker"}, {5, "History"}}});
    ReportDefinition r = builtInReports()[6];  // Value Report, grouped on the first level
    Both both;
    runBoth(dir, r, {5, 0, 2, 0}, both);
    const QString text = both.textPages.join(QString());
    const QRegularExpression header(QStringLiteral("^ +-+\r\n +(.+)\r\n +-+\r$"), QRegularExpression::MultilineOption);
    QStringList groups;
    for (auto it = header.globalMatch(text); it.hasNext();) groups << it.next().captured(1);
    EXPECT_EQ(groups, (QStringList {QStringLiteral("crafts"), QStringLiteral("History")}));
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("^ +TOTALS\r$"), QRegularExpression::MultilineOption)), 2);

    r.groupLevel2 = true;
    Both two;
    runBoth(dir, r, {5, 0, 2, 0}, two);
    const QString twoText = two.textPages.join(QString());
    groups.clear();
    for (auto it = header.globalMatch(twoText); it.hasNext();) groups << it.next().captured(1);
    EXPECT_EQ(groups, (QStringList {QStringLiteral("crafts, Adams"), QStringLiteral("Crafts, Baker"),
                                    QStringLiteral("CRAFTS, Cole"), QStringLiteral("History, Adams"),
                                    QStringLiteral("History, Baker")}));
}

TEST(ReportPages, TextIsDrawnInTheReportsFontsAndKeepsClearOfItsCellsBorders)
{
    RegionalGuard regional;
    TempDir dir;
    testing_support::makeBookTable(dir.path(), {{{1, "Alpha"}, {3, "1931"}, {2, "Penn, Ada"}}});
    ReportDefinition r = builtInReports()[0];  // Short Narrow Report
    r.titles[0] = QStringLiteral("My Books");
    r.titleFont.bold = true;
    r.titleFont.size = 14;
    r.headerFont.italic = true;
    r.footnoteFont.underline = true;
    r.bodyFont.bold = false;
    Both both;
    runBoth(dir, r, {}, both);
    const auto texts = both.pages.textsOn(0);
    const auto find = [&](const QString& s) {
        for (const auto& t : texts)
            if (t.text == s) return t;
        ADD_FAILURE() << "not drawn: " << s.toStdString();
        return render::StreamDevice::DrawnText {};
    };
    const auto title = find(QStringLiteral("My Books"));
    EXPECT_TRUE(title.font.bold());
    EXPECT_EQ(title.font.pointSize(), 14);
    EXPECT_TRUE(find(QStringLiteral("Title")).font.italic());
    const auto alpha = find(QStringLiteral("Alpha"));
    EXPECT_FALSE(alpha.font.bold());
    EXPECT_FALSE(alpha.font.italic());
    EXPECT_TRUE(find(QStringLiteral("Page 1")).font.underline());
    // the first cell starts at the left margin; its text 0.02 inch inside the cell's border
    EXPECT_NEAR(alpha.at.x(), r.leftMargin + 0.02, 1e-9);
}
