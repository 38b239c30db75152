// SPDX-License-Identifier: GPL-2.0-or-later
// Whole reports over a small fixed table: the text file against golden copies, page breaks in
// every mode, totals, groups, cells too narrow for their values, and runs that must stop.
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "regional/regional.h"
#include "render/page_device.h"
#include "reports/regional_guard.h"
#include "reports/report_books.h"
#include "reports/report_run.h"
#include "support/temp_dir.h"

using namespace reports;
using testing_support::Book;
using testing_support::RegionalGuard;
using testing_support::TempDir;

namespace {

const dbase::Date kToday {1997, 3, 1};

std::vector<Book> sampleBooks()
{
    // in Category, Author order, as a sort on those two levels would give them
    return {
        {{1, "The Art of Binding"}, {2, "Adams, Ruth"}, {3, "1931"}, {5, "Crafts"}, {7, "12.50"}, {8, "40.00"},
         {29, "30.00"}, {30, "55.00"}, {24, "212"}, {12, "19960412"}, {11, "Good"}, {13, "Hardcover"}},
        {{1, "Marbled Papers"}, {2, "Adams, Ruth"}, {3, "1935"}, {5, "Crafts"}, {7, "8.00"}, {8, "22.50"},
         {24, "96"}, {13, "Paperback"}},
        {{1, "Gilding and Tooling, a Practical Handbook for the Amateur Binder"}, {2, "Baker, Tom"},
         {3, "1950"}, {5, "crafts"}, {7, "1234.50"}, {8, "2000.00"}, {24, "1450"}},
        {{1, "Letters from Lisbon"}, {2, "Costa, Ines"}, {3, "1888"}, {5, "History"}, {7, "75.00"},
         {8, "310.00"}, {29, "250.00"}, {30, "400.00"}, {25, "Shelf 4"}, {17, "Yes"}, {18, "19970220"},
         {19, "Martha"}},
        {{1, "A Short History of Paper"}, {2, "Dunn, Alan"}, {3, "1972"}, {5, "History"}, {7, "19.95"},
         {8, "15.00"}, {25, "Shelf 1"}},
        {{1, "Rivers of England"}, {2, "Dunn, Alan"}, {3, "1968"}, {5, "Travel"}, {24, "340"}},
    };
}

QString readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("<missing>");
    return QString::fromLatin1(f.readAll());
}

struct TextRun {
    QString text;
    RunResult result;
};

RunInput inputFor(const ReportDefinition& report, const dbase::Table& table, std::array<int, 4> levels = {})
{
    RunInput in;
    in.report = &report;
    in.table = &table;
    in.sortLevels = levels;
    for (int i = 0; i < 36; ++i) in.displayNames[std::size_t(i)] = QStringLiteral("Field %1").arg(i + 1);
    in.displayNames[0] = QStringLiteral("Title");
    in.displayNames[1] = QStringLiteral("Author");
    in.displayNames[2] = QStringLiteral("Year Pub");
    in.displayNames[6] = QStringLiteral("Cost");
    in.displayNames[7] = QStringLiteral("Value");
    in.today = kToday;
    return in;
}

TextRun textRun(const TempDir& dir, const ReportDefinition& report, const std::vector<Book>& books,
                std::array<int, 4> levels = {})
{
    testing_support::makeBookTable(dir.path(), books);
    dbase::Table table;
    table.open(dir.path(), "BOOKS.DBF", {false, true, {}});
    RunInput in = inputFor(report, table, levels);
    in.mode = RunMode::TextFile;
    in.textFile = QString::fromStdString((dir / "REPORT.TXT").string());
    render::ReportEngine engine;
    render::StreamDevice device;
    TextRun out;
    out.result = runReport(in, engine, device);
    out.text = readText(in.textFile);
    return out;
}

// Compares with tests/reports/golden/name; BINDLOW_UPDATE_GOLDEN=1 writes the copy instead.
void expectGolden(const QString& text, const char* name)
{
    const QString path = QStringLiteral(SOURCE_DIR "/reports/golden/") + QString::fromLatin1(name);
    if (qEnvironmentVariableIsSet("BINDLOW_UPDATE_GOLDEN")) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.toLatin1());
        return;
    }
    EXPECT_EQ(text.toStdString(), readText(path).toStdString()) << "golden copy " << name;
}


QStringList pagesOf(const QString& text) { return text.split(QChar(12) + QStringLiteral("\r\n"), Qt::SkipEmptyParts); }

ReportDefinition oneLine(std::initializer_list<std::tuple<int, int>> fields)
{
    ReportDefinition r = blankReport();
    r.charsPerLine = 90;
    r.numberOfLines = 1;
    r.columnHeaders = true;
    int k = 0;
    for (auto [number, width] : fields) {
        ReportItem& item = r.body[0].items[std::size_t(k++)];
        item.name = QStringLiteral("F%1").arg(number);
        item.fieldNumber = number;
        item.width = width;
    }
    r.body[0].items[std::size_t(k)].width = 0;
    r.totals = builtInReports()[0].totals;
    return r;
}

}  // namespace

TEST(ReportText, BuiltInReportsOverTheSampleBooks)
{
    RegionalGuard regional;
    const auto reports = builtInReports();
    {
        TempDir dir;  // one line, column headers, no sort order: no groups
        expectGolden(textRun(dir, reports[0], sampleBooks()).text, "short_narrow.txt");
    }
    {
        TempDir dir;
        expectGolden(textRun(dir, reports[2], sampleBooks()).text, "four_line.txt");
    }
    {
        TempDir dir;  // no lines: the totals alone
        expectGolden(textRun(dir, reports[7], sampleBooks()).text, "statistic.txt");
    }
}

TEST(ReportText, GroupsOnTwoLevelsWithTheirTotals)
{
    RegionalGuard regional;
    TempDir dir;
    ReportDefinition r = builtInReports()[6];  // Value Report
    r.groupLevel2 = true;
    // "crafts" and "Crafts" are one group, as the sort key orders them; a new author opens a
    // new group within the category
    const TextRun out = textRun(dir, r, sampleBooks(), {5, 0, 2, 0});
    expectGolden(out.text, "groups_two_levels.txt");
    EXPECT_EQ(out.text.count(QStringLiteral("Crafts, Adams, Ruth")), 1);
    EXPECT_EQ(out.text.count(QStringLiteral("GRAND TOTALS")), 1);
    // the first group prints no totals before it; each later group break does
    EXPECT_EQ(out.text.count(QRegularExpression(QStringLiteral("^ +TOTALS\r$"), QRegularExpression::MultilineOption)), 5);
}

TEST(ReportText, EmptyTableStillPrintsItsHeadersAndZeroTotals)
{
    RegionalGuard regional;
    TempDir dir;
    const TextRun out = textRun(dir, builtInReports()[0], {});
    EXPECT_TRUE(out.result.completed);
    EXPECT_EQ(out.result.pages, 1);
    EXPECT_TRUE(out.text.startsWith(QStringLiteral("Title")));
    EXPECT_TRUE(out.text.contains(QStringLiteral("GRAND TOTALS")));
    EXPECT_TRUE(out.text.contains(QStringLiteral("     Cost: 0.00          Value: 0.00 ")));
    EXPECT_TRUE(out.text.endsWith(QStringLiteral("Page 1          3/1/97") + QChar(12) + QStringLiteral("\r\n")));

    // "Page Numbers" off: the footer leaves the number out and keeps its place
    ReportDefinition r = builtInReports()[0];
    r.pageNumbers = false;
    TempDir other;
    const TextRun unnumbered = textRun(other, r, {});
    EXPECT_FALSE(unnumbered.text.contains(QStringLiteral("Page ")));
    EXPECT_TRUE(unnumbered.text.endsWith(QStringLiteral("          3/1/97") + QChar(12) + QStringLiteral("\r\n")));
}

TEST(ReportText, GrandTotalsThatDoNotFitGetAPageOfTheirOwn)
{
    RegionalGuard regional;
    const Book book {{1, "Filler"}, {7, "1.00"}};
    bool found = false;
    for (int n = 30; n < 90 && !found; ++n) {
        TempDir dir;
        const TextRun out = textRun(dir, builtInReports()[0], std::vector<Book>(std::size_t(n), book));
        const QStringList pages = pagesOf(out.text);
        ASSERT_EQ(pages.size(), out.result.pages);
        if (pages.size() < 2 || pages.last().contains(QStringLiteral("Filler"))) continue;
        found = true;
        EXPECT_TRUE(pages.last().contains(QStringLiteral("GRAND TOTALS")));
        EXPECT_FALSE(pages[pages.size() - 2].contains(QStringLiteral("TOTALS")));
        EXPECT_TRUE(pages.last().contains(QStringLiteral("Quantity")) || pages.last().contains(QString::number(n)));
    }
    EXPECT_TRUE(found) << "no number of books pushed the grand totals onto a page of their own";
}

TEST(ReportText, NumbersAreNeverCutIntoOtherNumbers)
{
    RegionalGuard regional;
    TempDir dir;
    ReportDefinition r = oneLine({{1, 5}, {7, 4}, {8, 10}});
    r.useTotals = false;
    const QString text = textRun(dir, r, {{{1, "The Great Gatsby"}, {7, "1234.50"}, {8, "1234.50"}}}).text;
    // the cut title leaves a blank before the "#" of a number too long for its cell
    EXPECT_TRUE(text.contains(QStringLiteral("The  ### 1,234.50"))) << text.toStdString();
}

TEST(ReportText, TotalsAddTheNumbersWhateverTheDecimalMark)
{
    RegionalGuard regional;
    regional::current().system = {u',', u'.', 2, 2};
    regional::current().currencyFormat = 2;
    regional::current().numericFormat = 2;
    TempDir dir;
    const TextRun out = textRun(dir, oneLine({{1, 30}, {7, 12}}),
                                {{{1, "One"}, {7, "1234.50"}}, {{1, "Two"}, {7, "10.25"}}, {{1, "Three"}}});
    EXPECT_TRUE(out.text.contains(QStringLiteral("1.234,50")));
    EXPECT_TRUE(out.text.contains(QStringLiteral("1.244,75")));  // grand total of Cost
}

TEST(ReportPages, TextFileAndRecordedPagesBreakAtTheSamePlaces)
{
    RegionalGuard regional;
    TempDir dir;
    std::vector<Book> books;
    for (int i = 0; i < 40; ++i) books.push_back({{1, "Book " + std::to_string(i)}, {2, "Author"}, {5, i < 20 ? "A" : "B"}});
    for (const ReportDefinition& r : builtInReports()) {
        const TextRun text = textRun(dir, r, books, {5, 0, 0, 0});
        dbase::Table table;
        table.open(dir.path(), "BOOKS.DBF", {false, true, {}});
        RunInput in = inputFor(r, table, {5, 0, 0, 0});
        render::ReportEngine engine;
        render::StreamDevice device;
        const RunResult viewed = runReport(in, engine, device);
        EXPECT_EQ(device.pageCount(), viewed.pages);
        EXPECT_EQ(viewed.pages, pagesOf(text.text).size()) << r.name.toStdString();
        EXPECT_EQ(viewed.pages, text.result.pages) << r.name.toStdString();
    }
}

TEST(ReportPages, PdfHoldsTheSamePagesAndItsTextReadsBack)
{
    RegionalGuard regional;
    TempDir dir;
    std::vector<Book> books;
    for (int i = 0; i < 150; ++i) books.push_back({{1, "Volume " + std::to_string(i)}, {2, "Writer"}, {7, "2.00"}});
    testing_support::makeBookTable(dir.path(), books);
    dbase::Table table;
    table.open(dir.path(), "BOOKS.DBF", {false, true, {}});
    const ReportDefinition r = builtInReports()[0];
    RunInput in = inputFor(r, table);
    render::ReportEngine engine;
    render::StreamDevice stream;
    const int streamed = runReport(in, engine, stream).pages;
    const QString pdf = QString::fromStdString((dir / "out.pdf").string());
    render::PdfDevice device(pdf);
    in.mode = RunMode::Print;
    EXPECT_EQ(runReport(in, engine, device).pages, streamed);
    std::string info, text;
    ASSERT_EQ(testing_support::run("pdfinfo '" + pdf.toStdString() + "'", &info), 0);
    EXPECT_NE(info.find("Pages:           " + std::to_string(streamed) + "\n"), std::string::npos) << info;
    ASSERT_EQ(testing_support::run("pdftotext -layout '" + pdf.toStdString() + "' -", &text), 0);
    EXPECT_NE(text.find("Volume 149"), std::string::npos);
    EXPECT_NE(text.find("GRAND TOTALS"), std::string::npos);
    EXPECT_NE(text.find("300.00"), std::string::npos);  // the Cost of all 150
    EXPECT_NE(text.find("Page 1"), std::string::npos);
}

TEST(ReportRun, EndsWhateverTheLayoutAndSaysWhenNoLineFits)
{
    RegionalGuard regional;
    TempDir dir;
    testing_support::makeBookTable(dir.path(), sampleBooks());
    dbase::Table table;
    table.open(dir.path(), "BOOKS.DBF", {false, true, {}});
    ReportDefinition r = builtInReports()[3];  // Full Report: 10 lines a book
    r.bottomMargin = 8.2;                      // a body of about 1 inch: less than a book needs
    RunInput in = inputFor(r, table);
    render::ReportEngine engine;
    render::StreamDevice device;
    const RunResult squeezed = runReport(in, engine, device);
    EXPECT_TRUE(squeezed.completed);
    EXPECT_GE(squeezed.pages, 6);
    EXPECT_LE(squeezed.pages, 6 + 3);

    const auto expectNoRoom = [&](const char* what) {
        try {
            runReport(in, engine, device);
            FAIL() << what << " was run";
        } catch (const ReportRunError& e) {
            EXPECT_STREQ(e.what(), "The margins and fonts of this report leave no room for a line on the page.  "
                                   "Make the margins or the fonts smaller.");
        }
    };
    r.bottomMargin = 0.5;
    r.leftMargin = r.rightMargin = 4.2;
    expectNoRoom("a report without room for a character across the page");
    r.leftMargin = r.rightMargin = 0.5;
    r.bottomMargin = 9.2;
    expectNoRoom("a body without room for one line");
}

TEST(ReportRun, CancelAndFailedWritesLeaveNoTextFile)
{
    RegionalGuard regional;
    TempDir dir;
    std::vector<Book> books(200, Book {{1, "Many"}});
    testing_support::makeBookTable(dir.path(), books);
    dbase::Table table;
    table.open(dir.path(), "BOOKS.DBF", {false, true, {}});
    const ReportDefinition r = builtInReports()[0];
    RunInput in = inputFor(r, table);
    in.mode = RunMode::TextFile;
    in.textFile = QString::fromStdString((dir / "CANCEL.TXT").string());
    render::ReportEngine engine;
    engine.setStatusListener([&](const QString& status) {
        if (status == QLatin1String("Printing Page 2")) engine.abort();
    });
    render::StreamDevice device;
    const RunResult cancelled = runReport(in, engine, device);
    EXPECT_FALSE(cancelled.completed);
    EXPECT_EQ(cancelled.pages, 2);
    EXPECT_FALSE(QFile::exists(in.textFile));

    engine.setStatusListener({});
    in.textFile = QString::fromStdString((dir / "missing" / "R.TXT").string());
    EXPECT_THROW(runReport(in, engine, device), ReportRunError);
    EXPECT_FALSE(QFile::exists(in.textFile));
}
