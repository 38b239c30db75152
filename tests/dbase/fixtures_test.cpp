// SPDX-License-Identifier: GPL-2.0-or-later
// Tables that other software wrote.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "dbase/check.h"
#include "dbase/error.h"
#include "dbase/small_table.h"
#include "dbase/table.h"
#include "support/temp_dir.h"

using namespace dbase;
using testing_support::copyFixture;
using testing_support::TempDir;

namespace {
std::filesystem::path fixtures(const std::string& folder) { return testing_support::fixturesDir() / folder; }

void patch(const std::filesystem::path& file, std::uint64_t at, const std::string& bytes)
{
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(std::streamoff(at));
    f.write(bytes.data(), std::streamsize(bytes.size()));
}

std::vector<std::string> titlesInOrder(Table& t)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < t.recordCount(); ++i) out.push_back(t.record(t.recordAt(i)).text(0));
    return out;
}

void expectSound(const TempDir& dir, const std::string& table = "BOOKS")
{
    auto faults = checkTable(dir.path(), table);
    EXPECT_TRUE(faults.empty()) << faults.front();
}
}  // namespace

TEST(Fixtures, DiscoOpensInItsAuthorOrderWithTheDeletedRecordHidden)
{
    Table t;
    t.open(fixtures("tdbf"), "disco", {false, true, "author"});  // finds disco.DBF and disco.mdx
    EXPECT_EQ(t.physicalCount(), 1561u);
    EXPECT_EQ(t.recordCount(), 1560u);
    EXPECT_EQ(t.header().languageDriver, 0);
    ASSERT_EQ(t.tags().size(), 1u);
    EXPECT_EQ(t.tags()[0].expression, "AUTHOR");
    t.first();
    EXPECT_EQ(t.recordNumber(), 915u);
    EXPECT_EQ(t.getText(0), "\"D\"TRAIN");
    EXPECT_EQ(t.getText(5), "15.00");
    EXPECT_FALSE(t.getDate(8).has_value());  // LAST_SELL is mostly blank
    std::string prev;
    for (std::size_t i = 0; i < t.recordCount(); ++i) {
        t.goToPosition(i);
        std::string a = t.getText(0);
        a.resize(20, ' ');
        EXPECT_LE(prev, a);
        prev = a;
    }
    EXPECT_THROW(t.append(), DatabaseError);  // opened read-only
}

TEST(Fixtures, MixedCaseAndRepeatedFieldNames)
{
    Table t;
    t.open(fixtures("infused-dbf"), "dbase_03.dbf", {false, true, {}});
    EXPECT_EQ(t.recordCount(), 14u);
    EXPECT_EQ(t.fieldCount(), 31);
    EXPECT_EQ(t.field(0).name, "Point_ID");
    EXPECT_EQ(t.fieldName(0), "POINT_ID");
    EXPECT_EQ(t.fieldIndex("point_id"), 0);  // the first of two fields of that name
    EXPECT_EQ(t.header().updated.year, 2005);
}

TEST(Fixtures, MemoTablesOpenReadOnlyWithTheirMemoText)
{
    Table t;
    t.open(fixtures("infused-dbf"), "dbase_8b.dbf");
    EXPECT_TRUE(t.readOnly());
    EXPECT_THROW(t.append(), DatabaseError);
    EXPECT_EQ(t.getText(0), "One");
    EXPECT_EQ(t.getText(5), "First memo\r\n");
    EXPECT_EQ(t.getText(3), "T");
    EXPECT_DOUBLE_EQ(t.getDouble(4).value(), 1.23456789012346);
    t.next();
    EXPECT_EQ(t.getText(5), "Second memo");

    Table d3;
    d3.open(fixtures("tdbf"), "DBASE3+.dbf");
    EXPECT_EQ(d3.getText(4), "Dbase 3+ Record1\r\nDbase 3+ Record1\r\nDbase 3+ Record1\r\nDbase 3+ Record1");
    EXPECT_DOUBLE_EQ(d3.getDouble(1).value(), 123456789012.123);
    d3.next();
    EXPECT_EQ(d3.getText(4), "");

    Table d4;
    d4.open(fixtures("tdbf"), "DBASE4.dbf");
    EXPECT_EQ(d4.header().languageDriver, 0x57);
    EXPECT_EQ(d4.field(1).type, 'F');
    EXPECT_EQ(d4.getText(1), "1.000");
    EXPECT_EQ(d4.getText(4), "T");
}

TEST(Fixtures, CompanionFilesAreFoundWithoutRegardToCase)
{
    Table t;
    t.open(fixtures("tdbf"), "TDBF_DEMO", {false, true, "ID"});  // the index is tdbf_demo.mdx
    EXPECT_EQ(t.recordCount(), 17u);
    EXPECT_EQ(t.header().languageDriver, 0x58);
    t.first();
    EXPECT_EQ(t.getText(0), "a5");
    EXPECT_NE(t.getText(2).find("{\\rtf1"), std::string::npos);  // 1024-byte memo blocks
}

TEST(Fixtures, DeletedRecordsAreSkipped)
{
    Table t;
    t.open(fixtures("dbfread"), "people", {false, true, {}});
    EXPECT_EQ(t.recordCount(), 2u);
    t.last();
    EXPECT_EQ(t.getText(0), "Bob");
    EXPECT_EQ(t.getText(1), "19801112");
}

TEST(Fixtures, WritingKeepsAForeignIndexCurrent)
{
    TempDir dir;
    copyFixture("tdbf/disco.DBF", dir.path());
    copyFixture("tdbf/disco.mdx", dir.path());
    Table t;
    t.open(dir.path(), "disco", {false, false, "AUTHOR"});
    t.append();
    t.setText(0, "!ABBA");
    t.setText(4, "76");
    t.post();
    EXPECT_EQ(t.physicalCount(), 1562u);
    t.first();
    EXPECT_EQ(t.getText(0), "!ABBA");
}

// The tables below are engine-made and then given the marks of other writers.

// Text padded with NUL bytes reads, keys and sorts as text padded with blanks.
TEST(Fixtures, NulPaddedTextReadsAndKeysLikeBlankPaddedText)
{
    TempDir dir;
    testing_support::createSmallTable(dir.path());
    TableHeader h;
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        testing_support::addBook(t, "Emma", "Austen", 12.5);
        testing_support::addBook(t, "Persuasion", "Austen", 7);
        testing_support::addBook(t, "", "", 0);
        h = t.header();
    }
    const auto dbf = dir / "BOOKS.DBF";
    const FieldInfo &title = h.fields[0], &author = h.fields[1];
    patch(dbf, h.recordOffset(2) + title.offset + 10, std::string(std::size_t(title.width) - 10, '\0'));
    patch(dbf, h.recordOffset(2) + author.offset + 6, std::string(std::size_t(author.width) - 6, '\0'));
    patch(dbf, h.recordOffset(3) + title.offset, std::string(std::size_t(title.width), '\0'));
    patch(dbf, h.recordOffset(3) + author.offset, std::string(std::size_t(author.width), '\0'));

    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}});
    EXPECT_EQ(t.record(2).text(0), "Persuasion");
    EXPECT_EQ(t.record(2).text(1), "Austen");
    EXPECT_TRUE(t.record(3).blank(0));
    EXPECT_EQ(t.record(3).text(1), "");
    // equal keys keep record order, so a NUL that sorted below a blank would put 2 before 1
    t.addTag("BYAUTHOR", "Upper(Author)");
    t.addTag("BYBOTH", "Upper(Left(Author,10))+Upper(Left(Title,4))");
    t.setActiveTag("BYAUTHOR");
    EXPECT_EQ(titlesInOrder(t), (std::vector<std::string> {"", "Emma", "Persuasion"}));
    t.setActiveTag("BYBOTH");
    EXPECT_EQ(titlesInOrder(t), (std::vector<std::string> {"", "Emma", "Persuasion"}));
    EXPECT_TRUE(t.seek("AUSTEN    PERS", true));
    EXPECT_EQ(t.recordNumber(), 2u);
    // a blank-padded record of the same author goes after them, in a tag kept current on post
    t.setActiveTag("BYAUTHOR");
    testing_support::addBook(t, "Sanditon", "Austen", 1);
    EXPECT_EQ(titlesInOrder(t), (std::vector<std::string> {"", "Emma", "Persuasion", "Sanditon"}));
    t.close();
    expectSound(dir);
}

// Without the 0x1A end mark after the last record the table opens with all its records, and the
// next append puts the mark back.
TEST(Fixtures, ATableWithoutTheEndMarkOpensWithAllItsRecords)
{
    TempDir dir;
    testing_support::createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.addTag("NEWINDEX", testing_support::kSortKey);
        for (int i = 0; i < 5; ++i) testing_support::addBook(t, "T" + std::to_string(i), "A", i);
    }
    const auto dbf = dir / "BOOKS.DBF";
    const auto size = std::filesystem::file_size(dbf);
    {
        std::ifstream f(dbf, std::ios::binary);
        f.seekg(std::streamoff(size - 1));
        ASSERT_EQ(f.get(), 0x1A);
    }
    std::filesystem::resize_file(dbf, size - 1);

    for (bool readOnly : {true, false}) {
        Table t;
        t.open(dir.path(), "BOOKS", {false, readOnly, "NEWINDEX"});
        EXPECT_EQ(t.physicalCount(), 5u);
        EXPECT_EQ(t.recordsPastCount(), 0u);
        EXPECT_EQ(titlesInOrder(t), (std::vector<std::string> {"T0", "T1", "T2", "T3", "T4"}));
    }
    {
        Table t;
        t.open(dir.path(), "BOOKS", {false, false, "NEWINDEX"});
        testing_support::addBook(t, "T5", "A", 5);
        EXPECT_EQ(t.physicalCount(), 6u);
        EXPECT_EQ(std::filesystem::file_size(dbf), t.header().recordOffset(7) + 1);
    }
    expectSound(dir);
    std::ifstream f(dbf, std::ios::binary);
    f.seekg(-1, std::ios::end);
    EXPECT_EQ(f.get(), 0x1A);
}

// An index whose header counts one block fewer than the file holds: the blocks that splits need
// come from past the file's real end, never from a block that is in use.
TEST(Fixtures, AnIndexWhosePageCountIsOneBlockShortTakesSplitsSafely)
{
    TempDir dir;
    testing_support::createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        for (int i = 0; i < 200; ++i) {
            char title[8];
            std::snprintf(title, sizeof title, "T%03d", i);
            testing_support::addBook(t, title, "A", i);
        }
        t.addTag("BYTITLE", "Upper(Title)");
    }
    const auto mdx = dir / "BOOKS.MDX";
    const auto pages = std::uint32_t(std::filesystem::file_size(mdx) / 512);
    unsigned char shortBy[4];
    for (int i = 0; i < 4; ++i) shortBy[i] = static_cast<unsigned char>((pages - 2) >> (8 * i));
    patch(mdx, 32, std::string(reinterpret_cast<const char*>(shortBy), 4));

    std::vector<std::string> want;
    {
        Table t;
        t.open(dir.path(), "BOOKS", {false, false, "BYTITLE"});
        // 40 keys into the first leaf, which splits again and again
        for (int i = 0; i < 40; ++i) testing_support::addBook(t, "M" + std::to_string(100 + i), "B", i);
        want = titlesInOrder(t);
        EXPECT_EQ(want.size(), 240u);
        EXPECT_TRUE(std::is_sorted(want.begin(), want.end()));
    }
    EXPECT_GT(std::filesystem::file_size(mdx) / 512, pages);
    expectSound(dir);
    Table t;
    t.open(dir.path(), "BOOKS", {false, true, "BYTITLE"});
    EXPECT_EQ(titlesInOrder(t), want);
}
