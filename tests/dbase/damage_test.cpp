// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <random>

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

void makeIndexedTable(const TempDir& dir, int books)
{
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}});
    for (int i = 0; i < books; ++i) addBook(t, "T" + std::to_string(i), "A" + std::to_string(i * 7919 % 1000), i);
    t.addTag("NEWINDEX", testing_support::kSortKey);
}

void poke(const std::filesystem::path& file, std::uint64_t offset, const std::string& bytes)
{
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(std::streamoff(offset));
    f.write(bytes.data(), std::streamsize(bytes.size()));
}

std::string le32(std::uint32_t v) { return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }

// Opens the table and says what went wrong; empty when it opened.
std::string openError(const TempDir& dir, const std::string& tag = {})
{
    try {
        Table t;
        t.open(dir.path(), "BOOKS", {false, true, tag});
        return {};
    } catch (const DatabaseError& e) {
        return e.what();
    }
}

}  // namespace

TEST(Damage, BrokenTableHeadersAreRefusedWithWhatIsWrong)
{
    struct Case {
        const char* what;
        std::uint64_t offset;
        std::string bytes;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"header length beyond the file", 8, std::string("\x60\xEA", 2), "lies beyond the end of the file"},
        {"header length too small", 8, std::string("\x10\x00", 2), "header length 16 is too small"},
        {"record length that lies", 10, std::string("\x05\x00", 2), "record length 5 does not match the fields"},
        {"more records than the file holds", 4, le32(1000), "the header says 1000 records but the file holds only 20"},
        {"no terminator", 32 + 6 * 32, std::string("\x41", 1), "field descriptors are broken"},
        {"unknown field type", 32 + 11, "X", "unknown field type 'X'"},
        {"date field of width 9", 32 + 4 * 32 + 16, std::string("\x09", 1), "date width is not 8"},
        {"encrypted", 15, std::string("\x01", 1), "the table is encrypted"},
        {"not a dBASE table", 0, std::string("\x8C", 1), "is not a dBASE III or IV table"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        makeIndexedTable(dir, 20);
        poke(dir / "BOOKS.DBF", c.offset, c.bytes);
        std::string err = openError(dir);
        EXPECT_NE(err.find(c.message), std::string::npos) << c.what << ": " << err;
        EXPECT_NE(err.find("BOOKS.DBF"), std::string::npos) << c.what;
    }
    TempDir dir;
    makeIndexedTable(dir, 1);
    std::filesystem::resize_file(dir / "BOOKS.DBF", 20);
    EXPECT_NE(openError(dir).find("too short"), std::string::npos);
}

TEST(Damage, BrokenIndexesAreRefusedAndRebuiltFromTheTable)
{
    TempDir dir;
    makeIndexedTable(dir, 400);
    // the tag header is at page 4; read its root page and break the root node's key count
    std::ifstream in(dir / "BOOKS.MDX", std::ios::binary);
    in.seekg(4 * 512);
    unsigned char root[4];
    in.read(reinterpret_cast<char*>(root), 4);
    in.close();
    std::uint32_t rootPage = root[0] | (root[1] << 8) | (root[2] << 16) | (std::uint32_t(root[3]) << 24);
    poke(dir / "BOOKS.MDX", std::uint64_t(rootPage) * 512, le32(999));
    EXPECT_NE(openError(dir, "NEWINDEX").find("claims 999 keys"), std::string::npos);
    EXPECT_EQ(openError(dir), "");  // without the tag the table still opens
    EXPECT_FALSE(checkTable(dir.path(), "BOOKS").empty());

    // a child pointer back to the root makes a cycle
    poke(dir / "BOOKS.MDX", std::uint64_t(rootPage) * 512, le32(1) + le32(0) + le32(rootPage));
    EXPECT_NE(openError(dir, "NEWINDEX").find("used twice"), std::string::npos);

    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.reindex();
    }
    EXPECT_EQ(openError(dir, "NEWINDEX"), "");
    EXPECT_TRUE(checkTable(dir.path(), "BOOKS").empty());

    std::filesystem::remove(dir / "BOOKS.MDX");
    EXPECT_NE(openError(dir).find("production index BOOKS.MDX is missing"), std::string::npos);
}

TEST(Damage, RandomBytesNeverCrashTheEngine)
{
    TempDir dir;
    makeIndexedTable(dir, 300);
    const auto dbf = dir / "BOOKS.DBF", mdx = dir / "BOOKS.MDX";
    std::string goodDbf, goodMdx;
    {
        std::ifstream a(dbf, std::ios::binary), b(mdx, std::ios::binary);
        goodDbf.assign(std::istreambuf_iterator<char>(a), {});
        goodMdx.assign(std::istreambuf_iterator<char>(b), {});
    }
    std::mt19937 rnd(11);
    for (int round = 0; round < 300; ++round) {
        std::string d = goodDbf, m = goodMdx;
        std::string& target = round % 3 == 0 ? d : m;
        std::size_t limit = round % 3 == 0 ? 32 + 7 * 32 : target.size();
        for (int k = 0; k < 1 + round % 5; ++k) target[rnd() % limit] = char(rnd());
        std::ofstream(dbf, std::ios::binary | std::ios::trunc) << d;
        std::ofstream(mdx, std::ios::binary | std::ios::trunc) << m;
        try {
            Table t;
            t.open(dir.path(), "BOOKS", {false, true, "NEWINDEX"});
            for (std::size_t i = 0; i < t.recordCount(); ++i) {
                t.goToPosition(i);
                for (int f = 0; f < t.fieldCount(); ++f) (void)t.getText(f);
            }
        } catch (const DatabaseError&) {
        }
        (void)checkTable(dir.path(), "BOOKS");
    }
}

// Inputs the fuzzer once crashed the engine with: 4 bytes of table length, the table, the index.
TEST(Damage, FuzzerFindingsStayFixed)
{
    const auto folder = std::filesystem::path(SOURCE_DIR) / ".." / "fuzz" / "regressions";
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        ASSERT_GE(bytes.size(), 4u);
        std::uint32_t len = std::uint32_t(std::uint8_t(bytes[0])) | (std::uint32_t(std::uint8_t(bytes[1])) << 8) |
                            (std::uint32_t(std::uint8_t(bytes[2])) << 16) | (std::uint32_t(std::uint8_t(bytes[3])) << 24);
        len = std::min<std::uint32_t>(len, std::uint32_t(bytes.size() - 4));
        TempDir dir;
        std::ofstream(dir / "T.DBF", std::ios::binary) << bytes.substr(4, len);
        std::ofstream(dir / "T.MDX", std::ios::binary) << bytes.substr(4 + len);
        try {
            Table t;
            t.open(dir.path(), "T", {false, true, {}});
            for (const auto& tag : t.tags()) {
                Table u;
                try {
                    u.open(dir.path(), "T", {false, true, tag.name});
                } catch (const DatabaseError&) {
                }
            }
        } catch (const DatabaseError&) {
        }
        (void)checkTable(dir.path(), "T");
        ++seen;
    }
    EXPECT_GT(seen, 0);
}
