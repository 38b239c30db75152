// SPDX-License-Identifier: GPL-2.0-or-later
#include "dbase/table.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <sys/mman.h>
#include <thread>

#include "dbase/bytes.h"
#include "dbase/cores.h"
#include "dbase/error.h"
#include "dbase/memo.h"
#include "dbase/values.h"

namespace dbase {

namespace {
constexpr std::size_t kMapSlack = 64u << 20;  // room to grow before the file is mapped again
}  // namespace

Table::Table() = default;
Table::~Table()
{
    try {
        close();
    } catch (...) {
    }
}

std::filesystem::path Table::indexPath() const
{
    return findCaseless(folder_, std::filesystem::path(path_).stem().string() + ".MDX");
}

void Table::open(const std::filesystem::path& folder, const std::string& tableName, const OpenOptions& options)
{
    close();
    folder_ = folder;
    std::string name = tableName;
    if (std::filesystem::path(name).extension().empty()) name += ".DBF";
    path_ = findCaseless(folder, name);
    tableName_ = std::filesystem::path(path_).stem().string();
    options_ = options;
    exclusive_ = options.exclusive;
    readOnly_ = options.readOnly;
    try {
        openFiles();
        if (!options.indexTag.empty()) setActiveTag(options.indexTag);
        first();
    } catch (...) {
        close();
        throw;
    }
}

void Table::openFiles()
{
    const std::string file = path_.string();
    File f(path_, (readOnly_ && !exclusive_) ? File::Mode::ReadOnly : File::Mode::ReadWrite);
    if (!f.tryLock(kOpenLock, 1, exclusive_)) {
        throw TableInUse(file + (exclusive_ ? ": the table is in use by another program and cannot be opened exclusively"
                                            : ": the table is open exclusively by another program"));
    }
    // the header and the index are read under the update lock: an append elsewhere raises the
    // count only after it has written the record, and changes the index only while it holds it
    f.lock(kUpdateLock, 1, false);
    file_ = std::move(f);
    if (file_.writable()) removeLeftovers();
    try {
        const std::uint64_t size = file_.size();
        std::vector<unsigned char> head(static_cast<std::size_t>(std::min<std::uint64_t>(size, kMaxHeader)));
        file_.readAt(0, head.data(), head.size());
        header_ = parseHeader(file, head.data(), head.size(), size);
        count_ = header_.recordCount;
        countPastRecords(size);
        if (header_.hasMemo()) {
            readOnly_ = true;  // memo fields are read, never written
            std::filesystem::path dbt = findCaseless(folder_, tableName_ + ".DBT");
            std::error_code ec;
            if (std::filesystem::exists(dbt, ec)) memo_ = std::make_unique<MemoFile>(dbt, header_.version == 0x8B);
        }
        if (header_.mdxFlag != 0 && !options_.skipIndex) {
            std::filesystem::path mdx = indexPath();
            std::error_code ec;
            if (!std::filesystem::exists(mdx, ec))
                fail(file, "its production index " + mdx.filename().string() + " is missing");
            mdx_ = std::make_unique<Mdx>(mdx, !readOnly_);
            compileTags();
        }
    } catch (...) {
        file_.unlock(kUpdateLock, 1);
        throw;
    }
    file_.unlock(kUpdateLock, 1);
    mapFile();
    state_ = TableState::Browse;
    loadOrder();
    if (options_.indexTag.empty()) rebuildVisible();  // with a tag, choosing it builds the view
}

void Table::close()
{
    endPosts();
    if (recordLocked_ && file_.isOpen()) file_.unlock(kLockBase - editRec_, 1);
    recordLocked_ = false;
    unmap();
    mdx_.reset();
    memo_.reset();
    file_.close();
    compiled_.clear();
    uncompilable_.clear();
    activeTag_.clear();
    activeExpr_ = nullptr;
    keyLength_ = 0;
    keys_.clear();
    keySlot_.clear();
    order_.clear();
    visible_.clear();
    partial_ = false;
    scanned_ = 0;
    buffer_.clear();
    original_.clear();
    state_ = TableState::Inactive;
    pos_ = 0;
    bof_ = eof_ = true;
    modified_ = false;
    editRec_ = 0;
    count_ = 0;
    pastCount_ = 0;
}

void Table::mapFile()
{
    std::uint64_t need = header_.recordOffset(count_ + 1);
    if (map_ && need <= mapLength_) return;
    unmap();
    std::size_t len = std::size_t(std::max<std::uint64_t>(file_.size(), need)) + kMapSlack;
    void* p = ::mmap(nullptr, len, PROT_READ, MAP_SHARED, file_.fd(), 0);
    if (p == MAP_FAILED) fail(path_.string(), "cannot map the file into memory");
    map_ = static_cast<const unsigned char*>(p);
    mapLength_ = len;
}

void Table::unmap()
{
    if (map_) ::munmap(const_cast<unsigned char*>(map_), mapLength_);
    map_ = nullptr;
    mapLength_ = 0;
}

const unsigned char* Table::recordPtr(std::uint32_t recno) const { return map_ + header_.recordOffset(recno); }

RecordView Table::record(std::uint32_t recno) const
{
    if (recno < 1 || recno > count_) fail(path_.string(), "there is no record " + std::to_string(recno));
    return RecordView(header_, recordPtr(recno), recno);
}

void Table::compileTags()
{
    compiled_.clear();
    uncompilable_.clear();
    if (!mdx_) return;
    for (const TagInfo& t : mdx_->tags()) {
        try {
            auto e = std::make_unique<KeyExpression>(mdx_->fileName(), t.expression, header_.fields);
            if (t.hasFor || e->keyType() != t.keyType || e->keyLength() != t.keyLength)
                throw DatabaseError("unsupported");
            compiled_.push_back({t.name, std::move(e)});
        } catch (const DatabaseError&) {
            if (uncompilable_.empty()) uncompilable_ = t.name;
            compiled_.push_back({t.name, nullptr});
        }
    }
}

std::string Table::fieldName(int i) const { return upperAscii(field(i).name); }

int Table::fieldIndex(std::string_view name) const
{
    std::string upper = upperAscii(std::string(name));
    for (int i = 0; i < fieldCount(); ++i)
        if (upperAscii(header_.fields[std::size_t(i)].name) == upper) return i;
    return -1;
}

// ---- order and filter ----

bool Table::lessRec(std::uint32_t a, std::uint32_t b) const
{
    if (keyLength_) {
        int c = compareKeys(keyType_, keyOf(a), keyOf(b), keyLength_);
        if (c) return c < 0;
    }
    return a < b;
}

std::size_t Table::lowerBound(const RowList& v, std::uint32_t recno) const
{
    if (!keyLength_) return v.partitionPoint([&](std::uint32_t x) { return x < recno; });
    // the sought key looked up once, not at every step
    const unsigned char* key = keyOf(recno);
    const std::size_t kl = std::size_t(keyLength_);
    const bool bytes = keyType_ == 'C';
    return v.partitionPoint([&](std::uint32_t x) {
        const int c = bytes ? std::memcmp(keyOf(x), key, kl) : compareKeys(keyType_, keyOf(x), key, keyLength_);
        return c != 0 ? c < 0 : x < recno;
    });
}

void Table::syncRecordCount()
{
    std::uint32_t n = diskRecordCount();
    const std::uint64_t size = file_.size();
    if (header_.recordOffset(n + 1) > size)
        fail(path_.string(), "the header says " + std::to_string(n) + " records but the file is shorter");
    header_.recordCount = count_ = n;
    countPastRecords(size);
    mapFile();
}

void Table::countPastRecords(std::uint64_t fileSize)
{
    pastCount_ = dbase::recordsPastCount(header_, fileSize, [this](std::uint64_t at, unsigned char* to, std::size_t n) {
        file_.readAt(at, to, n);
    });
    count_ = header_.recordCount + (readOnly_ ? pastCount_ : 0);  // a reader sees every book; writers are refused until recover
}

TableFacts inspectTable(const std::filesystem::path& folder, const std::string& tableName)
{
    std::string name = tableName;
    if (std::filesystem::path(name).extension().empty()) name += ".DBF";
    TableFacts facts;
    facts.path = findCaseless(folder, name);
    facts.indexPath = findCaseless(folder, facts.path.stem().string() + ".MDX");
    File f(facts.path, File::Mode::ReadOnly);
    const std::uint64_t size = f.size();
    std::vector<unsigned char> head(static_cast<std::size_t>(std::min<std::uint64_t>(size, kMaxHeader)));
    f.readAt(0, head.data(), head.size());
    facts.header = parseHeader(facts.path.string(), head.data(), head.size(), size);
    facts.recordsPastCount = recordsPastCount(facts.header, size, [&f](std::uint64_t at, unsigned char* to, std::size_t n) {
        f.readAt(at, to, n);
    });
    return facts;
}

void Table::loadOrder()
{
    order_.clear();
    keys_.clear();
    keySlot_.clear();
    // the record count and the index are read together, under the update lock, so that they
    // agree even while other programs append (a run of posts holds it already, and more firmly:
    // taking it shared would weaken that hold)
    const bool held = holding_;
    if (!held) file_.lock(kUpdateLock, 1, false);
    try {
        syncRecordCount();
        if (!activeTag_.empty()) walkActiveTag();
    } catch (...) {
        if (!held) file_.unlock(kUpdateLock, 1);
        order_.clear();
        keys_.clear();
        keySlot_.clear();
        throw;
    }
    if (!held) file_.unlock(kUpdateLock, 1);
}

namespace {

// The keys of a very large table fill tens of megabytes of fresh memory: in large pages, where the
// system allows, that takes a few dozen page faults rather than tens of thousands.
void adviseLargePages(void* buffer, std::size_t bytes)
{
    constexpr std::size_t kLarge = std::size_t(2) << 20;
    if (bytes < 16 * kLarge) return;
    const auto at = reinterpret_cast<std::uintptr_t>(buffer);
    const std::uintptr_t from = (at + kLarge - 1) & ~std::uintptr_t(kLarge - 1), to = (at + bytes) & ~std::uintptr_t(kLarge - 1);
    if (to > from) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);  // a hint: refused is fine
}

}  // namespace

void Table::walkActiveTag()
{
    if (!mdx_) fail(path_.string(), "the index has no tag " + activeTag_);
    mdx_->reload();  // another program may have split the root
    const TagInfo* tag = mdx_->findTag(activeTag_);
    if (!tag) fail(path_.string(), "the index has no tag " + activeTag_);
    keyLength_ = tag->keyLength;
    keyType_ = tag->keyType;
    // room for the records this open may add without moving every key
    keys_.clear();
    keys_.reserve((std::size_t(count_) + count_ / 32 + 1024) * std::size_t(keyLength_));
    adviseLargePages(keys_.data(), keys_.capacity());
    // a slot for every record (each may appear once), written in place
    const std::size_t kl = std::size_t(keyLength_);
    keys_.resize(std::size_t(count_) * kl);
    unsigned char* slot = keys_.data();
    keySlot_.clear();
    std::vector<bool> seen(std::size_t(count_) + 1, false);  // a bit a record: stays in the cache
    const std::string where = "tag " + tag->name + " ";
    const bool indexHeld = mdx_->updating();  // a run of posts holds the index's lock already
    if (!indexHeld) mdx_->lockShared();
    try {
        mdx_->walk(*tag, [&](std::uint32_t rec, const unsigned char* key) {
            if (rec < 1 || rec > count_)
                fail(mdx_->fileName(), where + "names record " + std::to_string(rec) + ", which the table does not hold; rebuild the index");
            if (seen[rec]) fail(mdx_->fileName(), where + "names record " + std::to_string(rec) + " twice; rebuild the index");
            seen[rec] = true;
            std::memcpy(slot, key, kl);
            slot += kl;
            order_.push_back(rec);
        });
    } catch (...) {
        if (!indexHeld) mdx_->unlockShared();
        throw;
    }
    if (!indexHeld) mdx_->unlockShared();
    if (order_.size() != count_)
        fail(mdx_->fileName(), where + "holds " + std::to_string(order_.size()) + " of the table's " +
                                   std::to_string(count_) + " records; rebuild the index");
}

void Table::findKeySlots() const
{
    keySlot_.reserve(std::size_t(count_) + count_ / 32 + 1024);
    keySlot_.assign(std::size_t(count_) + 1, kNoKey);
    std::uint32_t slot = 0;
    order_.forEach([&](std::uint32_t rec) { keySlot_[rec] = slot++; });
}

void Table::setKey(std::uint32_t rec, const unsigned char* key)
{
    if (!hasKey(rec)) {
        if (rec >= keySlot_.size()) keySlot_.resize(std::size_t(rec) + 1, kNoKey);
        keySlot_[rec] = std::uint32_t(keys_.size() / std::size_t(keyLength_));
        keys_.insert(keys_.end(), key, key + keyLength_);
        return;
    }
    std::memcpy(keys_.data() + std::size_t(keySlot_[rec]) * std::size_t(keyLength_), key, std::size_t(keyLength_));
}

bool Table::passes(std::uint32_t recno) const
{
    const unsigned char* p = recordPtr(recno);
    if (p[0] == '*') return false;
    return !filter_ || filter_(RecordView(header_, p, recno));
}

void Table::forEachRecord(const std::function<void(const RecordView&)>& visit) const
{
    readRecords(1, count_, visit);
}

void Table::readRecords(std::uint32_t from, std::uint32_t to, const std::function<void(const RecordView&)>& visit) const
{
    // large blocks copied in one read stream through the processor's caches faster than the
    // mapped records, whose fields are picked here and there
    const std::size_t len = header_.recordLength;
    const std::size_t perBlock = std::max<std::size_t>(1, (std::size_t(1) << 20) / len);
    std::vector<unsigned char> block(perBlock * len);
    for (std::uint32_t first = from; first <= to && first != 0; first += std::uint32_t(perBlock)) {
        std::size_t n = std::min<std::size_t>(perBlock, std::size_t(to - first + 1));
        file_.readAt(header_.recordOffset(first), block.data(), n * len);
        for (std::size_t i = 0; i < n; ++i) visit(RecordView(header_, block.data() + i * len, first + std::uint32_t(i)));
    }
}

void Table::forEachRecordAtOnce(const std::function<void(const RecordView&)>& visit) const
{
    // each core its own run of records
    acrossCores(count_, [&](std::uint32_t from, std::uint32_t to) {
        if (from < to) readRecords(from + 1, to, visit);
    });
}

void Table::rebuildVisible()
{
    visible_.clear();
    scanned_ = 0;
    partial_ = !filter_;  // without a filter only the deletion marks count: looked at when wanted
    if (partial_) return;
    // the records are read once, in file order; the order then picks the ones that pass
    // (touching a mapped record per book in key order costs far more)
    std::vector<unsigned char> pass(std::size_t(count_) + 1, 0);
    forEachRecordAtOnce([&](const RecordView& r) { pass[r.recordNumber()] = !r.deleted() && filter_(r); });
    if (activeTag_.empty()) {
        for (std::uint32_t r = 1; r <= count_; ++r)
            if (pass[r]) visible_.push_back(r);
    } else {
        order_.forEach([&](std::uint32_t r) {
            if (pass[r]) visible_.push_back(r);
        });
    }
}

bool Table::extendVisible(std::size_t row) const
{
    // a screenful or so in the order's own sequence; further on, the rest in one pass
    constexpr std::size_t kStep = 4096;
    if (row >= visible_.size() + kStep) {
        completeVisible();
        return row < visible_.size();
    }
    const std::size_t total = orderSize(), stop = std::min(total, scanned_ + 16 * kStep);
    while (visible_.size() <= row && scanned_ < stop) {
        const std::uint32_t r = activeTag_.empty() ? std::uint32_t(scanned_ + 1) : order_[scanned_];
        ++scanned_;
        if (recordPtr(r)[0] != '*') visible_.push_back(r);
    }
    if (scanned_ >= total) partial_ = false;
    if (visible_.size() <= row && partial_) completeVisible();  // a long run of deleted records
    return row < visible_.size();
}

void Table::completeVisible() const
{
    if (!partial_) return;
    partial_ = false;
    const std::size_t total = orderSize();
    // the deletion marks in file order (the pages come in runs), then the order picks
    std::vector<unsigned char> live(std::size_t(count_) + 1, 0);
    for (std::uint32_t r = 1; r <= count_; ++r) live[r] = recordPtr(r)[0] != '*';
    for (; scanned_ < total; ++scanned_) {
        const std::uint32_t r = activeTag_.empty() ? std::uint32_t(scanned_ + 1) : order_[scanned_];
        if (live[r]) visible_.push_back(r);
    }
}

void Table::setFilter(Filter filter)
{
    checkBrowseMode();
    std::uint32_t rec = recordNumber();
    filter_ = std::move(filter);
    rebuildVisible();
    locate(rec);
}

void Table::setActiveTag(const std::string& name)
{
    checkBrowseMode();
    std::uint32_t rec = recordNumber();
    std::string upper = upperAscii(name);
    if (upper.empty()) {
        activeTag_.clear();
        activeExpr_ = nullptr;
        keyLength_ = 0;
    } else {
        if (!mdx_ || !mdx_->findTag(upper)) fail(path_.string(), "the production index has no tag " + name);
        activeTag_ = upper;
        activeExpr_ = nullptr;
        for (const auto& c : compiled_)
            if (c.name == upper) activeExpr_ = c.expr.get();
    }
    try {
        loadOrder();
    } catch (...) {
        activeTag_.clear();
        activeExpr_ = nullptr;
        keyLength_ = 0;
        rebuildVisible();
        throw;
    }
    rebuildVisible();
    locate(rec);
}

// ---- navigation ----

void Table::loadCurrent()
{
    buffer_.assign(header_.recordLength, ' ');
    if (reach(pos_)) std::memcpy(buffer_.data(), recordPtr(visible_[pos_]), header_.recordLength);
}

void Table::locate(std::uint32_t recno)
{
    if (recno) completeVisible();
    if (!reach(0)) {
        pos_ = 0;
        bof_ = eof_ = true;
    } else {
        std::size_t i = recno ? lowerBound(visible_, recno) : 0;
        pos_ = std::min(i, visible_.size() - 1);
        bof_ = eof_ = false;
    }
    loadCurrent();
}

std::uint32_t Table::recordNumber() const
{
    if (state_ == TableState::Insert) return 0;
    return reach(pos_) ? visible_[pos_] : 0;
}

void Table::first()
{
    checkBrowseMode();
    pos_ = 0;
    bof_ = true;
    eof_ = !reach(0);
    loadCurrent();
}

void Table::last()
{
    checkBrowseMode();
    completeVisible();
    pos_ = visible_.empty() ? 0 : visible_.size() - 1;
    eof_ = true;
    bof_ = visible_.empty();
    loadCurrent();
}

void Table::next() { moveBy(1); }
void Table::prior() { moveBy(-1); }

int Table::moveBy(int distance)
{
    checkBrowseMode();
    bof_ = eof_ = false;
    if (!reach(0)) {
        bof_ = eof_ = true;
        return 0;
    }
    std::int64_t target = std::int64_t(pos_) + distance;
    if (target < 0) {
        target = 0;
        bof_ = true;
    } else if (!reach(std::size_t(target))) {
        target = std::int64_t(visible_.size()) - 1;
        eof_ = true;
    }
    int moved = int(target - std::int64_t(pos_));
    pos_ = std::size_t(target);
    loadCurrent();
    return moved;
}

void Table::goToPosition(std::size_t row)
{
    checkBrowseMode();
    if (!reach(0)) return;
    pos_ = reach(row) ? row : visible_.size() - 1;
    bof_ = eof_ = false;
    loadCurrent();
}

bool Table::gotoBookmark(Bookmark mark)
{
    checkBrowseMode();
    if (mark == 0 || mark > count_) return false;
    completeVisible();
    std::size_t i = lowerBound(visible_, mark);
    if (i >= visible_.size() || visible_[i] != mark) return false;
    pos_ = i;
    bof_ = eof_ = false;
    loadCurrent();
    return true;
}

bool Table::seek(std::string_view key, bool exact)
{
    checkBrowseMode();
    if (activeTag_.empty()) fail(path_.string(), "an index seek needs an active index tag");
    completeVisible();
    std::vector<unsigned char> probe(static_cast<std::size_t>(keyLength_), ' ');
    std::size_t len = keyType_ == 'C' ? std::min<std::size_t>(key.size(), std::size_t(keyLength_)) : std::size_t(keyLength_);
    if (keyType_ != 'C' && key.size() != len) fail(path_.string(), "the seek key does not fit the tag");
    std::memcpy(probe.data(), key.data(), len);
    std::size_t i = visible_.partitionPoint(
        [&](std::uint32_t r) { return compareKeys(keyType_, keyOf(r), probe.data(), int(len)) < 0; });
    // an exact key longer than the tag's keys matches only if the rest is blank
    bool tooLong = keyType_ == 'C' && key.find_first_not_of(' ', len) != std::string_view::npos;
    bool found = i < visible_.size() &&
                 (!exact || (!tooLong && compareKeys(keyType_, keyOf(visible_[i]), probe.data(), int(len)) == 0));
    if (exact && !found) return false;
    if (i >= visible_.size()) {
        if (!visible_.empty()) pos_ = visible_.size() - 1;
        eof_ = true;
        loadCurrent();
        return false;
    }
    pos_ = i;
    bof_ = eof_ = false;
    loadCurrent();
    return found;
}

std::uint32_t Table::diskRecordCount() const
{
    unsigned char b[4];
    file_.readAt(4, b, 4);
    return get32(b);
}

void Table::refresh()
{
    checkBrowseMode();
    std::uint32_t rec = recordNumber();
    loadOrder();
    rebuildVisible();
    locate(rec);
}

// ---- values ----

RecordView Table::current() const { return RecordView(header_, buffer_.data(), recordNumber()); }

std::string Table::getText(int field) const
{
    const FieldInfo& f = this->field(field);
    if (f.type == 'M' || f.type == 'B' || f.type == 'G') return memo_ ? memo_->read(current().raw(field)) : std::string();
    return current().text(field);
}

std::optional<double> Table::getDouble(int field) const { return current().number(field); }

std::optional<std::int64_t> Table::getInteger(int field) const
{
    auto v = current().number(field);
    if (!v) return std::nullopt;
    if (!(*v > -9.2e18 && *v < 9.2e18)) return std::nullopt;  // beyond any whole number
    return std::int64_t(*v < 0 ? *v - 0.5 : *v + 0.5);
}

std::optional<Date> Table::getDate(int field) const { return current().date(field); }

bool Table::isBlank(int field) const { return current().blank(field); }

}  // namespace dbase
