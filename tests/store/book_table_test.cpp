// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <fstream>

#include "dbase/error.h"
#include "store/book_table.h"
#include "store/field_table.h"
#include "store/table_access.h"
#include "support/child.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

using namespace store;
using testing_support::ScriptedMessages;
using testing_support::TempDir;

namespace {

const QString kNotOurs = QStringLiteral(
    "This DBase file was not created with Bindlow Books 97.  It cannot be opened.  You may, however, import data "
    "from this file using the import function.");

QString qpath(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

std::string slurp(const std::filesystem::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void poke(const std::filesystem::path& file, std::uint64_t offset, const std::string& bytes)
{
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(std::streamoff(offset));
    f.write(bytes.data(), std::streamsize(bytes.size()));
}

// A table of other fields, made with the engine directly.
void makeTable(const std::filesystem::path& dir, const std::string& name, std::vector<dbase::NewField> fields)
{
    dbase::Table::create(dir, name, fields);
}

std::vector<dbase::NewField> bookFields()
{
    std::vector<dbase::NewField> out;
    for (const FieldDef& f : fieldTable()) out.push_back(dbase::NewField::string(f.name, 10));
    return out;
}

}  // namespace

TEST(BookTable, NewDatabaseHasTheBookLayoutAndHoldsEveryAllowedValue)
{
    TempDir dir;
    ScriptedMessages msgs;
    BookTableFiles files;
    const QString path = qpath(dir / "MASTER.DBF");
    ASSERT_TRUE(files.MakeNewDB(path));
    EXPECT_TRUE(files.CheckDBaseFormat(path));

    dbase::Table t;
    t.open(dir.path(), "MASTER.DBF");
    ASSERT_EQ(t.fieldCount(), 36);
    EXPECT_EQ(t.header().languageDriver, 0x57);
    EXPECT_EQ(t.field(2).width, 11);  // YearPub: integer
    EXPECT_EQ(t.field(6).width, 20);  // Cost: floating point
    EXPECT_EQ(t.field(6).decimals, 4);
    EXPECT_EQ(t.field(11).type, 'D');
    EXPECT_EQ(t.field(8).width, 110);
    EXPECT_EQ(t.fieldName(8), "DESCRIPTIO");

    t.append();
    t.setText(0, std::string(90, 'T'));
    t.setInteger(2, 9999);
    t.setInteger(23, 99999);
    t.setDouble(6, 999999999.99);
    t.setDouble(7, 0.01);
    t.setText(16, "Yes");
    t.setDate(11, dbase::Date {1997, 12, 31});
    t.post();
    t.close();
    t.open(dir.path(), "MASTER");
    EXPECT_EQ(t.getText(0), std::string(90, 'T'));
    EXPECT_EQ(t.getInteger(2).value(), 9999);
    EXPECT_EQ(t.getInteger(23).value(), 99999);
    EXPECT_DOUBLE_EQ(t.getDouble(6).value(), 999999999.99);
    EXPECT_DOUBLE_EQ(t.getDouble(7).value(), 0.01);
    EXPECT_EQ(t.getText(16), "Yes");
    EXPECT_EQ(t.getText(11), "19971231");
    EXPECT_FALSE(t.getDate(17).has_value());
    EXPECT_TRUE(msgs.shown.isEmpty());
}

TEST(BookTable, OtherLayoutsAreRefusedWithTheMessage)
{
    TempDir dir;
    BookTableFiles files;

    auto reordered = bookFields();
    std::swap(reordered[0], reordered[1]);
    makeTable(dir.path(), "SWAPPED", reordered);
    auto extra = bookFields();
    extra.push_back(dbase::NewField::string("Extra", 5));
    makeTable(dir.path(), "EXTRA", extra);
    auto fewer = bookFields();
    fewer.pop_back();
    makeTable(dir.path(), "FEWER", fewer);

    for (const char* name : {"SWAPPED.DBF", "EXTRA.DBF", "FEWER.DBF"}) {
        // the store says nothing itself: it hands the refusal to its caller
        ScriptedMessages msgs;
        QString refusal;
        EXPECT_FALSE(files.CheckDBaseFormat(qpath(dir / name), true, &refusal)) << name;
        EXPECT_EQ(refusal, kNotOurs);
        EXPECT_TRUE(msgs.shown.isEmpty());
        EXPECT_FALSE(files.CheckDBaseFormat(qpath(dir / name))) << name;
    }
    EXPECT_FALSE(files.MyCheckTable.active());
}

TEST(BookTable, FieldNamesInAnyCaseAndOfAnyTypeAreAccepted)
{
    TempDir dir;
    ScriptedMessages msgs;
    BookTableFiles files;
    makeTable(dir.path(), "LOWER", bookFields());  // every field text, 10 wide
    // store the first names in lower and mixed case, as other writers do
    poke(dir / "LOWER.DBF", 32, std::string("title\0", 6));
    poke(dir / "LOWER.DBF", 64, std::string("aUtHoR\0", 7));
    EXPECT_TRUE(files.CheckDBaseFormat(qpath(dir / "LOWER.DBF")));
}

TEST(BookTable, ATableCopiedWithoutItsIndexHasItsFlagCleared)
{
    TempDir dir;
    ScriptedMessages msgs;
    BookTableFiles files;
    const auto dbf = dir / "BOOKS.DBF";
    ASSERT_TRUE(files.MakeNewDB(qpath(dbf)));
    {
        dbase::Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.addTag("NEWINDEX", "Upper(Left(Author,80))");
    }
    std::filesystem::remove(dir / "BOOKS.MDX");
    EXPECT_THROW(files.MyCheckTable.table().open(dir.path(), "BOOKS"), dbase::DatabaseError);
    EXPECT_TRUE(files.CheckDBaseFormat(qpath(dbf)));
    EXPECT_EQ(slurp(dbf)[28], '\0');
    dbase::Table t;
    t.open(dir.path(), "BOOKS");  // opens now, in record order
    t.close();
    t.open(dir.path(), "BOOKS", {true, false, {}});
    t.addTag("NEWINDEX", "Upper(Left(Author,80))");  // and the sort tag can be built again
    EXPECT_EQ(slurp(dbf)[28], '\1');
}

TEST(BookTable, RemoveMdxByteChangesOnlyThatByteAndNeverComplains)
{
    TempDir dir;
    ScriptedMessages msgs;
    BookTableFiles files;
    const auto dbf = dir / "BOOKS.DBF";
    ASSERT_TRUE(files.MakeNewDB(qpath(dbf)));
    poke(dbf, 28, "\x01");
    std::string before = slurp(dbf);
    BookTableFiles::RemoveMDXByte(qpath(dbf));
    std::string after = slurp(dbf);
    before[28] = '\0';
    EXPECT_EQ(after, before);
    BookTableFiles::RemoveMDXByte(qpath(dir / "NONE.DBF"));  // no file: nothing happens
    EXPECT_FALSE(std::filesystem::exists(dir / "NONE.DBF"));
    std::ofstream(dir / "TINY.DBF") << "abc";
    BookTableFiles::RemoveMDXByte(qpath(dir / "TINY.DBF"));  // too short to be a table: left alone
    EXPECT_EQ(slurp(dir / "TINY.DBF"), "abc");
}

TEST(BookTable, ATableInUseByAnotherProgramIsReportedAndLeftUntouched)
{
    TempDir dir;
    BookTableFiles files;
    const auto dbf = dir / "BOOKS.DBF";
    {
        ScriptedMessages msgs;
        ASSERT_TRUE(files.MakeNewDB(qpath(dbf)));
        EXPECT_FALSE(files.DBaseInUse(qpath(dbf)));
    }
    {
        dbase::Table t;
        t.open(dir.path(), "BOOKS");
        t.append();
        t.setText(0, "precious");
        t.post();
    }
    const std::string before = slurp(dbf);
    testing_support::Child holder({BINDLOW_WRITER, "hold", dir.path().string(), "BOOKS"});
    std::string line;
    ASSERT_TRUE(holder.readLine(line));
    EXPECT_TRUE(files.DBaseInUse(qpath(dbf)));
    EXPECT_FALSE(files.MyCheckTable.exclusive());  // switched off again
    {
        ScriptedMessages msgs;
        QString refusal;
        EXPECT_FALSE(files.MakeNewDB(qpath(dbf), &refusal));
        EXPECT_EQ(refusal, "The table \"" + qpath(dbf) + "\" is currently in use by another program.  New table creation will be aborted.");
        EXPECT_TRUE(msgs.shown.isEmpty());
    }
    EXPECT_EQ(slurp(dbf), before);
    holder.closeInput();
    holder.wait();
    EXPECT_FALSE(files.DBaseInUse(qpath(dbf)));
}

TEST(BookTable, DamagedOrForeignFilesAreNotInUseButDoNotPassTheCheck)
{
    TempDir dir;
    ScriptedMessages msgs;
    BookTableFiles files;
    std::ofstream(dir / "JUNK.DBF") << std::string(200, 'x');
    EXPECT_FALSE(files.DBaseInUse(qpath(dir / "JUNK.DBF")));
    EXPECT_FALSE(files.DBaseInUse(qpath(dir / "ABSENT.DBF")));
    // an engine error reaches the caller of the check, and nothing was written into the file
    EXPECT_THROW(files.CheckDBaseFormat(qpath(dir / "JUNK.DBF")), dbase::DatabaseError);
    EXPECT_EQ(slurp(dir / "JUNK.DBF"), std::string(200, 'x'));
    // a foreign table with an index flag and no index keeps its flag when it is refused
    auto fewer = bookFields();
    fewer.pop_back();
    makeTable(dir.path(), "FOREIGN", fewer);
    poke(dir / "FOREIGN.DBF", 28, "\x01");
    EXPECT_FALSE(files.CheckDBaseFormat(qpath(dir / "FOREIGN.DBF")));
    EXPECT_EQ(slurp(dir / "FOREIGN.DBF")[28], '\x01');
    // a FIFO or device named as the table is refused at once, not waited on
    ASSERT_EQ(::mkfifo((dir / "PIPE.DBF").c_str(), 0600), 0);
    EXPECT_THROW(files.CheckDBaseFormat(qpath(dir / "PIPE.DBF")), dbase::DatabaseError);
    EXPECT_FALSE(BookTableFiles::HasSortTag(qpath(dir / "PIPE.DBF")));
    BookTableFiles::RemoveMDXByte(qpath(dir / "PIPE.DBF"));
    // and a new table may replace the damaged file
    EXPECT_TRUE(files.MakeNewDB(qpath(dir / "JUNK.DBF")));
    EXPECT_TRUE(files.CheckDBaseFormat(qpath(dir / "JUNK.DBF")));
}

TEST(BookTable, TheSortTagIsFoundWithoutReadingTheRecords)
{
    TempDir dir;
    ScriptedMessages msgs;
    BookTableFiles files;
    const auto dbf = dir / "BOOKS.DBF";
    ASSERT_TRUE(files.MakeNewDB(qpath(dbf)));
    EXPECT_FALSE(BookTableFiles::HasSortTag(qpath(dbf)));
    {
        dbase::Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.addTag("OTHER", "Upper(Left(Title,10))");
    }
    EXPECT_FALSE(BookTableFiles::HasSortTag(qpath(dbf)));
    {
        dbase::Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.addTag("NewIndex", "Upper(Left(Author,80))");
    }
    EXPECT_TRUE(BookTableFiles::HasSortTag(qpath(dbf)));
    poke(dbf, 28, std::string(1, '\0'));  // the table no longer claims its index
    EXPECT_FALSE(BookTableFiles::HasSortTag(qpath(dbf)));
    EXPECT_FALSE(BookTableFiles::HasSortTag(qpath(dir / "NONE.DBF")));
}

TEST(BookTable, WhyATableCanOnlyBeRead)
{
    TempDir dir;
    ScriptedMessages msgs;
    BookTableFiles files;
    const auto dbf = dir / "BOOKS.DBF";
    ASSERT_TRUE(files.MakeNewDB(qpath(dbf)));
    {
        dbase::Table t;
        t.open(dir.path(), "BOOKS");
        for (int i = 0; i < 3; ++i) {
            t.append();
            t.setText(0, "B" + std::to_string(i));
            t.post();
        }
    }
    EXPECT_EQ(store::readOnlyReason(qpath(dbf)), "");
    EXPECT_EQ(store::readOnlyReason(qpath(dir / "ABSENT.DBF")), "");  // opening it says what is wrong

    poke(dbf, 4, std::string("\0\0\0\0", 4));
    EXPECT_TRUE(store::readOnlyReason(qpath(dbf)).startsWith("The database \"" + qpath(dbf) + "\" holds 3 books past"));
    poke(dbf, 4, std::string("\3\0\0\0", 4));

    if (::geteuid() != 0) {  // the superuser writes whatever the permissions say
        std::filesystem::permissions(dbf, std::filesystem::perms::owner_read);
        EXPECT_EQ(store::readOnlyReason(qpath(dbf)),
                  "The database \"" + qpath(dbf) + "\" cannot be changed (Permission denied).  It is opened read-only: "
                  "the books can be viewed, searched and reported, but not changed.");
    }
}
