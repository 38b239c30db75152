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
