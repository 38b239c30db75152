// SPDX-License-Identifier: GPL-2.0-or-later
// Two programs sharing one table, and a program killed while it appends.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <set>
#include <thread>

#include "dbase/check.h"
#include "dbase/error.h"
#include "dbase/table.h"
#include "dbase/small_table.h"
#include "support/child.h"
#include "support/temp_dir.h"

using namespace dbase;
using testing_support::Child;
using testing_support::createSmallTable;
using testing_support::TempDir;

namespace {
const std::string kWriter = BINDLOW_WRITER;

std::set<std::string> titles(const TempDir& dir)
{
    Table t;
    t.open(dir.path(), "BOOKS", {false, true, {}});
    std::set<std::string> out;
    for (std::uint32_t r = 1; r <= t.physicalCount(); ++r) out.insert(t.record(r).text(0));
    return out;
}
}  // namespace

TEST(Processes, TwoProgramsAppendToOneSharedTable)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.addTag("NEWINDEX", testing_support::kSortKey);
    }
    const std::string folder = dir.path().string();
    Child a({kWriter, "append", folder, "BOOKS", "1000", "A", "NEWINDEX"});
    Child b({kWriter, "append", folder, "BOOKS", "1000", "B", "NEWINDEX"});
    // while they run the table cannot be had exclusively
    std::string line;
    ASSERT_TRUE(a.readLine(line));
    Table probe;
    EXPECT_THROW(probe.open(dir.path(), "BOOKS", {true, false, {}}), TableInUse);
    EXPECT_EQ(a.wait(), 0);
    EXPECT_EQ(b.wait(), 0);

    auto all = titles(dir);
    EXPECT_EQ(all.size(), 2000u);
    EXPECT_TRUE(all.count("A-999") && all.count("B-0"));
    auto faults = checkTable(dir.path(), "BOOKS");
    EXPECT_TRUE(faults.empty()) << faults.front();
    std::string out;
    EXPECT_EQ(testing_support::run(std::string(BINDLOW_DBF_TOOL) + " check '" + (dir / "BOOKS.DBF").string() + "'", &out), 0);
}

// A record edited here while another program appends: the post neither drops the other
// program's books nor leaves the index behind them.
TEST(Processes, AnEditPostedWhileAnotherProgramAppendedLosesNoBook)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.addTag("NEWINDEX", testing_support::kSortKey);
        testing_support::addBook(t, "mine", "M", 1);
    }
    Table t;
    t.open(dir.path(), "BOOKS", {false, false, "NEWINDEX"});
    t.first();
    t.edit();
    Child c({kWriter, "append", dir.path().string(), "BOOKS", "300", "W", "NEWINDEX"});
    std::string line;
    int posted = 0;
    while (c.readLine(line)) ++posted;
    ASSERT_EQ(c.wait(), 0);
    ASSERT_EQ(posted, 300);
    t.setText(1, "AAA first now");
    t.post();
    t.close();

    auto all = titles(dir);
    EXPECT_EQ(all.size(), 301u);
    EXPECT_TRUE(all.count("mine") && all.count("W-0") && all.count("W-299"));
    auto faults = checkTable(dir.path(), "BOOKS");
    EXPECT_TRUE(faults.empty()) << faults.front();
    Table r;
    r.open(dir.path(), "BOOKS", {false, true, "NEWINDEX"});
    EXPECT_EQ(r.recordCount(), 301u);
    r.first();
    EXPECT_EQ(r.getText(0), "mine");
}

TEST(Processes, AnotherProgramHoldingTheTableRefusesExclusiveUse)
{
    TempDir dir;
    createSmallTable(dir.path());
    Child holder({kWriter, "hold", dir.path().string(), "BOOKS"});
    std::string line;
    ASSERT_TRUE(holder.readLine(line));
    ASSERT_EQ(line, "ready");
    Table t;
    EXPECT_THROW(t.open(dir.path(), "BOOKS", {true, false, {}}), TableInUse);
    t.open(dir.path(), "BOOKS");  // shared is fine
    EXPECT_THROW(t.addTag("NEWINDEX", "Author"), TableInUse);
    t.close();
    holder.closeInput();
    EXPECT_EQ(holder.wait(), 0);
    t.open(dir.path(), "BOOKS", {true, false, {}});
}

TEST(Processes, AProgramKilledWhileAppendingLosesNoPostedRecord)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.addTag("NEWINDEX", testing_support::kSortKey);
    }
    std::mt19937 rnd(3);
    std::set<std::string> posted;
    for (int round = 0; round < 12; ++round) {
        Child c({kWriter, "append", dir.path().string(), "BOOKS", "100000", "R" + std::to_string(round), "NEWINDEX"});
        std::string line;
        ASSERT_TRUE(c.readLine(line));  // it is under way
        posted.insert(line.substr(7));
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + rnd() % 60000));
        c.kill();
        while (c.readLine(line)) posted.insert(line.substr(7));
        c.wait();

        // the table opens; after a rebuild the index is sound; every posted record is there
        Table t;
        ASSERT_NO_THROW(t.open(dir.path(), "BOOKS", {true, false, {}}));
        t.reindex();
        t.close();
        auto faults = checkTable(dir.path(), "BOOKS");
        ASSERT_TRUE(faults.empty()) << faults.front();
        auto present = titles(dir);
        for (const auto& p : posted) ASSERT_TRUE(present.count(p)) << p << " was posted but is gone";
    }
}

namespace {
// A table of 60 books with a two-tag index, every third one deleted; the titles that live.
std::set<std::string> packableTable(const TempDir& dir)
{
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}});
    std::set<std::string> live;
    for (int i = 0; i < 60; ++i) {
        testing_support::addBook(t, "P" + std::to_string(i), "A" + std::to_string(i % 7), i);
        if (i % 3 != 0) live.insert("P" + std::to_string(i));
    }
    for (int i = 57; i >= 0; i -= 3) {  // from the end, so that the rows before stay where they are
        t.goToPosition(std::size_t(i));
        t.deleteRecord();
    }
    t.addTag("NEWINDEX", testing_support::kSortKey);
    t.addTag("BYTITLE", "Upper(Title)");
    return live;
}

std::set<std::string> liveTitles(const TempDir& dir)
{
    Table t;
    t.open(dir.path(), "BOOKS", {false, true, "NEWINDEX"});
    std::set<std::string> out;
    for (t.first(); !t.eof(); t.next()) out.insert(t.getText(0));
    return out;
}

std::vector<std::string> leftovers(const TempDir& dir)
{
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        if (e.path().extension() != ".DBF" && e.path().extension() != ".MDX") out.push_back(e.path().filename());
    return out;
}
}  // namespace

// The pack is killed before each of its writes, flushes and renames in turn: whatever moment it
// dies, the next open has a table and an index that belong together, and no live book is lost.
TEST(Processes, APackKilledAtAnyStepLosesNothing)
{
    int completed = 0;
    for (int n = 1; n < 400 && completed == 0; ++n) {
        TempDir dir;
        const auto live = packableTable(dir);
        Child c({kWriter, "pack", dir.path().string(), "BOOKS", "kill", std::to_string(n)});
        std::string line;
        while (c.readLine(line)) {
        }
        const int status = c.wait();
        if (status == 0) ++completed;  // n is past the last step: the pack ran to its end
        else ASSERT_EQ(status, 9) << "step " << n;

        {
            Table t;
            ASSERT_NO_THROW(t.open(dir.path(), "BOOKS", {true, false, {}})) << "step " << n;  // tidies up
        }
        auto faults = checkTable(dir.path(), "BOOKS");
        ASSERT_TRUE(faults.empty()) << "step " << n << ": " << faults.front();
        ASSERT_EQ(liveTitles(dir), live) << "step " << n;
        ASSERT_EQ(leftovers(dir), std::vector<std::string>()) << "step " << n;
    }
    EXPECT_EQ(completed, 1);
}

// Between the renames that put the new table and index in place no other open may use them.
TEST(Processes, NoOtherOpenSeesAPackHalfway)
{
    TempDir dir;
    const auto live = packableTable(dir);
    Child c({kWriter, "pack", dir.path().string(), "BOOKS", "pause-rename", "2"});  // table renamed, index not yet
    std::string line;
    ASSERT_TRUE(c.readLine(line));
    ASSERT_EQ(line, "paused");
    for (bool exclusive : {false, true}) {
        Table t;
        EXPECT_THROW(t.open(dir.path(), "BOOKS", {exclusive, !exclusive, "NEWINDEX"}), TableInUse);
    }
    c.closeInput();
    ASSERT_TRUE(c.readLine(line));
    EXPECT_EQ(line, "packed");
    EXPECT_EQ(c.wait(), 0);
    EXPECT_TRUE(checkTable(dir.path(), "BOOKS").empty());
    EXPECT_EQ(liveTitles(dir), live);
}
