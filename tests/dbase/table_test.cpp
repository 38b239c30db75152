// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "dbase/check.h"
#include "dbase/error.h"
#include "dbase/table.h"
#include "dbase/small_table.h"
#include "support/temp_dir.h"

using namespace dbase;
using testing_support::addBook;
using testing_support::createSmallTable;
using testing_support::TempDir;

namespace {
std::vector<std::string> titles(Table& t)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < t.recordCount(); ++i) {
        t.goToPosition(i);
        out.push_back(t.getText(0));
    }
    return out;
}
}  // namespace

TEST(Table, CreatedTableHasTheRequestedLayoutAndIsEmpty)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "books");  // letter case of the name does not matter
    EXPECT_EQ(t.path().filename(), "BOOKS.DBF");
    EXPECT_EQ(t.header().version, 0x03);
    EXPECT_EQ(t.header().languageDriver, 0x57);
    EXPECT_EQ(t.header().mdxFlag, 0);
    ASSERT_EQ(t.fieldCount(), 6);
    EXPECT_EQ(t.fieldName(1), "AUTHOR");
    EXPECT_EQ(t.field(2).type, 'N');
    EXPECT_EQ(t.field(2).width, 11);
    EXPECT_EQ(t.field(3).width, 20);
    EXPECT_EQ(t.field(3).decimals, 4);
    EXPECT_EQ(t.fieldIndex("purchdate"), 4);
    EXPECT_EQ(t.fieldIndex("nothing"), -1);
    EXPECT_TRUE(t.isEmpty());
    EXPECT_TRUE(t.bof());
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.recordNumber(), 0u);
    EXPECT_EQ(std::filesystem::file_size(t.path()), 32u + 6 * 32 + 1 + 1);
}

TEST(Table, ValuesRoundTripThroughTheFile)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS");
        t.append();
        t.setText(0, "Caf\xE9 \xC9" "dition");
        t.setText(1, std::string(30, 'x'));
        t.setInteger(2, 1997);
        t.setText(3, "999999999.99");
        t.setDate(4, Date {2005, 3, 7});
        t.setText(5, "y");
        t.post();
        t.append();
        t.setText(3, "-12.5");
        t.post();
    }
    Table t;
    t.open(dir.path(), "BOOKS");
    ASSERT_EQ(t.recordCount(), 2u);
    EXPECT_EQ(t.getText(0), "Caf\xE9 \xC9" "dition");
    EXPECT_EQ(t.getText(1), std::string(30, 'x'));
    EXPECT_EQ(t.getInteger(2).value(), 1997);
    EXPECT_EQ(t.getText(3), "999999999.9900");
    EXPECT_DOUBLE_EQ(t.getDouble(3).value(), 999999999.99);
    EXPECT_EQ(t.getText(4), "20050307");
    EXPECT_EQ(t.getText(5), "T");
    t.next();
    EXPECT_DOUBLE_EQ(t.getDouble(3).value(), -12.5);
    // empty text means no value
    EXPECT_FALSE(t.getInteger(2).has_value());
    EXPECT_FALSE(t.getDate(4).has_value());
    EXPECT_TRUE(t.isBlank(0));
    EXPECT_EQ(t.getText(5), "");
}

TEST(Table, ValuesThatDoNotFitAreRefusedNeverCut)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS");
    t.append();
    EXPECT_THROW(t.setText(1, std::string(31, 'x')), DatabaseError);
    EXPECT_THROW(t.setInteger(2, 123456789012), DatabaseError);
    EXPECT_THROW(t.setText(3, "12abc"), DatabaseError);
    EXPECT_THROW(t.setText(4, "19970230"), DatabaseError);
    EXPECT_THROW(t.setDouble(0, 1.0), DatabaseError);
    EXPECT_THROW(t.setText(5, "maybe"), DatabaseError);
    t.cancel();
    EXPECT_TRUE(t.isEmpty());
    EXPECT_THROW(t.setText(0, "not editing"), DatabaseError);
}

TEST(Table, NavigationFlagsAtTheEndsAndThroughAFilter)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS");
    for (int i = 1; i <= 5; ++i) addBook(t, "T" + std::to_string(i), "A", i);
    t.first();
    EXPECT_TRUE(t.bof());
    EXPECT_FALSE(t.eof());
    EXPECT_EQ(t.recordNumber(), 1u);
    t.prior();
    EXPECT_TRUE(t.bof());
    EXPECT_EQ(t.recordNumber(), 1u);
    EXPECT_EQ(t.moveBy(3), 3);
    EXPECT_EQ(t.recordNumber(), 4u);
    EXPECT_FALSE(t.bof() || t.eof());
    EXPECT_EQ(t.moveBy(5), 1);
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.recordNumber(), 5u);
    t.next();
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.moveBy(-10), -4);
    EXPECT_TRUE(t.bof());

    t.goToPosition(3);
    Table::Bookmark mark = t.bookmark();
    t.setFilter([](const RecordView& r) { return r.number(3).value_or(0) >= 3; });
    EXPECT_EQ(t.recordCount(), 3u);
    EXPECT_EQ(t.recordNumber(), 4u);  // the current record passes and stays current
    EXPECT_EQ(titles(t), (std::vector<std::string> {"T3", "T4", "T5"}));
    t.setFilter([](const RecordView& r) { return r.number(3).value_or(0) > 4; });
    EXPECT_FALSE(t.gotoBookmark(mark));  // record 4 is filtered out
    t.setFilter([](const RecordView&) { return false; });
    EXPECT_TRUE(t.isEmpty());
    EXPECT_TRUE(t.bof() && t.eof());
    t.setFilter(nullptr);
    EXPECT_EQ(t.recordCount(), 5u);
    EXPECT_TRUE(t.gotoBookmark(mark));
    EXPECT_EQ(t.getText(0), "T4");
}

TEST(Table, EditCancelDeleteAndTheAutomaticPostOnMove)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS");
    for (int i = 1; i <= 3; ++i) addBook(t, "T" + std::to_string(i), "A", i);
    t.first();
    t.edit();
    t.setText(0, "changed");
    t.cancel();
    EXPECT_EQ(t.getText(0), "T1");
    t.edit();
    t.setText(0, "kept");
    t.next();  // a move posts pending changes
    EXPECT_EQ(t.state(), TableState::Browse);
    t.first();
    EXPECT_EQ(t.getText(0), "kept");

    t.next();
    t.deleteRecord();  // record 2
    EXPECT_EQ(t.recordCount(), 2u);
    EXPECT_EQ(t.getText(0), "T3");  // the next record becomes current
    t.deleteRecord();
    EXPECT_EQ(t.getText(0), "kept");  // at the end, the one before
    t.close();

    t.open(dir.path(), "BOOKS");
    EXPECT_EQ(t.recordCount(), 1u);
    EXPECT_EQ(t.physicalCount(), 3u);
    EXPECT_TRUE(t.record(2).deleted());
}

TEST(Table, CreateReplacesAnExistingTableAndItsStaleIndex)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        addBook(t, "old", "A", 1);
        t.addTag("NEWINDEX", "Upper(Left(Author,20))");
    }
    ASSERT_TRUE(std::filesystem::exists(dir / "BOOKS.MDX"));
    createSmallTable(dir.path(), "books.dbf");
    EXPECT_FALSE(std::filesystem::exists(dir / "BOOKS.MDX"));
    Table t;
    t.open(dir.path(), "BOOKS");
    EXPECT_TRUE(t.isEmpty());
}

TEST(Table, CreateRefusesBadLayoutsAndATableInUse)
{
    TempDir dir;
    EXPECT_THROW(Table::create(dir.path(), "X", {NewField::string("1BAD", 10)}), DatabaseError);
    EXPECT_THROW(Table::create(dir.path(), "X", {NewField::string("A", 10), NewField::string("a", 5)}), DatabaseError);
    EXPECT_THROW(Table::create(dir.path(), "X", {NewField::string("A", 255)}), DatabaseError);
    EXPECT_THROW(Table::create(dir.path(), "X", {{"N", 'N', 21, 0}}), DatabaseError);
    EXPECT_THROW(Table::create(dir.path(), "X", {}), DatabaseError);
    EXPECT_FALSE(std::filesystem::exists(dir / "X.DBF"));

    createSmallTable(dir.path());
    Table holder;
    holder.open(dir.path(), "BOOKS");
    addBook(holder, "kept", "A", 1);
    EXPECT_THROW(createSmallTable(dir.path()), TableInUse);
    holder.refresh();
    EXPECT_EQ(holder.recordCount(), 1u);
}

TEST(Table, ExclusiveOpensConflictWithEveryOtherOpenInThisProcess)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table a, b;
    a.open(dir.path(), "BOOKS");
    EXPECT_THROW(b.open(dir.path(), "BOOKS", {true, false, {}}), TableInUse);
    b.open(dir.path(), "BOOKS", {false, true, {}});  // a second shared open is fine
    b.close();
    a.close();
    b.open(dir.path(), "BOOKS", {true, false, {}});
    EXPECT_THROW(a.open(dir.path(), "BOOKS"), TableInUse);
}

TEST(Table, RefreshShowsWhatAnotherOpenAddedAndChanged)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table a, b;
    a.open(dir.path(), "BOOKS");
    b.open(dir.path(), "BOOKS");
    addBook(a, "from a", "A", 1);
    addBook(b, "from b", "B", 2);  // b appends after a without having seen a's record
    EXPECT_EQ(b.recordCount(), 2u);
    EXPECT_EQ(a.recordCount(), 1u);
    a.refresh();
    EXPECT_EQ(titles(a), (std::vector<std::string> {"from a", "from b"}));
    b.first();
    b.edit();
    b.setText(0, "changed by b");
    b.post();
    a.refresh();
    a.first();
    EXPECT_EQ(a.getText(0), "changed by b");
    // one record is edited by one open at a time
    a.edit();
    b.first();
    EXPECT_THROW(b.edit(), DatabaseError);
    a.cancel();
    b.edit();
    b.cancel();
}

// An open that has not seen another open's appends edits and posts: the header keeps the count
// on disk, not the stale one of the editing open, so no appended book is lost.
TEST(Table, AnEditPostedAfterAnotherOpenAppendedKeepsTheAppendedBooks)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.addTag("NEWINDEX", testing_support::kSortKey);
        addBook(t, "first", "M", 1);
    }
    Table a, b;
    a.open(dir.path(), "BOOKS", {false, false, "NEWINDEX"});
    b.open(dir.path(), "BOOKS", {false, false, "NEWINDEX"});
    a.first();
    a.edit();  // begun before the appends, posted after them
    for (int i = 0; i < 40; ++i) addBook(b, "b" + std::to_string(i), "B" + std::to_string(i % 9), i);
    a.setText(1, "Z moved");  // the key changes too
    a.post();
    b.first();
    b.edit();  // and an edit in the open that appended, after a's post
    b.setText(0, "b0 changed");
    b.post();
    a.refresh();
    EXPECT_EQ(a.recordCount(), 41u);
    a.close();
    b.close();

    Table t;
    t.open(dir.path(), "BOOKS", {false, true, "NEWINDEX"});
    EXPECT_EQ(t.physicalCount(), 41u);
    EXPECT_EQ(t.header().recordCount, 41u);
    auto all = titles(t);
    EXPECT_EQ(all.back(), "first");  // Z moved sorts last
    EXPECT_EQ(std::count(all.begin(), all.end(), "b39"), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), "b0 changed"), 1);
    t.close();
    auto faults = checkTable(dir.path(), "BOOKS");
    EXPECT_TRUE(faults.empty()) << faults.front();
}

TEST(Table, ReadOnlyOpensRefuseChanges)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS", {false, true, {}});
    EXPECT_THROW(t.append(), DatabaseError);
    EXPECT_THROW(t.addTag("X", "Author"), DatabaseError);
}

TEST(Table, WideForeignNumbersNeitherOverflowNorLose)
{
    TempDir dir;
    // other software writes numeric fields wider than dBASE IV allows
    Table::create(dir.path(), "WIDE", {NewField::string("Name", 5), NewField {"AMT", 'N', 20, 18}});
    {
        std::fstream f(dir / "WIDE.DBF", std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(32 + 32 + 16);
        f.put(char(32));  // AMT becomes N 32,18 ...
        f.seekp(10);
        f.put(char(1 + 5 + 32));  // ... and the record length follows
    }
    Table t;
    t.open(dir.path(), "WIDE");
    t.append();
    EXPECT_THROW(t.setText(1, std::string(120, '9')), DatabaseError);
    t.setText(1, "12.5");
    t.post();
    EXPECT_DOUBLE_EQ(t.getDouble(1).value(), 12.5);
    t.addTag("BIG", "STR(AMT,100,99)");
    t.edit();
    t.setText(1, "9999999999999.999999999999999999");
    t.post();
    EXPECT_FALSE(t.getInteger(1).has_value() && t.getInteger(1).value() < 0);
}

// An impossible date never reaches the file, whichever way it is given; the field keeps its value.
TEST(Table, ImpossibleDatesAreRefusedAndTheFieldKeepsItsValue)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS");
    t.append();
    t.setDate(4, Date {2005, 3, 7});
    // what the refusal says; empty when the value was taken
    const auto refusal = [](auto set) -> std::string {
        try {
            set();
            return {};
        } catch (const DatabaseError& e) {
            return e.what();
        }
    };
    for (const Date& d : {Date {1997, 13, 1}, Date {1997, 0, 10}, Date {1997, 4, 31}, Date {1900, 2, 29}, Date {1997, 1, 0}})
        EXPECT_NE(refusal([&] { t.setDate(4, d); }).find("field PURCHDATE: not a valid date"), std::string::npos)
            << d.year << "-" << d.month << "-" << d.day;
    for (const char* text : {"19971301", "19970010", "19970431", "19000229", "19970100"})
        EXPECT_NE(refusal([&] { t.setText(4, text); }).find(std::string("field PURCHDATE: \"") + text + "\" is not a date"),
                  std::string::npos) << text;
    EXPECT_EQ(t.getText(4), "20050307");
    t.post();
    t.edit();
    t.setDate(4, Date {2000, 2, 29});  // every 400 years a leap year after all
    t.post();
    t.close();
    t.open(dir.path(), "BOOKS");
    EXPECT_EQ(t.getText(4), "20000229");
}
