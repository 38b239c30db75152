// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <random>
#include <sys/stat.h>

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
        {"one record more than the file holds", 4, le32(21), "the header says 21 records but the file holds only 20"},
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

namespace {
std::string slurp(const std::filesystem::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

std::string errorOf(const std::function<void()>& f)
{
    try {
        f();
        return {};
    } catch (const DatabaseError& e) {
        return e.what();
    }
}
}  // namespace

// Records past the header's count may be a user's books: nothing discards them, recover adds them.
TEST(Damage, RecordsPastTheHeadersCountAreKeptUntilRecovered)
{
    TempDir dir;
    makeIndexedTable(dir, 200);
    poke(dir / "BOOKS.DBF", 4, le32(0));
    const std::string table = slurp(dir / "BOOKS.DBF"), index = slurp(dir / "BOOKS.MDX");

    auto faults = checkTable(dir.path(), "BOOKS");
    ASSERT_FALSE(faults.empty());
    EXPECT_NE(faults.front().find("200 whole records lie past the header's count"), std::string::npos) << faults.front();
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}, true});
        EXPECT_EQ(t.recordsPastCount(), 200u);
        for (auto change : std::vector<std::function<void()>> {[&] { t.pack(); }, [&] { t.reindex(); },
                                                               [&] { t.rebuildIndex(); }, [&] { t.append(); },
                                                               [&] { t.addTag("X", "Title"); }})
            EXPECT_NE(errorOf(change).find("200 whole records lie past the header's count"), std::string::npos);
    }
    EXPECT_EQ(slurp(dir / "BOOKS.DBF"), table);
    EXPECT_EQ(slurp(dir / "BOOKS.MDX"), index);

    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}, true});
        EXPECT_EQ(t.recover(), 200u);
    }
    EXPECT_TRUE(checkTable(dir.path(), "BOOKS").empty());
    Table t;
    t.open(dir.path(), "BOOKS", {false, true, "NEWINDEX"});
    EXPECT_EQ(t.recordCount(), 200u);
    EXPECT_EQ(t.recordsPastCount(), 0u);

    // one record past the count is what an append killed before its count leaves: not reported
    t.close();
    poke(dir / "BOOKS.DBF", 4, le32(199));
    t.open(dir.path(), "BOOKS", {true, false, {}});
    EXPECT_EQ(t.recordsPastCount(), 0u);
    EXPECT_NO_THROW(t.pack());
}

// What lies past a table's last record counts as books only while it reads as records: a zero
// or 0xFF tail is none, good whole records before junk are, and so are the whole records before a
// cut one.
TEST(Damage, JunkPastATablesEndIsNoBooks)
{
    const auto countsPast = [](const TempDir& dir) {
        Table t;
        t.open(dir.path(), "BOOKS", {false, true, {}});
        return std::make_pair(t.recordsPastCount(), t.recordCount());
    };
    for (const std::string& tail : {std::string(5 * 1075, '\0'), std::string(1 << 20, '\xFF')}) {
        TempDir dir;
        makeIndexedTable(dir, 60);
        {
            std::ofstream f(dir / "BOOKS.DBF", std::ios::app | std::ios::binary);
            f << tail;
        }
        EXPECT_EQ(countsPast(dir), std::make_pair(0u, std::size_t(60)));
        EXPECT_TRUE(checkTable(dir.path(), "BOOKS").empty());
    }

    TempDir dir;
    makeIndexedTable(dir, 60);
    poke(dir / "BOOKS.DBF", 4, le32(52));  // eight good records past the count
    {
        std::ofstream f(dir / "BOOKS.DBF", std::ios::app | std::ios::binary);
        f << std::string(3000, '\xFF');
    }
    EXPECT_EQ(countsPast(dir), std::make_pair(8u, std::size_t(60)));
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}, true});
        EXPECT_EQ(t.recover(), 8u);
    }
    EXPECT_TRUE(checkTable(dir.path(), "BOOKS").empty());
    EXPECT_EQ(countsPast(dir), std::make_pair(0u, std::size_t(60)));

    // a slot counts only with a known deletion flag and fields that read as their types
    {
        TempDir odd;
        makeIndexedTable(odd, 60);
        poke(odd / "BOOKS.DBF", 4, le32(52));
        const auto file = odd / "BOOKS.DBF";
        const std::uint64_t slot55 = 225 + 54 * 111;  // header of six fields; records of 111 bytes
        const std::string original = slurp(file).substr(slot55, 111);
        const std::vector<std::pair<std::uint64_t, std::string>> spoilt {
            {0, "X"},                        // deletion flag
            {82, std::string(20, '\0')},     // Cost: NUL bytes
            {102, "ABCDEFGH"},               // PurchDate: letters
            {71, "  12x45    "},             // YearPub: a letter
            {110, "Q"},                      // Signed: no logical
        };
        for (const auto& [offset, bytes] : spoilt) {
            poke(file, slot55 + offset, bytes);
            EXPECT_EQ(countsPast(odd).first, 2u) << "offset " << offset;
            poke(file, slot55, original);
        }
        EXPECT_EQ(countsPast(odd).first, 8u);
    }

    // a record cut short at the end: the whole ones before it count, it does not
    TempDir cut;
    makeIndexedTable(cut, 60);
    poke(cut / "BOOKS.DBF", 4, le32(50));
    const auto size = std::filesystem::file_size(cut / "BOOKS.DBF");
    std::filesystem::resize_file(cut / "BOOKS.DBF", size - 1 - 40);  // no end mark, record 60 cut
    EXPECT_EQ(countsPast(cut).first, 9u);
}

TEST(Damage, SpecialFilesAreRefusedWithoutWaiting)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "BOOKS.DBF").c_str(), 0600), 0);
    EXPECT_NE(openError(dir).find("is not a regular file"), std::string::npos);  // no writer: would hang if it waited
    std::filesystem::remove(dir / "BOOKS.DBF");
    makeIndexedTable(dir, 5);
    std::filesystem::remove(dir / "BOOKS.MDX");
    ASSERT_EQ(::mkfifo((dir / "BOOKS.MDX").c_str(), 0600), 0);
    EXPECT_NE(openError(dir).find("is not a regular file"), std::string::npos);
}

// The index is derived data: whatever became of it, rebuilding it from the table works and says
// which tags could not be kept.
TEST(Damage, ADamagedIndexIsRebuiltFromTheTableAlone)
{
    struct Case {
        const char* what;
        std::function<void(const TempDir&)> damage;
        bool tagsReadable;
    };
    const std::vector<Case> cases {
        {"truncated", [](const TempDir& d) { std::filesystem::resize_file(d / "BOOKS.MDX", 700); }, false},
        {"zeroed", [](const TempDir& d) { poke(d / "BOOKS.MDX", 0, std::string(2048, '\0')); }, false},
        {"tag count 65535", [](const TempDir& d) { poke(d / "BOOKS.MDX", 28, "\xFF\xFF"); }, false},
        {"missing", [](const TempDir& d) { std::filesystem::remove(d / "BOOKS.MDX"); }, false},
        {"root outside the file", [](const TempDir& d) { poke(d / "BOOKS.MDX", 4 * 512, le32(999999)); }, true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        makeIndexedTable(dir, 300);
        c.damage(dir);
        EXPECT_NE(openError(dir, "NEWINDEX"), "") << c.what;
        Table t;
        ASSERT_NO_THROW(t.open(dir.path(), "BOOKS", {true, false, {}, true})) << c.what;
        // changes would leave the index it did not read behind
        EXPECT_NE(errorOf([&] { t.append(); }).find("opened without its index"), std::string::npos) << c.what;
        EXPECT_NE(errorOf([&] { t.pack(); }).find("opened without its index"), std::string::npos) << c.what;
        IndexRebuild r = t.rebuildIndex({{"NEWINDEX", testing_support::kSortKey}});
        EXPECT_EQ(r.kept, std::vector<std::string> {"NEWINDEX"}) << c.what;
        t.close();
        EXPECT_EQ(openError(dir, "NEWINDEX"), "") << c.what;
        EXPECT_TRUE(checkTable(dir.path(), "BOOKS").empty()) << c.what;
    }

    // a tag whose key names no field cannot be kept; the others are, and it is said which
    TempDir dir;
    makeIndexedTable(dir, 50);
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.addTag("BYTITLE", "Upper(Title)");
    }
    const std::string mdx = slurp(dir / "BOOKS.MDX");
    const auto at = mdx.find("Upper(Title)");
    ASSERT_NE(at, std::string::npos);
    poke(dir / "BOOKS.MDX", at, "Upper(Tytle)");
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}, true});
    IndexRebuild r = t.rebuildIndex();
    EXPECT_EQ(r.kept, std::vector<std::string> {"NEWINDEX"});
    ASSERT_EQ(r.lost.size(), 1u);
    EXPECT_EQ(r.lost[0].rfind("BYTITLE: ", 0), 0u) << r.lost[0];
    t.close();
    EXPECT_TRUE(checkTable(dir.path(), "BOOKS").empty());
}

// A write that fails (a full disk, a size limit) leaves the old files and no temporary ones.
TEST(Damage, FailedRewritesLeaveNoTemporaryFiles)
{
    for (int n = 1; n < 60; ++n) {
        TempDir dir;
        makeIndexedTable(dir, 40);
        const std::string table = slurp(dir / "BOOKS.DBF"), index = slurp(dir / "BOOKS.MDX");
        bool failed = false;
        {
            Table t;
            t.open(dir.path(), "BOOKS", {true, false, {}});
            int steps = 0;
            setFileStepHookForTests([&](const char* what) {
                if (++steps == n && std::string(what) == "write") throw DatabaseError("no space left on device");
            });
            try {
                if (n % 2) t.pack(); else t.reindex();
            } catch (const DatabaseError&) {
                failed = true;
            }
            setFileStepHookForTests({});
        }
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string> {"BOOKS.DBF", "BOOKS.MDX"})) << "step " << n;
        if (failed) {
            EXPECT_EQ(slurp(dir / "BOOKS.DBF"), table) << "step " << n;
            EXPECT_TRUE(checkTable(dir.path(), "BOOKS").empty()) << "step " << n;
        }
    }
    // and leftovers of a writer that died are removed by the next exclusive open
    TempDir dir;
    makeIndexedTable(dir, 5);
    for (const char* junk : {"BOOKS.MDX.tmp", "BOOKS.MDX.new.tmp", "BOOKS.DBF.new", "BOOKS.MDX.new"})
        std::ofstream(dir / junk) << "half";
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}});
    t.close();
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string> {"BOOKS.DBF", "BOOKS.MDX"}));
    EXPECT_TRUE(checkTable(dir.path(), "BOOKS").empty());
}

// An index that ends inside its last block, wherever the cut falls, is refused as reaching outside
// the file: the missing part of the block is never read.
TEST(Damage, AnIndexCutInsideItsLastBlockIsRefused)
{
    TempDir whole;
    makeIndexedTable(whole, 400);
    const std::string mdx = slurp(whole / "BOOKS.MDX");
    const std::size_t block = (std::size_t(std::uint8_t(mdx[20])) | std::size_t(std::uint8_t(mdx[21])) << 8) * 512;
    ASSERT_GE(block, 1024u);
    ASSERT_EQ(mdx.size() % block, 0u);
    // the bytes of the last block that stay
    for (std::size_t kept : {std::size_t(1), std::size_t(511), std::size_t(512), std::size_t(513), block / 2 + 7, block - 1}) {
        TempDir dir;
        for (const char* name : {"BOOKS.DBF", "BOOKS.MDX"}) std::filesystem::copy_file(whole / name, dir / name);
        std::filesystem::resize_file(dir / "BOOKS.MDX", mdx.size() - block + kept);
        const std::string err = openError(dir, "NEWINDEX");
        EXPECT_NE(err.find("lies outside the index file"), std::string::npos) << kept << " bytes kept: " << err;
        const auto faults = checkTable(dir.path(), "BOOKS");
        EXPECT_TRUE(std::any_of(faults.begin(), faults.end(),
                                [](const std::string& f) { return f.find("lies outside the index file") != std::string::npos; }))
            << kept << " bytes kept";
    }
}
