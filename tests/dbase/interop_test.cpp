// SPDX-License-Identifier: GPL-2.0-or-later
// What the engine writes, read back by independent readers: python3-dbfread for the values,
// Perl's XBase::Index (through mdx-dump.pl) for the index order.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "dbase/mdx.h"
#include "dbase/table.h"
#include "support/temp_dir.h"

using namespace dbase;
using testing_support::run;
using testing_support::fixturesDir;
using testing_support::toolsDir;
using testing_support::TempDir;

namespace {

const std::string kTool = BINDLOW_DBF_TOOL;
const std::string kCompare = std::string(SOURCE_DIR) + "/dbase/compare_with_dbfread.py";
const std::string kMdxDump = (toolsDir() / "mdx-dump.pl").string();
const std::string kGenBooks = (toolsDir() / "gen-books.py").string();

std::string q(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

// Record numbers in the tag's order as Perl's reader walks it, with its order check.
std::vector<std::uint32_t> perlOrder(const std::filesystem::path& mdx, const std::string& tag, int* status)
{
    std::string out;
    *status = run(kMdxDump + " " + q(mdx) + " " + tag + " 2>/dev/null", &out);
    std::vector<std::uint32_t> recs;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) recs.push_back(std::uint32_t(std::stoul(line.substr(0, line.find('\t')))));
    return recs;
}

std::vector<std::uint32_t> ourOrder(Table& t)
{
    std::vector<std::uint32_t> out;
    for (std::size_t i = 0; i < t.recordCount(); ++i) out.push_back(t.recordAt(i));
    return out;
}

void expectDbfreadAgrees(const std::filesystem::path& dbf, const TempDir& dir)
{
    ASSERT_EQ(run(kTool + " dump " + q(dbf) + " > " + q(dir / "ours.txt")), 0);
    std::string report;
    EXPECT_EQ(run("/usr/bin/python3 " + kCompare + " " + q(dir / "ours.txt") + " " + q(dbf) + " 2>&1", &report), 0)
        << report;
    // the independent dump tool warns about any structural fault (size, terminator, end mark)
    EXPECT_EQ(run((toolsDir() / "dbf-dump.py").string() + " --no-records " + q(dbf) + " >/dev/null 2>&1"), 0);
}

}  // namespace

TEST(Interop, DbfreadReadsEveryValueTheEngineWrites)
{
    TempDir dir;
    Table::create(dir.path(), "BOOKS",
                  {NewField::string("Title", 90), NewField::integer("YearPub"), NewField::floating("Cost"),
                   NewField::date("PurchDate"), NewField::string("CheckOut", 3), NewField::logical("Signed")});
    Table t;
    t.open(dir.path(), "BOOKS");
    struct Row {
        std::string title, year, cost, date, check, logical;
    };
    const std::vector<Row> rows = {
        {std::string(90, 'W'), "9999", "999999999.99", "99991231", "Yes", "T"},
        {"Caf\xE9 \x80 \x93quoted\x94", "-2147483648", "-999999.99", "00010101", "No", "F"},
        {"", "", "", "", "", ""},
        {"  leading blanks", "0", "0", "20000229", "Yes", ""},
        {"tab-free, \"quoted\"", "1997", "12.5", "19970521", "No", "T"},
    };
    for (const Row& r : rows) {
        t.append();
        t.setText(0, r.title);
        t.setText(1, r.year);
        t.setText(2, r.cost);
        t.setText(3, r.date);
        t.setText(4, r.check);
        t.setText(5, r.logical);
        t.post();
    }
    t.first();
    t.deleteRecord();  // dbfread skips it as we do
    t.close();
    expectDbfreadAgrees(dir / "BOOKS.DBF", dir);
}

TEST(Interop, PerlWalksTheIndexInTheEnginesOrder)
{
    TempDir dir;
    const auto dbf = dir / "BOOKS.DBF";
    ASSERT_EQ(run("/usr/bin/python3 " + kGenBooks + " " + q(dbf) + " 20000 --seed 5 --deleted 0.02"), 0);
    const std::string key = "Upper(Left(Category,26))+DTOS(PurchDate)+STR(Cost,12,2)";
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}});
    t.addTag("NEWINDEX", key);
    t.setActiveTag("NEWINDEX");

    // the generator's own order of the expression, computed from the file by other code
    std::string expected;
    ASSERT_EQ(run("/usr/bin/python3 " + kGenBooks + " --order " + q(dbf) + " '" + key + "' --live | cut -f1", &expected), 0);
    std::vector<std::uint32_t> want;
    std::istringstream in(expected);
    for (std::string line; std::getline(in, line);) want.push_back(std::uint32_t(std::stoul(line)));
    EXPECT_EQ(ourOrder(t), want);

    int status = 0;
    auto walked = perlOrder(dir / "BOOKS.MDX", "NEWINDEX", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(walked.size(), 20000u);  // deleted records keep their keys

    // grow and change the tree record by record, then walk it again
    for (int i = 0; i < 1500; ++i) {
        t.append();
        t.setText(0, "added " + std::to_string(i));
        t.setText(4, i % 3 ? "FICTION" : "Zoology");
        t.setText(6, std::to_string(i % 50) + ".25");
        t.post();
    }
    for (int i = 0; i < 600; ++i) {
        t.goToPosition(std::size_t(i * 31) % t.recordCount());
        t.edit();
        t.setText(4, i % 2 ? "aardvarks" : "MIDDLE");
        t.post();
    }
    walked = perlOrder(dir / "BOOKS.MDX", "NEWINDEX", &status);
    EXPECT_EQ(status, 0);
    std::vector<std::uint32_t> live;
    for (std::uint32_t r : walked)
        if (!t.record(r).deleted()) live.push_back(r);
    EXPECT_EQ(live, ourOrder(t));
    t.close();
    std::string check;
    EXPECT_EQ(run(kTool + " check " + q(dbf) + " 2>&1", &check), 0) << check;
    expectDbfreadAgrees(dbf, dir);
}

// A numeric tag over a money field, as other programs' indexes hold them (the engine adds only
// character tags itself): negative amounts, fractions, zero, blanks and the field's extremes,
// inserted record by record, then built at once by a rebuild, then grown again. Perl walks it
// in numeric order each time.
TEST(Interop, PerlWalksANumericTagInNumericOrder)
{
    TempDir dir;
    Table::create(dir.path(), "BOOKS", {NewField::string("Title", 20), NewField::floating("Cost")});
    Mdx::write(dir / "BOOKS.MDX", "BOOKS", 0x57, {BuildTag {"BYCOST", "COST", 'N', 12, {}, {}}});
    {
        std::fstream f(dir / "BOOKS.DBF", std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(28);
        f.put(1);  // the table has a production index
    }
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, "BYCOST"});
    ASSERT_EQ(t.tags().size(), 1u);
    ASSERT_EQ(t.tags()[0].keyType, 'N');
    const std::vector<std::string> amounts = {
        "-99999999999999.9999", "-120", "-100", "-10", "-3", "-1.5", "-1", "-0.5", "-0.05", "-0.0001", "0", "",
        "0.0001", "0.05", "0.5", "1", "1.5", "3", "10", "10.05", "100", "120", "999999999999999.9999"};
    auto add = [&](int i) {
        t.append();
        t.setText(0, "B" + std::to_string(i));
        t.setText(1, amounts[std::size_t(i * 7) % amounts.size()]);  // scrambled, with many repeats
        t.post();
    };
    // by the number (a blank reads as 0), ties by record number
    auto expected = [&] {
        std::vector<std::uint32_t> want(t.physicalCount());
        for (std::uint32_t r = 1; r <= want.size(); ++r) want[r - 1] = r;
        auto value = [&](std::uint32_t r) { return t.record(r).number(1).value_or(0.0); };
        std::stable_sort(want.begin(), want.end(), [&](std::uint32_t a, std::uint32_t b) { return value(a) < value(b); });
        return want;
    };
    auto expectPerlAgrees = [&](const char* stage) {
        SCOPED_TRACE(stage);
        const auto want = expected();
        EXPECT_EQ(ourOrder(t), want);
        int status = 0;
        EXPECT_EQ(perlOrder(dir / "BOOKS.MDX", "BYCOST", &status), want);
        EXPECT_EQ(status, 0);  // Perl's own order check of the decoded numbers
    };
    for (int i = 0; i < 400; ++i) add(i);  // inserted one at a time, splitting leaves
    expectPerlAgrees("inserted");
    t.reindex();
    expectPerlAgrees("rebuilt");
    for (int i = 400; i < 600; ++i) add(i);
    expectPerlAgrees("grown again");
    t.close();
    std::string check;
    EXPECT_EQ(run(kTool + " check " + q(dir / "BOOKS.DBF") + " 2>&1", &check), 0) << check;
}

TEST(Interop, TheEngineWalksDiscoLikePerlDoes)
{
    int status = 0;
    auto perl = perlOrder(fixturesDir() / "tdbf" / "disco.mdx", "AUTHOR", &status);
    EXPECT_EQ(status, 0);
    Table t;
    t.open(fixturesDir() / "tdbf", "disco.DBF", {false, true, "AUTHOR"});
    std::vector<std::uint32_t> live;
    for (std::uint32_t r : perl)
        if (r != 1561) live.push_back(r);  // the deleted record
    EXPECT_EQ(ourOrder(t), live);
}

TEST(Interop, DbfreadReadsTheFixturesAsTheEngineDoes)
{
    TempDir dir;
    for (const char* f : {"tdbf/disco.DBF", "tdbf/DBASE4.dbf", "tdbf/DBASE3+.dbf", "tdbf/TDBF_DEMO.DBF",
                          "infused-dbf/dbase_03.dbf", "infused-dbf/dbase_83.dbf", "infused-dbf/dbase_8b.dbf",
                          "dbfread/people.dbf"}) {
        SCOPED_TRACE(f);
        auto path = fixturesDir() / f;
        ASSERT_EQ(run(kTool + " dump " + q(path) + " > " + q(dir / "ours.txt")), 0);
        std::string report;
        EXPECT_EQ(run("/usr/bin/python3 " + kCompare + " " + q(dir / "ours.txt") + " " + q(path) + " 2>&1", &report), 0)
            << report;
    }
}
