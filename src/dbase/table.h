// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A dBASE table with its production index: open, navigate through the active tag's order and a
// record filter, read and change records, create tables, manage tags, pack and rebuild.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dbase/expr.h"
#include "dbase/file.h"
#include "dbase/header.h"
#include "dbase/mdx.h"
#include "dbase/record.h"
#include "dbase/row_list.h"

namespace dbase {

struct OpenOptions {
    bool exclusive = false;
    bool readOnly = false;
    std::string indexTag;  // empty: record order
    bool skipIndex = false;  // the production index is not read (looking at the header; rebuilding the index)
};

// What rebuilding a production index kept of the old one.
struct IndexRebuild {
    std::vector<std::string> kept;  // the tags of the new index
    std::vector<std::string> lost;  // "NAME: why" for each old tag that could not be kept
    std::string unreadable;         // why the old index could not be read at all, if it could not
};

// A field of a new table.
struct NewField {
    std::string name;
    char type = 'C';
    int width = 0;
    int decimals = 0;

    static NewField string(std::string name, int width) { return {std::move(name), 'C', width, 0}; }
    static NewField integer(std::string name) { return {std::move(name), 'N', 11, 0}; }
    static NewField floating(std::string name) { return {std::move(name), 'N', 20, 4}; }
    static NewField date(std::string name) { return {std::move(name), 'D', 8, 0}; }
    static NewField logical(std::string name) { return {std::move(name), 'L', 1, 0}; }
};

// What a table's header says, read without opening the table (no record is read, no lock taken).
struct TableFacts {
    std::filesystem::path path, indexPath;  // as found, without regard to letter case
    TableHeader header;
    std::uint32_t recordsPastCount = 0;  // see Table::recordsPastCount()
};
// tableName may carry an extension; throws DatabaseError as opening would for a damaged header.
TableFacts inspectTable(const std::filesystem::path& folder, const std::string& tableName);

enum class TableState { Inactive, Browse, Edit, Insert };

class MemoFile;

class Table {
public:
    using Filter = std::function<bool(const RecordView&)>;
    using Bookmark = std::uint32_t;  // the record number; 0 is none

    Table();
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // tableName may carry an extension; without one ".DBF" is meant. Letter case of the
    // file names is not significant.
    void open(const std::filesystem::path& folder, const std::string& tableName, const OpenOptions& options = {});
    void close();
    bool isOpen() const { return state_ != TableState::Inactive; }
    TableState state() const { return state_; }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path indexPath() const;
    bool readOnly() const { return readOnly_; }
    bool exclusive() const { return exclusive_; }
    const TableHeader& header() const { return header_; }

    // Fields
    int fieldCount() const { return int(header_.fields.size()); }
    const FieldInfo& field(int i) const { return header_.fields[std::size_t(i)]; }
    std::string fieldName(int i) const;  // upper case
    int fieldIndex(std::string_view name) const;  // without regard to case; -1 when none

    // Navigation through the active order and the filter
    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance);
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    bool isEmpty() const { return !reach(0); }
    std::size_t recordCount() const
    {
        completeVisible();
        return visible_.size();
    }
    // Without a filter the rows are found as they are wanted: the first screen of a million books
    // needs only its own records looked at. Until every record has been, the count is not known;
    // the estimate counts the rows found and every record not yet looked at, as a view's scroll
    // bar may. hasRow() looks no further than that row.
    bool countKnown() const { return !partial_; }
    std::size_t estimatedCount() const { return visible_.size() + (partial_ ? orderSize() - scanned_ : 0); }
    bool hasRow(std::size_t row) const { return reach(row); }
    std::size_t position() const { return pos_; }  // 0-based row in the order
    void goToPosition(std::size_t row);
    std::uint32_t recordNumber() const;  // of the current record; 0 when none
    std::uint32_t recordAt(std::size_t row) const
    {
        reach(row);
        return visible_[row];
    }
    Bookmark bookmark() const { return recordNumber(); }
    bool gotoBookmark(Bookmark mark);  // false when that record is not in the order
    void refresh();
    // The filter is called for every record, from several threads at once on a large table:
    // it must only look at the record it is given.
    void setFilter(Filter filter);
    bool filtered() const { return bool(filter_); }

    // The active tag; an empty name is record order.
    const std::string& activeTag() const { return activeTag_; }
    void setActiveTag(const std::string& name);
    // Index seek on the active tag: the first record whose key begins with key (exact) or
    // the first whose key is not below it (nearest). False when not found (exact) or past the end.
    bool seek(std::string_view key, bool exact);

    // Values of the current record (the edit buffer while editing or inserting)
    RecordView current() const;
    std::string getText(int field) const;
    std::optional<double> getDouble(int field) const;
    std::optional<std::int64_t> getInteger(int field) const;
    std::optional<Date> getDate(int field) const;
    bool isBlank(int field) const;
    void setText(int field, std::string_view text);  // numbers as text, dates YYYYMMDD, empty = blank
    void setDouble(int field, double value);
    void setInteger(int field, std::int64_t value);
    void setDate(int field, std::optional<Date> value);
    void setBlank(int field);
    bool modified() const { return modified_; }

    // Changing records
    void append();  // blank record in insert state
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    // Marks these records deleted (those past the table or deleted already are passed over), under
    // one hold of the update lock; the order is made anew. Returns how many it marked. A record
    // another program has locked stops it there: the ones marked before stay so.
    int deleteRecords(const std::vector<std::uint32_t>& records);
    void checkBrowseMode();  // posts pending changes, as a move does

    // A run of posts under one hold of the update locks: each post still writes its record, the
    // count and the index to the files before it returns, but the locks are taken once and the
    // index blocks read stay in memory until endPosts(). Other opens (in this process too) wait
    // for the locks meanwhile, so a run is kept short and nothing that may touch the table runs
    // inside it (an event loop). Anything else that needs the locks ends the run first; a failed
    // post ends it too. endPosts() without a run does nothing and never throws.
    void beginPosts();
    void endPosts() noexcept;
    bool postsHeld() const { return holding_; }
    // Holds the update locks for as long as it lives.
    class PostRun {
    public:
        explicit PostRun(Table& table) : table_(table) { table_.beginPosts(); }
        ~PostRun() { table_.endPosts(); }
        PostRun(const PostRun&) = delete;
        PostRun& operator=(const PostRun&) = delete;

    private:
        Table& table_;
    };

    // Direct reads for scans and tools (record numbers 1..physicalCount)
    std::uint32_t physicalCount() const { return count_; }
    RecordView record(std::uint32_t recno) const;
    // Every record (deleted ones too) in file order, read in large blocks: the fast way to look
    // at all of them. The view lives only for the call.
    void forEachRecord(const std::function<void(const RecordView&)>& visit) const;
    // The same on every core at once, each thread taking its own run of records in file order:
    // visit is called from several threads together and must be safe so (each record once).
    void forEachRecordAtOnce(const std::function<void(const RecordView&)>& visit) const;

    // Production index
    std::vector<TagInfo> tags() const;
    void addTag(const std::string& name, const std::string& expression);
    void deleteTag(const std::string& name);
    void reindex();
    void pack();

    // Whole records that lie past the header's record count when there are two or more of them
    // (an append killed between its record and its count leaves at most one). Such a table holds
    // books the count does not show: every change and rewrite is refused until recover(). A
    // read-only open shows them (physicalCount() includes them).
    std::uint32_t recordsPastCount() const { return pastCount_; }
    std::string recordsPastCountMessage() const;
    // Sets the count to the whole records present and rebuilds the index; exclusive use.
    // Returns how many records it added.
    std::uint32_t recover();
    // Builds the production index anew from the table alone (exclusive use; the table may be
    // opened with skipIndex, so a damaged index is no obstacle): the old tags whose definitions
    // can still be read and evaluated, then wanted (which replace old tags of the same name).
    IndexRebuild rebuildIndex(const std::vector<std::pair<std::string, std::string>>& wanted = {});

    // True when another open holds the table file, so that an exclusive open would be refused.
    // Looks only at the locks: the file is not read.
    static bool heldElsewhere(const std::filesystem::path& file);

    static void create(const std::filesystem::path& folder, const std::string& tableName,
                       const std::vector<NewField>& fields, std::uint8_t languageDriver = 0x57);

private:
    void openFiles();
    void mapFile();
    void unmap();
    const unsigned char* recordPtr(std::uint32_t recno) const;
    // The date of the last change, in the header and on disk: today.
    void stampChanged();
    void loadOrder();
    void syncRecordCount();  // the update lock is held
    void countPastRecords(std::uint64_t fileSize);  // from the header's count
    void walkActiveTag();
    void rebuildVisible();
    void readRecords(std::uint32_t from, std::uint32_t to, const std::function<void(const RecordView&)>& visit) const;
    std::size_t orderSize() const { return activeTag_.empty() ? std::size_t(count_) : order_.size(); }
    bool reach(std::size_t row) const { return row < visible_.size() || (partial_ && extendVisible(row)); }
    bool extendVisible(std::size_t row) const;  // true when the row exists
    void completeVisible() const;
    bool passes(std::uint32_t recno) const;
    void loadCurrent();
    void locate(std::uint32_t recno);
    bool lessRec(std::uint32_t a, std::uint32_t b) const;
    std::size_t lowerBound(const RowList& v, std::uint32_t recno) const;
    void compileTags();
    void requireWritable() const;
    void requireEditing(int field) const;
    unsigned char* fieldBytes(int field);
    void writeField(int field, std::string_view bytes);
    void upgradeLock();
    void downgradeLock();
    std::vector<BuildTag> buildTags(const std::vector<std::pair<std::string, std::string>>& defs,
                                    const std::function<const unsigned char*(std::uint32_t)>& rec,
                                    std::uint32_t count) const;
    void writeIndex(const std::vector<std::pair<std::string, std::string>>& defs);
    void reopenAfterReplace(File locked);
    void removeLeftovers();
    std::uint32_t diskRecordCount() const;
    void setHeaderByte28(std::uint8_t value);
    void placeAfterChange(std::uint32_t recno, bool keyChanged, const std::vector<unsigned char>& oldKey);

    std::filesystem::path folder_, path_;
    std::string tableName_;
    OpenOptions options_;
    File file_;
    std::unique_ptr<Mdx> mdx_;
    std::unique_ptr<MemoFile> memo_;
    TableHeader header_;
    TableState state_ = TableState::Inactive;
    bool readOnly_ = false, exclusive_ = false;
    const unsigned char* map_ = nullptr;
    std::size_t mapLength_ = 0;
    std::uint32_t count_ = 0;

    // the active order
    std::string activeTag_;
    const KeyExpression* activeExpr_ = nullptr;
    int keyLength_ = 0;
    char keyType_ = 'C';
    // the records' keys as the tag holds them, in slots of keyLength_ bytes: filled in the tag's
    // order as it is read (memory written in sequence, not scattered by record number), records
    // added since at the end. keySlot_ gives each record number's slot; it is worked out from
    // order_ when first wanted (until then order_ is still the tag's order, slot i its row i), as
    // scattering a million record numbers costs more than the rest of an open.
    std::vector<unsigned char> keys_;
    mutable std::vector<std::uint32_t> keySlot_;  // index 0 unused; kNoKey for a record not yet placed
    static constexpr std::uint32_t kNoKey = 0xFFFFFFFFu;
    void findKeySlots() const;
    const unsigned char* keyOf(std::uint32_t rec) const
    {
        if (keySlot_.empty()) findKeySlots();
        return keys_.data() + std::size_t(keySlot_[rec]) * std::size_t(keyLength_);
    }
    bool hasKey(std::uint32_t rec) const
    {
        if (keySlot_.empty()) findKeySlots();
        return rec < keySlot_.size() && keySlot_[rec] != kNoKey;
    }
    void setKey(std::uint32_t rec, const unsigned char* key);
    RowList order_;  // every record, deleted ones too, in key order
    // the records of the order that pass the filter and are not deleted; while partial_, only
    // those among the first scanned_ of the order (the rest have not been looked at yet)
    mutable RowList visible_;
    mutable bool partial_ = false;
    mutable std::size_t scanned_ = 0;
    Filter filter_;

    // every tag of the index, compiled, for maintenance on post
    struct CompiledTag {
        std::string name;
        std::unique_ptr<KeyExpression> expr;
    };
    std::vector<CompiledTag> compiled_;
    std::string uncompilable_;  // a tag that cannot be kept current, if any

    std::size_t pos_ = 0;
    bool bof_ = true, eof_ = true;
    std::uint32_t editRec_ = 0;
    std::vector<unsigned char> buffer_, original_;
    bool modified_ = false;
    bool recordLocked_ = false;
    std::uint32_t pastCount_ = 0;
    // a run of posts: the update lock held, the index's too when holdingIndex_; heldCount_ is
    // the record count on disk, which no other open can change meanwhile
    bool holding_ = false, holdingIndex_ = false;
    std::uint32_t heldCount_ = 0;
};

}  // namespace dbase
