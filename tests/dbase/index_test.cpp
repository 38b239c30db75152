// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <random>

#include "dbase/check.h"
#include "dbase/error.h"
#include "dbase/file.h"
#include "dbase/mdx.h"
#include "dbase/cores.h"
#include "dbase/table.h"
#include "dbase/small_table.h"
#include "support/temp_dir.h"

using namespace dbase;
using testing_support::addBook;
using testing_support::createSmallTable;
using testing_support::TempDir;

namespace {

const char* kAuthorKey = "Upper(Left(Author,20))";

std::vector<std::uint32_t> order(Table& t)
{
    std::vector<std::uint32_t> out;
    for (std::size_t i = 0; i < t.recordCount(); ++i) out.push_back(t.recordAt(i));
    return out;
}

// The order the tag must give, worked out from the records themselves.
std::vector<std::uint32_t> expectedByAuthor(Table& t)
{
    std::vector<std::pair<std::string, std::uint32_t>> rows;
    for (std::uint32_t r = 1; r <= t.physicalCount(); ++r) {
        RecordView v = t.record(r);
        if (v.deleted()) continue;
        std::string k = v.text(1).substr(0, 20);
        for (auto& c : k) c = char(std::toupper(static_cast<unsigned char>(c)));
        k.resize(20, ' ');
        rows.emplace_back(k, r);
    }
    std::sort(rows.begin(), rows.end());
    std::vector<std::uint32_t> out;
    for (auto& p : rows) out.push_back(p.second);
    return out;
}

// Checks the files with the table closed, then opens it again as it was.
void expectSound(const TempDir& dir, Table& t)
{
    OpenOptions again {t.exclusive(), t.readOnly(), t.activeTag()};
    t.close();
    auto faults = checkTable(dir.path(), "BOOKS");
    EXPECT_TRUE(faults.empty()) << faults.front();
    t.open(dir.path(), "BOOKS", again);
}

}  // namespace

TEST(Index, PostedRecordsTakeTheirPlaceAndTheTreeStaysSound)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}});
    t.addTag("NEWINDEX", kAuthorKey);
    t.setActiveTag("NewIndex");
    std::mt19937 rnd(7);
    const char* authors[] = {"smith", "Goldsmith", "austen", "Le Guin", "", "zola", "Borges", "eco"};
    // enough records, with long runs of equal keys, to split leaves and interior nodes many times
    for (int i = 0; i < 3000; ++i) addBook(t, "T" + std::to_string(i), authors[rnd() % 8] + std::to_string(rnd() % 40), i);
    EXPECT_EQ(order(t), expectedByAuthor(t));
    EXPECT_EQ(t.getText(0), "T2999");  // the posted record is current
    expectSound(dir, t);

    // edits that move records, empty whole leaves and change the last keys of nodes
    for (std::uint32_t r = 1; r <= 3000; r += 1) {
        t.gotoBookmark(r);
        std::string a = t.getText(1);
        if (a.rfind("smith", 0) == 0 || r % 7 == 0) {
            t.edit();
            t.setText(1, r % 2 ? "zz" + a : "aa" + a);
            t.post();
            EXPECT_EQ(t.recordNumber(), r);
        }
    }
    EXPECT_EQ(order(t), expectedByAuthor(t));
    expectSound(dir, t);

    t.close();
    t.open(dir.path(), "BOOKS", {false, false, "NEWINDEX"});
    EXPECT_EQ(order(t), expectedByAuthor(t));
}

namespace {

// The records and the tag's entries as the files hold them now, read past any open (and past its
// locks): what another program would find after a crash.
std::pair<std::uint32_t, std::size_t> onDisk(const TempDir& dir)
{
    unsigned char count[4] = {};
    std::ifstream f(dir / "BOOKS.DBF", std::ios::binary);
    f.seekg(4);
    f.read(reinterpret_cast<char*>(count), 4);
    Mdx index(dir / "BOOKS.MDX", false);
    std::size_t entries = 0;
    index.walk(*index.findTag("NEWINDEX"), [&](std::uint32_t, const unsigned char*) { ++entries; }, true);
    return {std::uint32_t(count[0] | count[1] << 8 | count[2] << 16 | count[3] << 24), entries};
}

bool updateLockFree(const TempDir& dir)
{
    File other(dir / "BOOKS.DBF", File::Mode::ReadWrite);
    if (!other.tryLock(kUpdateLock, 1, true)) return false;
    other.unlock(kUpdateLock, 1);
    return true;
}

}  // namespace

// A run of posts holds the locks throughout, yet every post is whole in the files when it returns:
// appends that split leaves and the root, key changes and deletions, a refresh in between.
TEST(Index, ARunOfPostsWritesEachPostThroughAndFreesTheLocksAtItsEnd)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table x;
        x.open(dir.path(), "BOOKS", {true, false, {}});
        x.addTag("NEWINDEX", kAuthorKey);
    }
    Table t;
    t.open(dir.path(), "BOOKS", {false, false, "NEWINDEX"});
    std::mt19937 rnd(11);
    t.beginPosts();
    EXPECT_TRUE(t.postsHeld());
    EXPECT_FALSE(updateLockFree(dir));
    for (int i = 0; i < 700; ++i) {
        addBook(t, "T" + std::to_string(i), "A" + std::to_string(rnd() % 50), i);
        if (i % 97 == 0) {
            EXPECT_EQ(onDisk(dir), std::make_pair(std::uint32_t(i + 1), std::size_t(i + 1))) << i;
        }
    }
    t.refresh();  // reads the order under the run's hold without weakening it
    EXPECT_FALSE(updateLockFree(dir));
    for (std::uint32_t r = 3; r <= 700; r += 5) {
        t.gotoBookmark(r);
        t.edit();
        t.setText(1, (r % 2 ? "a" : "Z") + t.getText(1));
        t.post();
    }
    t.gotoBookmark(10);
    t.deleteRecord();
    EXPECT_TRUE(t.postsHeld());
    EXPECT_EQ(onDisk(dir), std::make_pair(std::uint32_t(700), std::size_t(700)));
    t.endPosts();
    EXPECT_FALSE(t.postsHeld());
    EXPECT_TRUE(updateLockFree(dir));
    t.endPosts();  // again: nothing
    EXPECT_EQ(order(t), expectedByAuthor(t));
    expectSound(dir, t);

    // another open changes the index between runs: the next run reads it afresh
    {
        Table other;
        other.open(dir.path(), "BOOKS", {false, false, {}});
        for (int i = 0; i < 300; ++i) addBook(other, "O" + std::to_string(i), "M" + std::to_string(i % 13), i);
    }
    {
        Table::PostRun run(t);
        for (int i = 0; i < 300; ++i) addBook(t, "U" + std::to_string(i), "B" + std::to_string(i % 17), i);
    }
    EXPECT_TRUE(updateLockFree(dir));
    EXPECT_EQ(t.recordCount(), 1299u);
    EXPECT_EQ(order(t), expectedByAuthor(t));
    expectSound(dir, t);
}

namespace {
// A small table sorted by author whose root leaf (page 6) is broken, so that the index cannot
// take a key.
void breakTheIndex(const TempDir& dir)
{
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.addTag("NEWINDEX", kAuthorKey);
    }
    std::fstream f(dir / "BOOKS.MDX", std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(6 * 512);
    f.write("\xC8\0\0\0", 4);
}
}  // namespace

// A run whose index cannot take a key: the record stays, the failure is told, and the locks are
// free once the run ends.
TEST(Index, ARunOfPostsWithABrokenIndexKeepsTheRecordsAndLetsGo)
{
    TempDir dir;
    breakTheIndex(dir);
    Table t;
    t.open(dir.path(), "BOOKS");
    {
        Table::PostRun run(t);
        for (int i = 0; i < 2; ++i) {
            t.append();
            t.setText(0, "one");
            EXPECT_THROW(t.post(), DatabaseError);
            EXPECT_EQ(t.state(), TableState::Browse);
        }
    }
    EXPECT_TRUE(updateLockFree(dir));
    EXPECT_EQ(t.physicalCount(), 2u);
}

TEST(Index, DeletingAndPackingKeepTheTagInStep)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}});
    t.addTag("NEWINDEX", kAuthorKey);
    t.setActiveTag("NEWINDEX");
    for (int i = 0; i < 500; ++i) addBook(t, "T" + std::to_string(i), "A" + std::to_string(i % 13), i);
    for (int i = 0; i < 50; ++i) {
        t.goToPosition(std::size_t(i * 7 % t.recordCount()));
        t.deleteRecord();
    }
    EXPECT_EQ(t.recordCount(), 450u);
    expectSound(dir, t);  // deleted records keep their keys until the pack
    t.pack();
    EXPECT_EQ(t.physicalCount(), 450u);
    EXPECT_EQ(t.recordCount(), 450u);
    EXPECT_EQ(order(t), expectedByAuthor(t));
    expectSound(dir, t);
    addBook(t, "after pack", "A0", 1);
    EXPECT_EQ(order(t), expectedByAuthor(t));
    expectSound(dir, t);
}

TEST(Index, SeekExactAndNearestOnTheActiveTag)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}});
    for (const char* a : {"Lane", "King", "Austen", "Goldsmith", "Smith"}) addBook(t, a, a, 1);
    EXPECT_THROW(t.seek("KING", true), DatabaseError);  // no active tag
    t.addTag("NEWINDEX", kAuthorKey);
    t.setActiveTag("NEWINDEX");
    EXPECT_TRUE(t.seek("KING", true));
    EXPECT_EQ(t.getText(1), "King");
    EXPECT_TRUE(t.seek("SM", true));  // the key is a prefix
    EXPECT_EQ(t.getText(1), "Smith");
    EXPECT_FALSE(t.seek("MITH", true));
    EXPECT_EQ(t.getText(1), "Smith");  // a failed exact seek does not move
    EXPECT_FALSE(t.seek("HOBBES", true));
    EXPECT_TRUE(t.seek("HOBBES", false));
    EXPECT_EQ(t.getText(1), "King");
    EXPECT_FALSE(t.seek("ZOLA", false));
    EXPECT_TRUE(t.eof());
    // seeking honours the filter
    t.setFilter([](const RecordView& r) { return r.text(1) != "King"; });
    EXPECT_FALSE(t.seek("KING", true));
    EXPECT_TRUE(t.seek("KING", false));
    EXPECT_EQ(t.getText(1), "Lane");
}

TEST(Index, TagsAreAddedReplacedAndDropped)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}});
    for (int i = 0; i < 30; ++i) addBook(t, "T" + std::to_string(i), "A" + std::to_string(29 - i), i);
    t.deleteTag("NEWINDEX");  // dropping a tag the index does not hold is harmless
    EXPECT_TRUE(t.tags().empty());
    t.addTag("NEWINDEX", kAuthorKey);
    t.addTag("BYCOST", "STR(Cost,12,2)");
    ASSERT_EQ(t.tags().size(), 2u);
    EXPECT_EQ(t.header().mdxFlag, 1);
    t.addTag("NEWINDEX", "Upper(Left(Title,10))");  // same name: replaced in place
    ASSERT_EQ(t.tags().size(), 2u);
    EXPECT_EQ(t.tags()[0].expression, "Upper(Left(Title,10))");
    t.setActiveTag("BYCOST");
    addBook(t, "new", "Q", 3.5);
    expectSound(dir, t);  // every tag is maintained, not just the active one
    t.deleteTag("NEWINDEX");
    EXPECT_EQ(t.tags().size(), 1u);
    EXPECT_EQ(t.activeTag(), "BYCOST");
    t.deleteTag("BYCOST");
    EXPECT_EQ(t.activeTag(), "");
    EXPECT_EQ(t.header().mdxFlag, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "BOOKS.MDX"));
    EXPECT_THROW(t.addTag("BAD NAME", "Author"), DatabaseError);
    EXPECT_THROW(t.addTag("NUM", "YearPub"), DatabaseError);  // character keys only
    t.close();
    // with the index gone and the flag cleared the table opens in record order
    t.open(dir.path(), "BOOKS");
    EXPECT_EQ(t.recordCount(), 31u);
}

TEST(Index, AddingATagToASharedTableNeedsItToBeTheOnlyOpen)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table a, b;
    a.open(dir.path(), "BOOKS");
    addBook(a, "x", "y", 1);
    a.addTag("NEWINDEX", kAuthorKey);  // nobody else has it open
    b.open(dir.path(), "BOOKS", {false, false, "NEWINDEX"});
    EXPECT_THROW(a.addTag("OTHER", "Title"), TableInUse);
    Table c;
    EXPECT_THROW(c.open(dir.path(), "BOOKS", {true, false, {}}), TableInUse);
    EXPECT_EQ(a.tags().size(), 1u);
    addBook(b, "z", "a", 2);  // b keeps the shared index current
    a.refresh();
    a.setActiveTag("NEWINDEX");
    a.first();
    EXPECT_EQ(a.getText(1), "a");
}

TEST(Index, RebuildRepairsAnIndexThatLostStep)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        for (int i = 0; i < 200; ++i) addBook(t, "T", "A" + std::to_string(i), i);
        t.addTag("NEWINDEX", kAuthorKey);
    }
    // change a key behind the index's back
    {
        std::fstream f(dir / "BOOKS.DBF", std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(32 + 6 * 32 + 1 + 1 + 40);
        f.write("ZZZZ", 4);
    }
    EXPECT_FALSE(checkTable(dir.path(), "BOOKS").empty());
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}});
    t.reindex();
    expectSound(dir, t);
}

TEST(Index, RebuildingFromASharedOpenCountsWhatOthersAdded)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table a;
    a.open(dir.path(), "BOOKS");
    addBook(a, "first", "A", 1);
    a.addTag("NEWINDEX", kAuthorKey);
    {
        Table b;
        b.open(dir.path(), "BOOKS");
        addBook(b, "second", "B", 2);
    }
    a.reindex();  // a has not refreshed since b appended
    a.addTag("BYTITLE", "Upper(Left(Title,10))");
    a.close();
    auto faults = checkTable(dir.path(), "BOOKS");
    EXPECT_TRUE(faults.empty()) << faults.front();
}

TEST(Index, AFailedIndexUpdateKeepsThePostedRecordOnce)
{
    TempDir dir;
    breakTheIndex(dir);
    Table t;
    t.open(dir.path(), "BOOKS");
    t.append();
    t.setText(0, "one");
    try {
        t.post();
        ADD_FAILURE() << "the post did not report the broken index";
    } catch (const DatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("the record was saved, but the index must be rebuilt"), std::string::npos);
    }
    EXPECT_EQ(t.state(), TableState::Browse);
    t.first();
    t.next();
    EXPECT_EQ(t.physicalCount(), 1u);
    // and a failed rebuild leaves the old index in charge
    std::filesystem::create_directory(dir / "BOOKS.MDX.tmp");
    EXPECT_THROW(t.reindex(), DatabaseError);
    std::filesystem::remove(dir / "BOOKS.MDX.tmp");
    EXPECT_FALSE(t.tags().empty());
    t.close();
    t.open(dir.path(), "BOOKS", {true, false, {}});
    t.reindex();
    t.close();
    EXPECT_TRUE(checkTable(dir.path(), "BOOKS").empty());
}

// The rows a table shows are kept up to date change by change, never rebuilt; after thousands of
// edits, deletions and appends through a filter they must be exactly what a simple model of the
// records gives, and what an open reads afresh. Enough books to span many blocks of rows.
TEST(Index, RowsKeptThroughManyChangesAndAFilterMatchAModel)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}});
    t.addTag("NEWINDEX", kAuthorKey);
    std::mt19937 rnd(11);
    for (int i = 0; i < 6000; ++i) addBook(t, "T" + std::to_string(i), "A" + std::to_string(rnd() % 300), double(rnd() % 100));
    const auto cheap = [](const RecordView& r) { return r.number(3).value_or(0) < 50; };
    auto model = [&](bool withTag) {
        std::vector<std::uint32_t> want = withTag ? expectedByAuthor(t) : std::vector<std::uint32_t>();
        if (!withTag)
            for (std::uint32_t r = 1; r <= t.physicalCount(); ++r)
                if (!t.record(r).deleted()) want.push_back(r);
        std::erase_if(want, [&](std::uint32_t r) { return !cheap(t.record(r)); });
        return want;
    };
    for (bool withTag : {true, false}) {
        t.setActiveTag(withTag ? "NEWINDEX" : "");
        t.setFilter(cheap);
        ASSERT_EQ(order(t), model(withTag));
        for (int i = 0; i < 3000; ++i) {
            ASSERT_FALSE(t.isEmpty());
            t.goToPosition(rnd() % t.recordCount());
            const std::uint32_t r = t.recordNumber();
            switch (rnd() % 5) {
            case 0:  // leaves the filter
                t.edit();
                t.setDouble(3, 75);
                t.post();
                break;
            case 1:  // moves in the order, stays in the filter
                t.edit();
                t.setText(1, "A" + std::to_string(rnd() % 300));
                t.post();
                EXPECT_EQ(t.recordNumber(), r);
                break;
            case 2:
                t.deleteRecord();
                break;
            case 3: {  // a book that passes and one that does not
                addBook(t, "new", "A" + std::to_string(rnd() % 300), 10);
                const std::uint32_t added = t.recordNumber();
                EXPECT_EQ(added, t.physicalCount());
                addBook(t, "dear", "A" + std::to_string(rnd() % 300), 90);
                break;
            }
            default:  // a change the order and the filter do not see
                t.edit();
                t.setText(0, "Retitled");
                t.post();
                EXPECT_EQ(t.recordNumber(), r);
            }
            if (i % 500 == 0) {
                ASSERT_EQ(order(t), model(withTag)) << "after change " << i;
            }
        }
        ASSERT_EQ(order(t), model(withTag));
        const auto kept = order(t);
        t.close();
        t.open(dir.path(), "BOOKS", {true, false, withTag ? "NEWINDEX" : ""});
        t.setFilter(cheap);
        EXPECT_EQ(order(t), kept);
        // bookmarks and positions agree with the rows
        for (std::size_t row = 0; row < t.recordCount(); row += 37) {
            ASSERT_TRUE(t.gotoBookmark(t.recordAt(row)));
            EXPECT_EQ(t.position(), row);
        }
    }
}

// Without a filter the rows are found as they are asked for. Whatever is asked first (a row near
// the top, far down, the count, a bookmark, a move past the end), the answers must be those of a
// table whose rows are all known; long runs of deleted books must not hide the rows after them.
TEST(Index, RowsFoundAsWantedAnswerAsIfAllWereKnown)
{
    TempDir dir;
    createSmallTable(dir.path());
    std::vector<std::uint32_t> want, wantByRecord;
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.addTag("NEWINDEX", kAuthorKey);
        for (int i = 0; i < 9000; ++i) addBook(t, "T", "A" + std::to_string((i * 7919) % 9000 + 10000), 1);
        t.setActiveTag("NEWINDEX");
        // a long run at the top of the order, another further on, and scattered ones
        for (int i = 0; i < 5000; ++i) {
            t.goToPosition(i < 2500 ? 0 : i < 4500 ? 3000 : std::size_t(i) % t.recordCount());
            t.deleteRecord();
        }
        want = order(t);
        t.setActiveTag("");
        wantByRecord = order(t);
    }
    using Probe = std::function<void(Table&)>;
    const std::vector<std::pair<const char*, Probe>> probes = {
        {"first rows", [&](Table& t) {
             EXPECT_FALSE(t.isEmpty());
             EXPECT_EQ(t.recordNumber(), want[0]);
             for (std::size_t r = 0; r < 50; ++r) EXPECT_EQ(t.recordAt(r), want[r]);
             EXPECT_FALSE(t.countKnown());
             EXPECT_GE(t.estimatedCount(), want.size());
         }},
        {"a row far down", [&](Table& t) {
             ASSERT_TRUE(t.hasRow(3900));
             EXPECT_EQ(t.recordAt(3900), want[3900]);
             EXPECT_FALSE(t.hasRow(want.size()));
             EXPECT_TRUE(t.countKnown());
             EXPECT_EQ(t.estimatedCount(), want.size());
         }},
        {"moves", [&](Table& t) {
             EXPECT_EQ(t.moveBy(10), 10);
             EXPECT_EQ(t.recordNumber(), want[10]);
             EXPECT_EQ(t.moveBy(100000), int(want.size()) - 11);
             EXPECT_TRUE(t.eof());
             EXPECT_EQ(t.recordNumber(), want.back());
         }},
        {"go to a row past the end", [&](Table& t) {
             t.goToPosition(want.size() + 5);
             EXPECT_EQ(t.position(), want.size() - 1);
         }},
        {"bookmark", [&](Table& t) {
             ASSERT_TRUE(t.gotoBookmark(want[2000]));
             EXPECT_EQ(t.position(), 2000u);
         }},
        {"count", [&](Table& t) { EXPECT_EQ(t.recordCount(), want.size()); }},
        {"last", [&](Table& t) {
             t.last();
             EXPECT_EQ(t.recordNumber(), want.back());
         }},
        {"edit near the top", [&](Table& t) {
             t.goToPosition(3);
             t.edit();
             t.setText(0, "changed");
             t.post();
             EXPECT_EQ(t.position(), 3u);
         }},
        {"delete at the top", [&](Table& t) {
             t.deleteRecord();
             EXPECT_EQ(t.recordNumber(), want[1]);
             want.erase(want.begin());
         }},
        {"append", [&](Table& t) {
             addBook(t, "new", "A00000", 1);
             EXPECT_EQ(t.position(), 0u);
             want.insert(want.begin(), t.physicalCount());
         }},
    };
    for (const auto& [name, probe] : probes) {
        SCOPED_TRACE(name);
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, "NEWINDEX"});
        probe(t);
        EXPECT_EQ(order(t), want);
    }
    // record order is found lazily too
    Table t;
    t.open(dir.path(), "BOOKS", {false, true, {}});
    for (std::size_t r = 0; r < 20; ++r) EXPECT_EQ(t.recordAt(r), wantByRecord[r]);
    EXPECT_EQ(t.recordCount(), wantByRecord.size());
}

// A tag built over existing books sorts whole keys, whatever bytes they share, and puts equal
// keys in record order: long runs of equal authors and authors that differ only late in the key.
TEST(Index, ATagBuiltOverManyBooksSortsWholeKeysAndTiesByRecord)
{
    TempDir dir;
    createSmallTable(dir.path());
    Table t;
    t.open(dir.path(), "BOOKS", {true, false, {}});
    std::mt19937 rnd(5);
    for (int i = 0; i < 4000; ++i) {
        std::string a = rnd() % 3 ? "Same Author Prefix " : "same";
        a += char('a' + rnd() % 4);  // the 20th byte decides, past two runs of eight
        if (rnd() % 5 == 0) a = std::string(1, char('A' + rnd() % 26));
        addBook(t, "T", a, 1);
    }
    t.addTag("NEWINDEX", kAuthorKey);
    t.setActiveTag("NEWINDEX");
    EXPECT_EQ(order(t), expectedByAuthor(t));
    expectSound(dir, t);
}

// Large tables build their keys, sort and filter on several cores: on a table made "large" for
// the test, every result equals what one core gives.
TEST(Index, WorkSplitAmongTheCoresGivesWhatOneCoreGives)
{
    TempDir dir;
    createSmallTable(dir.path());
    {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        const char* names[] = {"Tolkien", "austen", "Dickens", "ECO", "brontë", "Zola", "eco", "Hugo"};
        for (int i = 0; i < 3001; ++i)  // an odd count, so that the runs differ in length
            addBook(t, "Book " + std::to_string(i), std::string(names[(i * 7) % 8]) + " " + std::to_string(i % 37),
                    double((i * 13) % 101), 1900 + i % 120);
        t.goToPosition(5);
        t.deleteRecord();
    }
    const auto results = [&](const std::string& tag) {
        Table t;
        t.open(dir.path(), "BOOKS", {true, false, {}});
        t.addTag(tag, kAuthorKey);
        t.setActiveTag(tag);
        std::vector<std::uint32_t> sorted = order(t);
        EXPECT_EQ(sorted, expectedByAuthor(t));
        t.setFilter([](const RecordView& r) { return r.text(1).rfind("ECO", 0) == 0 || r.text(1)[0] == 'Z'; });
        std::vector<std::uint32_t> filtered = order(t);
        return std::make_pair(sorted, filtered);
    };
    const auto oneCore = results("ONECORE");
    dbase::setParallelThresholdForTests(100);
    const auto split = results("SPLIT");
    dbase::setParallelThresholdForTests(0);
    EXPECT_EQ(split.first, oneCore.first);
    EXPECT_EQ(split.second, oneCore.second);
    EXPECT_EQ(oneCore.first.size(), 3000u);
    EXPECT_FALSE(oneCore.second.empty());
}
