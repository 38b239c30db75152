// SPDX-License-Identifier: GPL-2.0-or-later
// Tables that other software wrote.
#include <gtest/gtest.h>

#include "dbase/error.h"
#include "dbase/table.h"
#include "support/temp_dir.h"

using namespace dbase;
using testing_support::copyFixture;
using testing_support::TempDir;

namespace {
std::filesystem::path fixtures(const std::string& folder) { return testing_support::fixturesDir() / folder; }
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
