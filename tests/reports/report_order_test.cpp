// SPDX-License-Identifier: GPL-2.0-or-later
// Reports take their books in the database's sort order whatever state the sort tag is in: no
// index at all (a table from another program), a tag built for another sort order, or the tag
// of the sort order itself. Each group is printed once, with totals that add up.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "find/sort_expression.h"
#include "regional/regional.h"
#include "render/page_device.h"
#include "reports/regional_guard.h"
#include "reports/report_books.h"
#include "reports/report_order.h"
#include "reports/report_run.h"
#include "store/settings.h"
#include "support/temp_dir.h"

using namespace reports;
using testing_support::Book;
using testing_support::RegionalGuard;
using testing_support::TempDir;

namespace {


QString readAll(const std::filesystem::path& path)
{
    QFile f(QString::fromStdString(path.string()));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

// The group headers of a text file, and the Cost of the TOTALS line after each.
struct Groups {
    QStringList names;
    std::vector<double> costs;
};

Groups groupsOf(const QString& text)
{
    Groups g;
    const QRegularExpression header(QStringLiteral("^ +-+\r\n +(.+)\r\n +-+\r$"), QRegularExpression::MultilineOption);
    for (auto it = header.globalMatch(text); it.hasNext();) g.names << it.next().captured(1);
    const QRegularExpression totals(QStringLiteral("^ +TOTALS\r\n +Cost: ([0-9,.]+)"), QRegularExpression::MultilineOption);
    for (auto it = totals.globalMatch(text); it.hasNext();) g.costs.push_back(it.next().captured(1).remove(u',').toDouble());
    return g;
}

// Books of three categories, mixed, with costs whose sums are known.
std::vector<Book> mixedBooks(std::map<std::string, double>* sums)
{
    std::vector<Book> books;
    const char* categories[] = {"Travel", "Mystery", "History"};
    for (int i = 0; i < 30; ++i) {
        const std::string category = categories[(i * 7) % 3];
        const int cents = 100 + i * 37;
        books.push_back({{1, std::string(1, char('Z' - i % 26)) + " book"}, {2, "Author"}, {5, category},
                         {7, std::to_string(cents / 100) + "." + std::to_string(10 + cents % 90)}});
        (*sums)[category] += cents / 100 + (10 + cents % 90) / 100.0;
    }
    return books;
}

void expectSortedGroups(const QString& text, const std::map<std::string, double>& sums)
{
    const Groups g = groupsOf(text);
    EXPECT_EQ(g.names, (QStringList {QStringLiteral("History"), QStringLiteral("Mystery"), QStringLiteral("Travel")}));
    ASSERT_EQ(g.costs.size(), 3u);  // one after each group, the last before the grand totals
    EXPECT_NEAR(g.costs[0], sums.at("History"), 0.001);
    EXPECT_NEAR(g.costs[1], sums.at("Mystery"), 0.001);
    EXPECT_NEAR(g.costs[2], sums.at("Travel"), 0.001);
}

std::vector<std::uint32_t> rowsOf(const dbase::Table& t)
{
    std::vector<std::uint32_t> rows;
    for (std::size_t r = 0; r < t.recordCount(); ++r) rows.push_back(t.recordAt(r));
    return rows;
}

}  // namespace

TEST(ReportOrder, OrdersTheBooksAsTheSortTagWouldWhenTheTableCannot)
{
    TempDir dir;
    testing_support::makeBookTable(dir.path(), {{{1, "b"}, {2, "Young"}}, {{1, "A"}, {2, "old"}}, {{1, "a"}, {2, "Old"}},
                                                {{1, "c"}, {2, "Aged"}}});
    const std::array<int, 4> byTitle {1, 0, 0, 0}, byAuthorTitle {2, 1, 0, 0};
    {
        dbase::Table t;
        t.open(dir.path(), "BOOKS.DBF", {true, false, {}});
        t.addTag("NewIndex", find::BuildSortString(byTitle).toStdString());
    }
    std::optional<std::vector<std::uint32_t>> stale;
    {
        dbase::Table tagged;
        tagged.open(dir.path(), "BOOKS.DBF", {false, true, "NewIndex"});
        // the tag of the sort order: the table's own order serves
        EXPECT_FALSE(reportOrder(tagged, byTitle));
        // a stale tag: ordered here exactly as a fresh tag would order them, equal keys in record order
        stale = reportOrder(tagged, byAuthorTitle);
        ASSERT_TRUE(stale);
        EXPECT_EQ(*stale, (std::vector<std::uint32_t> {4, 2, 3, 1}));
        // no sort order, but a tag: record order
        EXPECT_EQ(reportOrder(tagged, {}), (std::vector<std::uint32_t> {1, 2, 3, 4}));
    }
    {
        dbase::Table t;
        t.open(dir.path(), "BOOKS.DBF", {true, false, {}});
        t.deleteTag("NewIndex");
        t.addTag("NewIndex", find::BuildSortString(byAuthorTitle).toStdString());
    }
    dbase::Table fresh;
    fresh.open(dir.path(), "BOOKS.DBF", {false, true, "NewIndex"});
    EXPECT_EQ(rowsOf(fresh), *stale);
    // no tag at all: ordered here, through the table's filter
    dbase::Table plain;
    plain.open(dir.path(), "BOOKS.DBF", {false, true, {}});
    EXPECT_FALSE(reportOrder(plain, {}));
    const int title = plain.fieldIndex("TITLE");
    plain.setFilter([title](const dbase::RecordView& r) { return r.text(title) != "A"; });
    EXPECT_EQ(reportOrder(plain, byTitle), (std::vector<std::uint32_t> {3, 1, 4}));
}

TEST(ReportOrder, ManyEqualKeysKeepRecordOrderAsTheTagKeepsThem)
{
    TempDir dir;
    std::vector<Book> books;
    for (int i = 0; i < 300; ++i) books.push_back({{1, "Book " + std::to_string(i)}, {5, i % 3 == 0 ? "B" : "A"}});
    testing_support::makeBookTable(dir.path(), books);
    std::vector<std::uint32_t> inMemory;
    {
        dbase::Table plain;
        plain.open(dir.path(), "BOOKS.DBF", {false, true, {}});
        inMemory = *reportOrder(plain, {5, 0, 0, 0});
    }
    {
        dbase::Table t;
        t.open(dir.path(), "BOOKS.DBF", {true, false, {}});
        t.addTag("NewIndex", find::BuildSortString({5, 0, 0, 0}).toStdString());
    }
    dbase::Table tagged;
    tagged.open(dir.path(), "BOOKS.DBF", {false, true, "NewIndex"});
    EXPECT_EQ(inMemory, rowsOf(tagged));
    EXPECT_TRUE(std::is_sorted(inMemory.begin(), inMemory.begin() + 200));
}

TEST(ReportOrder, RunsGroupTheTableInTheSortOrderWhateverItsTag)
{
    RegionalGuard regional;
    TempDir dir;
    std::map<std::string, double> sums;
    testing_support::makeBookTable(dir.path(), mixedBooks(&sums));
    {
        dbase::Table t;  // a tag built for another sort order
        t.open(dir.path(), "BOOKS.DBF", {true, false, {}});
        t.addTag("NewIndex", find::BuildSortString({1, 0, 0, 0}).toStdString());
    }
    for (const std::string tag : {"", "NewIndex"}) {
        dbase::Table table;
        table.open(dir.path(), "BOOKS.DBF", {false, true, tag});
        RunInput in;
        const ReportDefinition report = builtInReports()[6];  // Value Report, grouped with totals
        in.report = &report;
        in.table = &table;
        in.sortLevels = {5, 0, 0, 0};
        in.mode = RunMode::TextFile;
        in.textFile = QString::fromStdString((dir / "R.TXT").string());
        render::ReportEngine engine;
        render::StreamDevice device;
        runReport(in, engine, device);
        expectSortedGroups(readAll(dir / "R.TXT"), sums);
        EXPECT_EQ(rowsOf(table).front(), tag.empty() ? 1u : 26u);  // the table's own order is left alone
    }
}

TEST(ReportOrder, TheCommandLineSortsATableWithoutIndexOrWithAStaleTagAndWritesNothingElse)
{
    RegionalGuard regional;
    TempDir dir;
    std::map<std::string, double> sums;
    const auto dbf = testing_support::makeBookTable(dir.path(), mixedBooks(&sums));
    store::DatabaseSettings settings;
    settings.sortOrder = {5, 0, 0, 0};
    store::writeDatabaseSettings(settings, QString::fromStdString((dir / "BOOKS.INI").string()));
    {
        dbase::Table t;
        t.open(dir.path(), "BOOKS.DBF", {true, false, {}});
        t.addTag("NewIndex", find::BuildSortString({1, 0, 0, 0}).toStdString());
    }
    const auto runtime = dir / "runtime";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    const auto report = [&](const std::string& out) {
        std::string said;
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME='" +
                                    dir.path().string() + "' XDG_DATA_HOME='" + dir.path().string() +
                                    "' XDG_RUNTIME_DIR='" + runtime.string() + "' '" BINDLOW_PROGRAM
                                    "' --report 'Value Report' --output '" + (dir / out).string() +
                                    "' --database '" + dbf.string() + "' 2>&1";
        EXPECT_EQ(testing_support::run(command, &said), 0) << said;
        return readAll(dir / out);
    };
    const auto bytesOf = [&](const char* name) { return readAll(dir / name); };

    // a tag built for another sort order
    const QString table = bytesOf("BOOKS.DBF"), index = bytesOf("BOOKS.MDX");
    expectSortedGroups(report("stale.txt"), sums);
    EXPECT_EQ(bytesOf("BOOKS.DBF"), table);
    EXPECT_EQ(bytesOf("BOOKS.MDX"), index);

    // an index that cannot be read: the report is still made, in the sort order
    {
        std::fstream f(dir / "BOOKS.MDX", std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(0);
        f.write(std::string(600, '\xFF').data(), 600);
    }
    expectSortedGroups(report("broken.txt"), sums);

    // no index at all, as another dBASE program may leave a table
    std::filesystem::remove(dir / "BOOKS.MDX");
    {
        std::fstream f(dbf, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(28);
        f.put('\0');
    }
    const QString bare = bytesOf("BOOKS.DBF");
    expectSortedGroups(report("bare.txt"), sums);
    EXPECT_EQ(bytesOf("BOOKS.DBF"), bare);
    EXPECT_FALSE(std::filesystem::exists(dir / "BOOKS.MDX"));
}

TEST(ReportOrder, PdfFilesCarryTheReportsNameAndTheProgram)
{
    RegionalGuard regional;
    TempDir dir;
    testing_support::makeBookTable(dir.path(), {{{1, "One"}}});
    dbase::Table table;
    table.open(dir.path(), "BOOKS.DBF", {false, true, {}});
    const ReportDefinition report = builtInReports()[4];
    RunInput in;
    in.report = &report;
    in.table = &table;
    in.mode = RunMode::Print;
    const std::string pdf = (dir / "out.pdf").string();
    render::PdfDevice device(QString::fromStdString(pdf));
    device.setDocumentTitle(report.name);
    render::ReportEngine engine;
    runReport(in, engine, device);
    EXPECT_EQ(engine.jobTitle(), QStringLiteral("Test Report"));
    std::string info;
    ASSERT_EQ(testing_support::run("pdfinfo '" + pdf + "'", &info), 0);
    EXPECT_NE(info.find("Title:           Location Report\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Creator:         Bindlow Books 97\n"), std::string::npos) << info;
}
