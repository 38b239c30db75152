// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <fstream>

#include "dbase/table.h"
#include "dbase/small_table.h"
#include "support/temp_dir.h"

using namespace dbase;
using testing_support::addBook;
using testing_support::createSmallTable;
using testing_support::run;
using testing_support::TempDir;

namespace {
const std::string kTool = BINDLOW_DBF_TOOL;

std::string slurp(const std::filesystem::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

std::string tool(const std::string& args, int* status)
{
    std::string out;
    *status = run(kTool + " " + args + " 2>&1", &out);
    return out;
}
}  // namespace

TEST(Cli, InfoDumpIndexPackAndCheck)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS");
        addBook(t, "Emma", "Austen", 12.5, 1815);
        addBook(t, "Ulysses", "Joyce", 3, 1922);
        addBook(t, "Persuasion", "austen", 7.25, 1817);
        t.first();
        t.next();
        t.deleteRecord();
    }
    const std::string dbf = "'" + (dir / "BOOKS.DBF").string() + "'";
    int status = 0;
    std::string info = tool("info " + dbf, &status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(info.find("records     3 (2 live, 1 deleted)"), std::string::npos) << info;
    EXPECT_NE(info.find("    2 AUTHOR     C  30  0"), std::string::npos) << info;
    EXPECT_NE(info.find("tags        0"), std::string::npos) << info;

    EXPECT_EQ(tool("dump " + dbf, &status), "1\tEmma\tAusten\t1815\t12.5000\t\t\n3\tPersuasion\tausten\t1817\t7.2500\t\t\n");
    tool("index " + dbf + " BYCOST 'STR(Cost,12,2)'", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(tool("dump " + dbf + " --tag bycost", &status).substr(0, 2), "3\t");
    EXPECT_NE(tool("info " + dbf, &status).find("BYCOST     C  12  STR(Cost,12,2)"), std::string::npos);
    EXPECT_EQ(tool("check " + dbf, &status), "ok\n");
    EXPECT_EQ(status, 0);
    tool("pack " + dbf, &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(tool("dump " + dbf + " --tag BYCOST", &status), "2\tPersuasion\tausten\t1817\t7.2500\t\t\n1\tEmma\tAusten\t1815\t12.5000\t\t\n");
    tool("reindex " + dbf, &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(tool("check " + dbf, &status), "ok\n");
}

// The header's year byte counts from 1900; other writers store the year's last two digits, so a
// byte below 80 is taken as 20xx.
TEST(Cli, ExportWritesAsciiDelimitedText)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS");
        addBook(t, "Say \"Hi\"", "Lane, K.", 5.95, 1997);
        addBook(t, "Emma", "Austen", 250000, 1815);
        t.append();
        t.setText(0, "Dated");
        t.setDate(4, Date {2005, 3, 17});
        t.post();
    }
    int status = 0;
    const auto out = dir / "OUT.TXT";
    tool("export '" + (dir / "BOOKS.DBF").string() + "' '" + out.string() + "'", &status);
    ASSERT_EQ(status, 0);
    const std::string text = slurp(out);
    EXPECT_EQ(text.substr(0, text.find("\r\n")).find("\"TITLE\""), 0u);
    EXPECT_NE(text.find("\"Say \"\"Hi\"\"\",\"Lane, K.\",\"1997\",\"5.95\",\"\",\"\"\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Emma\",\"Austen\",\"1815\",\"250000\""), std::string::npos) << text;  // never 2.5e+05
    EXPECT_NE(text.find("\"Dated\",\"\",\"\",\"\",\"3/17/2005\",\"\"\r\n"), std::string::npos) << text;  // month first
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
    tool("export '" + (dir / "BOOKS.DBF").string() + "' '" + out.string() + "' --no-header", &status);
    const std::string bare = slurp(out);
    EXPECT_EQ(std::count(bare.begin(), bare.end(), '\n'), 3);
    tool("export '" + (dir / "BOOKS.DBF").string() + "' '" + (dir / "no" / "X.TXT").string() + "'", &status);
    EXPECT_EQ(status, 1);
}

TEST(Cli, InfoReadsTheHeadersYearByteAsTheWritersMeantIt)
{
    TempDir dir;
    createSmallTable(dir.path());
    const auto file = dir / "BOOKS.DBF";
    const std::string dbf = "'" + file.string() + "'";
    for (auto [byte, year] : {std::pair {75, "2075-"}, {79, "2079-"}, {80, "1980-"}, {99, "1999-"},
                              {0, "2000-"}, {126, "2026-"}}) {
        {
            std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
            f.seekp(1);
            f.put(char(byte));
        }
        int status = 0;
        std::string info = tool("info " + dbf, &status);
        EXPECT_EQ(status, 0);
        EXPECT_NE(info.find(std::string("updated     ") + year), std::string::npos) << byte << "\n" << info;
    }
}

TEST(Cli, ErrorsLeaveTheFileAsItWas)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS");
        addBook(t, "Emma", "Austen", 12.5);
    }
    const auto path = dir / "BOOKS.DBF";
    const std::string dbf = "'" + path.string() + "'";
    const std::string before = slurp(path);
    int status = 0;
    std::string out = tool("index " + dbf + " BAD 'Upper(Nope)'", &status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("bindlow-dbf: "), std::string::npos);
    EXPECT_NE(out.find("unknown field NOPE"), std::string::npos) << out;
    EXPECT_EQ(slurp(path), before);
    EXPECT_FALSE(std::filesystem::exists(dir / "BOOKS.MDX"));

    out = tool("dump '" + (dir / "MISSING.DBF").string() + "'", &status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("MISSING.DBF: cannot open the file"), std::string::npos) << out;
    tool("frobnicate " + dbf, &status);
    EXPECT_EQ(status, 2);

    // check lists faults and says so in its status
    {
        std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(32 + 6 * 32 + 1 + 1 + 40 + 30);
        f.write("abcdefghijk", 11);  // junk in the numeric field YearPub
    }
    out = tool("check " + dbf, &status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("record 1: field YEARPUB holds no number"), std::string::npos) << out;
}

TEST(Cli, SpeaksUtf8AndExplainsItself)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS");
        addBook(t, "Caf\xE9 \x80 \x96", "Bront\xEB", 3);  // Windows-1252: é, €, en dash; ë
    }
    int status = 0;
    std::string out;
    status = run(kTool + " dump '" + (dir / "BOOKS.DBF").string() + "'", &out);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, "1\tCaf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93\tBront\xC3\xAB\t1997\t3.0000\t\t\n");

    // --help: the usage on standard output, status 0; a wrong call: the usage on standard error, status 2
    status = run(kTool + " --help 2>/dev/null", &out);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out.rfind("usage: bindlow-dbf info FILE.DBF\n", 0), 0u) << out;
    EXPECT_NE(out.find("bindlow-dbf pack FILE.DBF"), std::string::npos);
    std::string err;
    status = run(kTool + " 2>&1 >/dev/null", &err);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(err.rfind("usage: bindlow-dbf", 0), 0u);
    status = run(kTool + " info 2>/dev/null", &out);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(out, "");
}

TEST(Cli, RecoverAddsRecordsPastTheCountAndReindexMendsABrokenIndex)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS");
        for (int i = 0; i < 12; ++i) addBook(t, "B" + std::to_string(i), "A", i);
        t.addTag("BYTITLE", "Upper(Title)");
    }
    const std::string dbf = "'" + (dir / "BOOKS.DBF").string() + "'";
    {
        std::fstream f(dir / "BOOKS.DBF", std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(4);
        f.write("\x02\0\0\0", 4);  // the header counts 2 of 12
    }
    int status = 0;
    EXPECT_NE(tool("info " + dbf, &status).find("10 whole records lie past the header's count"), std::string::npos);
    EXPECT_NE(tool("check " + dbf, &status).find("10 whole records lie past the header's count"), std::string::npos);
    EXPECT_EQ(status, 1);
    std::string out = tool("pack " + dbf, &status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("bindlow-dbf recover"), std::string::npos) << out;
    EXPECT_EQ(tool("recover " + dbf, &status),
              "adding 10 records that lie past the header's count of 2\nthe table holds 12 records now\n");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(tool("check " + dbf, &status), "ok\n");
    EXPECT_EQ(tool("recover " + dbf, &status), "no records lie past the header's count; nothing to recover\n");

    // junk after the table (a power cut, a faulty copy) is no books: counted, listed and
    // recovered as none, and left as it is
    const auto size = std::filesystem::file_size(dir / "BOOKS.DBF");
    {
        std::ofstream f(dir / "BOOKS.DBF", std::ios::app | std::ios::binary);
        f << std::string(5000, '\0') << std::string(3000, '\xFF');
    }
    EXPECT_EQ(tool("info " + dbf, &status).find("lie past the header's count"), std::string::npos);
    EXPECT_EQ(tool("check " + dbf, &status), "ok\n");
    EXPECT_EQ(tool("recover " + dbf, &status), "no records lie past the header's count; nothing to recover\n"
                                               "8000 bytes past the last record are no records; they are left as "
                                               "they are\n");
    EXPECT_EQ(std::filesystem::file_size(dir / "BOOKS.DBF"), size + 8000);
    EXPECT_EQ(tool("check " + dbf, &status), "ok\n");

    // an index whose tag table is nonsense: reindex rebuilds what it can and says what it lost
    {
        std::fstream f(dir / "BOOKS.MDX", std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(28);
        f.write("\xFF\xFF", 2);
    }
    out = tool("reindex " + dbf, &status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("the old index could not be read: "), std::string::npos) << out;
    EXPECT_NE(out.find("no tags: the table has no index now"), std::string::npos) << out;
    EXPECT_EQ(tool("check " + dbf, &status), "ok\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "BOOKS.MDX"));
}

// A command-line tool: of Qt it loads the core library alone (for the import's readers and the
// comma-separated export it shares with the program), never the painting or window libraries.
TEST(Cli, LoadsNoWindowLibraries)
{
    std::string out;
    ASSERT_EQ(run("ldd " + kTool, &out), 0) << out;
    EXPECT_NE(out.find("libQt6Core"), std::string::npos) << out;
    for (const char* library : {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport"})
        EXPECT_EQ(out.find(library), std::string::npos) << library << " in\n" << out;
}
