// SPDX-License-Identifier: GPL-2.0-or-later
// Changing a table: field setters, append, edit, post, delete, tags, pack, rebuild, create.
#include <algorithm>
#include <cstring>
#include <exception>
#include <numeric>
#include <set>
#include <thread>

#include "dbase/bytes.h"
#include "dbase/cores.h"
#include "dbase/error.h"
#include "dbase/table.h"
#include "dbase/values.h"

namespace dbase {

namespace {

bool validName(const std::string& n, std::size_t max)
{
    if (n.empty() || n.size() > max) return false;
    if (!std::isalpha(static_cast<unsigned char>(n[0]))) return false;
    for (char c : n)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

// std::sort, the two halves sorted side by side on two cores and then merged.
template <class It, class Less>
void sortOnTwoCores(It first, It last, Less less)
{
    if (coresFor(std::size_t(last - first)) < 2) return std::sort(first, last, less);
    const It middle = first + (last - first) / 2;
    std::thread other([&] { std::sort(first, middle, less); });
    std::sort(middle, last, less);
    other.join();
    std::inplace_merge(first, middle, last, less);
}

// Puts count keys of kl bytes each in order (equal keys by record number): the sorted keys and
// the record number of each. Character keys compare byte by byte, so they are sorted eight bytes
// at a time, the bytes carried along with the index: comparing keys scattered through memory a
// million times over costs far more than sorting small items that sit together. After the first
// eight bytes the keys are moved into that order, so that the runs that agree on them, sorted on
// the next eight, read their keys in sequence.
void sortKeys(char type, const std::vector<unsigned char>& keys, std::size_t kl, std::uint32_t count,
              std::vector<unsigned char>& sortedKeys, std::vector<std::uint32_t>& records)
{
    sortedKeys.resize(keys.size());
    records.resize(count);
    if (type != 'C') {
        std::vector<std::uint32_t> idx(count);
        std::iota(idx.begin(), idx.end(), 0u);
        std::sort(idx.begin(), idx.end(), [&](std::uint32_t x, std::uint32_t y) {
            int c = compareKeys(type, keys.data() + std::size_t(x) * kl, keys.data() + std::size_t(y) * kl, int(kl));
            return c != 0 ? c < 0 : x < y;
        });
        for (std::size_t i = 0; i < idx.size(); ++i) {
            std::memcpy(sortedKeys.data() + i * kl, keys.data() + std::size_t(idx[i]) * kl, kl);
            records[i] = idx[i] + 1;
        }
        return;
    }
    struct Item {
        std::uint64_t bytes;
        std::uint32_t index;  // into the keys being read
    };
    const auto eight = [&](const unsigned char* k, std::size_t at) {
        std::uint64_t v = 0;
        for (std::size_t b = at; b < at + 8; ++b) v = (v << 8) | (b < kl ? k[b] : 0u);
        return v;
    };
    const auto byBytes = [](const Item& a, const Item& b) { return a.bytes != b.bytes ? a.bytes < b.bytes : a.index < b.index; };
    std::vector<Item> items(count);
    for (std::uint32_t i = 0; i < count; ++i) items[i] = {eight(keys.data() + std::size_t(i) * kl, 0), i};
    sortOnTwoCores(items.begin(), items.end(), byBytes);
    // the keys in this order; an item's index is now its place, which within a run of equal
    // bytes follows the record numbers, as ties must
    std::vector<std::uint32_t> firstOrder(count);
    std::vector<unsigned char> placed(keys.size());
    for (std::uint32_t i = 0; i < count; ++i) {
        std::memcpy(placed.data() + std::size_t(i) * kl, keys.data() + std::size_t(items[i].index) * kl, kl);
        firstOrder[i] = items[i].index;
        items[i].index = i;
    }
    struct Run {
        Item* first;
        Item* last;
        std::size_t at;  // the bytes they agree on so far
    };
    std::vector<Run> runs;
    const auto split = [&](Item* first, Item* last, std::size_t at) {
        if (at >= kl) return;  // the whole key agrees: the places decide
        for (Item* p = first; p != last;) {
            Item* q = p + 1;
            while (q != last && q->bytes == p->bytes) ++q;
            if (q - p > 1) runs.push_back({p, q, at});
            p = q;
        }
    };
    split(items.data(), items.data() + count, 8);
    while (!runs.empty()) {
        Run r = runs.back();
        runs.pop_back();
        for (Item* p = r.first; p != r.last; ++p) p->bytes = eight(placed.data() + std::size_t(p->index) * kl, r.at);
        std::sort(r.first, r.last, byBytes);
        split(r.first, r.last, r.at + 8);
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        std::memcpy(sortedKeys.data() + std::size_t(i) * kl, placed.data() + std::size_t(items[i].index) * kl, kl);
        records[i] = firstOrder[items[i].index] + 1;
    }
}

}  // namespace

void Table::requireWritable() const
{
    if (state_ == TableState::Inactive) throw DatabaseError("the table is not open");
    if (readOnly_) fail(path_.string(), header_.hasMemo() ? "tables with memo fields open read-only" : "the table is open read-only");
    if (pastCount_ != 0) fail(path_.string(), recordsPastCountMessage());
    // a change would leave the unread index behind the table
    if (options_.skipIndex && header_.mdxFlag != 0 && !mdx_)
        fail(path_.string(), "the table was opened without its index, so it cannot be changed");
}

void Table::requireEditing(int field) const
{
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        fail(path_.string(), "the table is not in edit or insert mode");
    if (field < 0 || field >= fieldCount()) fail(path_.string(), "there is no field " + std::to_string(field + 1));
}

unsigned char* Table::fieldBytes(int field) { return buffer_.data() + header_.fields[std::size_t(field)].offset; }

void Table::writeField(int field, std::string_view bytes)
{
    const FieldInfo& f = header_.fields[std::size_t(field)];
    std::memset(fieldBytes(field), ' ', std::size_t(f.width));
    std::memcpy(fieldBytes(field), bytes.data(), std::min<std::size_t>(bytes.size(), std::size_t(f.width)));
    modified_ = true;
}

void Table::setText(int field, std::string_view text)
{
    requireEditing(field);
    const FieldInfo& f = this->field(field);
    auto refuse = [&](const std::string& why) {
        fail(path_.string(), "field " + upperAscii(f.name) + ": " + why);
    };
    switch (f.type) {
    case 'C':
        if (text.size() > std::size_t(f.width))
            refuse("\"" + std::string(text) + "\" is longer than " + std::to_string(f.width) + " characters");
        writeField(field, text);
        break;
    case 'N':
    case 'F': {
        if (trimBoth(text).empty()) return writeField(field, {});
        if (!parseNumber(text)) refuse("\"" + std::string(text) + "\" is not a number");
        std::string out(std::size_t(f.width), ' ');
        strFromText(text, f.width, f.decimals, out.data());
        if (out[0] == '*') refuse(std::string(trimBoth(text)) + " does not fit in " + std::to_string(f.width) + " characters");
        writeField(field, out);
        break;
    }
    case 'D': {
        if (trimBoth(text).empty()) return writeField(field, {});
        auto d = parseDate(text);
        if (!d || text.size() != 8) refuse("\"" + std::string(text) + "\" is not a date (YYYYMMDD)");
        writeField(field, formatDate(*d));
        break;
    }
    case 'L': {
        std::string_view t = trimBoth(text);
        if (t.empty()) return writeField(field, {});
        char c = t.size() == 1 ? t[0] : '?';
        if (c == 'T' || c == 't' || c == 'Y' || c == 'y') return writeField(field, "T");
        if (c == 'F' || c == 'f' || c == 'N' || c == 'n') return writeField(field, "F");
        refuse("\"" + std::string(text) + "\" is not a logical value");
        break;
    }
    default: refuse("memo fields cannot be written");
    }
}

void Table::setDouble(int field, double value)
{
    requireEditing(field);
    const FieldInfo& f = this->field(field);
    if (f.type != 'N' && f.type != 'F') fail(path_.string(), "field " + upperAscii(f.name) + " is not numeric");
    auto s = formatNumber(value, f.width, f.decimals);
    if (!s) fail(path_.string(), "field " + upperAscii(f.name) + ": the number does not fit in " + std::to_string(f.width) + " characters");
    writeField(field, *s);
}

void Table::setInteger(int field, std::int64_t value)
{
    requireEditing(field);
    const FieldInfo& f = this->field(field);
    if (f.type != 'N' && f.type != 'F') fail(path_.string(), "field " + upperAscii(f.name) + " is not numeric");
    auto s = formatInteger(value, f.width, f.decimals);
    if (!s) fail(path_.string(), "field " + upperAscii(f.name) + ": " + std::to_string(value) + " does not fit in " + std::to_string(f.width) + " characters");
    writeField(field, *s);
}

void Table::setDate(int field, std::optional<Date> value)
{
    requireEditing(field);
    const FieldInfo& f = this->field(field);
    if (f.type != 'D') fail(path_.string(), "field " + upperAscii(f.name) + " is not a date");
    if (value && !validDate(*value)) fail(path_.string(), "field " + upperAscii(f.name) + ": not a valid date");
    writeField(field, value ? formatDate(*value) : std::string());
}

void Table::setBlank(int field)
{
    requireEditing(field);
    writeField(field, {});
}

// ---- record changes ----

void Table::checkBrowseMode()
{
    if (state_ == TableState::Edit || state_ == TableState::Insert) {
        if (modified_)
            post();
        else
            cancel();
    }
}

void Table::append()
{
    requireWritable();
    checkBrowseMode();
    if (!uncompilable_.empty())
        fail(path_.string(), "index tag " + uncompilable_ + " cannot be kept current, so records cannot be added");
    buffer_.assign(header_.recordLength, ' ');
    state_ = TableState::Insert;
    modified_ = false;
}

void Table::edit()
{
    requireWritable();
    if (state_ == TableState::Edit || state_ == TableState::Insert) return;
    if (!reach(0)) fail(path_.string(), "there is no record to edit");
    if (!uncompilable_.empty())
        fail(path_.string(), "index tag " + uncompilable_ + " cannot be kept current, so records cannot be changed");
    std::uint32_t rec = visible_[pos_];
    if (!file_.tryLock(kLockBase - rec, 1, true)) fail(path_.string(), "record " + std::to_string(rec) + " is locked by another user");
    recordLocked_ = true;
    editRec_ = rec;
    buffer_.assign(recordPtr(rec), recordPtr(rec) + header_.recordLength);  // as it is on disk now
    original_ = buffer_;
    state_ = TableState::Edit;
    modified_ = false;
}

void Table::cancel()
{
    if (state_ == TableState::Edit && recordLocked_) {
        file_.unlock(kLockBase - editRec_, 1);
        recordLocked_ = false;
    }
    if (state_ == TableState::Edit || state_ == TableState::Insert) state_ = TableState::Browse;
    modified_ = false;
    if (state_ == TableState::Browse) loadCurrent();
}

void Table::placeAfterChange(std::uint32_t rec, bool keyChanged, const std::vector<unsigned char>& newKey)
{
    completeVisible();
    // order_ and visible_ are sorted by the old key: take the record out before the key changes;
    // a record just added has no key yet and is in neither
    const bool placed = !keyLength_ || hasKey(rec);
    if (keyLength_ && keyChanged && placed) {
        std::size_t i = lowerBound(order_, rec);
        if (i < order_.size() && order_[i] == rec) order_.erase(i);
    }
    if (placed) {
        std::size_t v = lowerBound(visible_, rec);
        if (v < visible_.size() && visible_[v] == rec) visible_.erase(v);
    }
    if (keyLength_) {
        setKey(rec, newKey.data());
        if (keyChanged || order_.size() < count_) order_.insert(lowerBound(order_, rec), rec);
    }
    if (passes(rec)) visible_.insert(lowerBound(visible_, rec), rec);
    locate(rec);
}

void Table::beginPosts()
{
    if (holding_ || state_ == TableState::Inactive || readOnly_) return;
    file_.lock(kUpdateLock, 1, true);
    try {
        heldCount_ = diskRecordCount();
    } catch (...) {
        file_.unlock(kUpdateLock, 1);
        throw;
    }
    holding_ = true;
    if (mdx_ && !compiled_.empty()) try {
        mdx_->beginUpdate();
        holdingIndex_ = true;
    } catch (const DatabaseError&) {
        // each post tries the index on its own and says what went wrong
    }
}

void Table::endPosts() noexcept
{
    if (!holding_) return;
    holding_ = false;
    if (holdingIndex_) mdx_->endUpdate();
    holdingIndex_ = false;
    try {
        file_.unlock(kUpdateLock, 1);
    } catch (...) {
        // closing the file frees it anyway
    }
}

void Table::post()
{
    if (state_ != TableState::Edit && state_ != TableState::Insert) return;
    completeVisible();  // before the new record counts among those not yet looked at
    const bool inserting = state_ == TableState::Insert;
    std::vector<unsigned char> newKey(static_cast<std::size_t>(keyLength_));
    std::vector<unsigned char> a(100), b(100);
    std::uint32_t rec = 0, before = count_;
    std::string indexFailure;

    const bool held = holding_;
    if (!held) file_.lock(kUpdateLock, 1, true);
    try {
        unsigned char stamp[8];
        header_.updated = today();
        if (inserting) {
            before = held ? heldCount_ : diskRecordCount();
            if (before >= 1000000000u) fail(path_.string(), "the table is full");
            rec = before + 1;
            buffer_[0] = ' ';
            // the record and the end mark first, the count last: a crash in between loses
            // only this record, never the table
            std::vector<unsigned char> out(buffer_);
            out.push_back(0x1A);
            file_.writeAt(header_.recordOffset(rec), out.data(), out.size());
            header_.recordCount = rec;
        } else {
            rec = editRec_;
            file_.writeAt(header_.recordOffset(rec), buffer_.data(), buffer_.size());
        }
        encodeCountAndDate(stamp, header_);  // bytes 1 to 7: the date and the count
        if (!inserting) put32(stamp + 4, held ? heldCount_ : diskRecordCount());
        file_.writeAt(1, stamp + 1, 7);
        if (inserting && held) heldCount_ = rec;
        // the record is in the table now: whatever befalls the index, the post has happened
        if (mdx_ && !compiled_.empty()) try {
            const bool heldIndex = holdingIndex_;
            if (!heldIndex) mdx_->beginUpdate();
            try {
                for (const auto& t : compiled_) {
                    const TagInfo* info = mdx_->findTag(t.name);
                    if (!info || !t.expr) continue;
                    t.expr->evaluate(buffer_.data(), b.data());
                    if (inserting) {
                        mdx_->insert(t.name, b.data(), rec, true);  // a new record is the highest
                    } else {
                        t.expr->evaluate(original_.data(), a.data());
                        if (std::memcmp(a.data(), b.data(), std::size_t(t.expr->keyLength())) != 0) {
                            mdx_->remove(t.name, a.data(), rec);
                            mdx_->insert(t.name, b.data(), rec);
                        }
                    }
                }
            } catch (...) {
                // what was kept of the index may no longer be what the file holds
                mdx_->endUpdate();
                holdingIndex_ = false;
                throw;
            }
            if (!heldIndex) mdx_->endUpdate();
        } catch (const DatabaseError& e) {
            indexFailure = std::string(e.what()) + "; the record was saved, but the index must be rebuilt";
        }
    } catch (...) {
        if (held) endPosts();
        else file_.unlock(kUpdateLock, 1);
        throw;
    }
    if (!held) file_.unlock(kUpdateLock, 1);
    if (recordLocked_) {
        file_.unlock(kLockBase - editRec_, 1);
        recordLocked_ = false;
    }
    state_ = TableState::Browse;
    modified_ = false;

    if (inserting) {
        bool othersAppended = before != count_;
        count_ = rec;
        mapFile();
        if (othersAppended) {  // another program appended meanwhile: read the order afresh
            try {
                loadOrder();
            } catch (const DatabaseError& e) {
                if (indexFailure.empty()) throw;
            }
            rebuildVisible();
            locate(rec);
            if (!indexFailure.empty()) throw DatabaseError(indexFailure);
            return;
        }
        if (keyLength_ && activeExpr_) activeExpr_->evaluate(buffer_.data(), newKey.data());
        placeAfterChange(rec, true, newKey);
        if (!indexFailure.empty()) throw DatabaseError(indexFailure);
    } else {
        bool changed = false;
        if (keyLength_ && activeExpr_) {
            activeExpr_->evaluate(buffer_.data(), newKey.data());
            changed = std::memcmp(newKey.data(), keyOf(rec), std::size_t(keyLength_)) != 0;
        }
        placeAfterChange(rec, changed, newKey);
    }
    if (!indexFailure.empty()) throw DatabaseError(indexFailure);
}

void Table::deleteRecord()
{
    requireWritable();
    if (state_ == TableState::Insert) return cancel();
    if (!reach(0)) fail(path_.string(), "there is no record to delete");
    std::uint32_t rec = visible_[pos_];
    bool held = state_ == TableState::Edit && recordLocked_ && editRec_ == rec;
    if (state_ == TableState::Edit) {
        state_ = TableState::Browse;
        modified_ = false;
    }
    if (!held && !file_.tryLock(kLockBase - rec, 1, true))
        fail(path_.string(), "record " + std::to_string(rec) + " is locked by another user");
    const bool runHeld = holding_;
    try {
        if (!runHeld) file_.lock(kUpdateLock, 1, true);
        unsigned char star = '*';
        file_.writeAt(header_.recordOffset(rec), &star, 1);
        stampChanged();
    } catch (...) {
        if (runHeld) endPosts();
        else file_.unlock(kUpdateLock, 1);
        file_.unlock(kLockBase - rec, 1);
        recordLocked_ = false;
        throw;
    }
    if (!runHeld) file_.unlock(kUpdateLock, 1);
    file_.unlock(kLockBase - rec, 1);
    recordLocked_ = false;
    visible_.erase(pos_);  // the rows not yet looked at are past it, and stay so
    if (!reach(pos_) && pos_ > 0) pos_ = visible_.size() - 1;
    bof_ = eof_ = !reach(0);
    loadCurrent();
}

void Table::stampChanged()
{
    header_.updated = today();
    const unsigned char stamp[3] = {static_cast<unsigned char>(header_.updated.year - 1900),
                                    static_cast<unsigned char>(header_.updated.month),
                                    static_cast<unsigned char>(header_.updated.day)};
    file_.writeAt(1, stamp, 3);
}

int Table::deleteRecords(const std::vector<std::uint32_t>& records)
{
    requireWritable();
    checkBrowseMode();
    int marked = 0;
    const bool runHeld = holding_;
    if (!runHeld) file_.lock(kUpdateLock, 1, true);
    try {
        for (const std::uint32_t rec : records) {
            if (rec < 1 || rec > count_ || recordPtr(rec)[0] == '*') continue;
            if (!file_.tryLock(kLockBase - rec, 1, true))
                fail(path_.string(), "record " + std::to_string(rec) + " is locked by another user");
            try {
                const unsigned char star = '*';
                file_.writeAt(header_.recordOffset(rec), &star, 1);
            } catch (...) {
                file_.unlock(kLockBase - rec, 1);
                throw;
            }
            file_.unlock(kLockBase - rec, 1);
            ++marked;
        }
        if (marked) stampChanged();
    } catch (...) {
        if (runHeld) endPosts();
        else file_.unlock(kUpdateLock, 1);
        refresh();
        throw;
    }
    if (!runHeld) file_.unlock(kUpdateLock, 1);
    refresh();
    return marked;
}

// ---- tags, rebuild, pack ----

std::vector<TagInfo> Table::tags() const { return mdx_ ? mdx_->tags() : std::vector<TagInfo>(); }

void Table::upgradeLock()
{
    if (exclusive_) return;
    if (!file_.tryLock(kOpenLock, 1, true))
        throw TableInUse(path_.string() + ": the table is in use by another program; changing its index needs exclusive use");
}

void Table::downgradeLock()
{
    if (!exclusive_) file_.lock(kOpenLock, 1, false);
}

std::vector<BuildTag> Table::buildTags(const std::vector<std::pair<std::string, std::string>>& defs,
                                       const std::function<const unsigned char*(std::uint32_t)>& rec,
                                       std::uint32_t count) const
{
    std::vector<BuildTag> out;
    for (const auto& [name, text] : defs) {
        KeyExpression e(path_.string(), text, header_.fields);
        BuildTag t;
        t.name = name;
        t.expression = text;
        t.keyType = e.keyType();
        t.keyLength = e.keyLength();
        const std::size_t kl = std::size_t(t.keyLength);
        std::vector<unsigned char> keys(static_cast<std::size_t>(count) * kl);
        // each core its own run of records, in file order
        acrossCores(count, [&](std::uint32_t from, std::uint32_t to) {
            for (std::uint32_t r = from + 1; r <= to; ++r) e.evaluate(rec(r), keys.data() + std::size_t(r - 1) * kl);
        });
        sortKeys(t.keyType, keys, kl, count, t.keys, t.records);
        out.push_back(std::move(t));
    }
    return out;
}

void Table::setHeaderByte28(std::uint8_t value)
{
    if (header_.mdxFlag == value) return;
    file_.writeAt(28, &value, 1);
    header_.mdxFlag = value;
}

void Table::writeIndex(const std::vector<std::pair<std::string, std::string>>& defs)
{
    endPosts();  // the index is replaced
    std::filesystem::path target = indexPath();
    if (target.extension() != ".MDX" && !std::filesystem::exists(target))
        target = folder_ / (tableName_ + ".MDX");
    // records other opens added before they closed are counted too: this open is the only one now
    file_.lock(kUpdateLock, 1, false);
    try {
        syncRecordCount();
    } catch (...) {
        file_.unlock(kUpdateLock, 1);
        throw;
    }
    file_.unlock(kUpdateLock, 1);
    auto tags = buildTags(defs, [this](std::uint32_t r) { return recordPtr(r); }, count_);
    Mdx::write(target, tableName_, header_.languageDriver, tags);  // the old index stays until this is done
    setHeaderByte28(1);
    mdx_ = std::make_unique<Mdx>(target, true);
    compileTags();
}

void Table::addTag(const std::string& name, const std::string& expression)
{
    requireWritable();
    checkBrowseMode();
    std::string upper = upperAscii(name);
    if (!validName(upper, 10)) fail(path_.string(), "\"" + name + "\" is not a valid tag name");
    KeyExpression check(path_.string(), expression, header_.fields);
    if (check.keyType() != 'C') fail(path_.string(), "only character keys can be added as tags");
    upgradeLock();
    try {
        std::vector<std::pair<std::string, std::string>> defs;
        bool replaced = false;
        for (const TagInfo& t : tags()) {
            if (t.name == upper) {
                defs.emplace_back(upper, expression);
                replaced = true;
            } else {
                defs.emplace_back(t.name, t.expression);
            }
        }
        if (!replaced) defs.emplace_back(upper, expression);
        std::uint32_t rec = recordNumber();
        writeIndex(defs);
        if (!activeTag_.empty()) {
            activeExpr_ = nullptr;
            for (const auto& c : compiled_)
                if (c.name == activeTag_) activeExpr_ = c.expr.get();
            loadOrder();
            rebuildVisible();
            locate(rec);
        }
    } catch (...) {
        downgradeLock();
        throw;
    }
    downgradeLock();
}

void Table::deleteTag(const std::string& name)
{
    requireWritable();
    checkBrowseMode();
    std::string upper = upperAscii(name);
    if (!mdx_ || !mdx_->findTag(upper)) return;  // nothing to drop
    upgradeLock();
    try {
        std::vector<std::pair<std::string, std::string>> defs;
        for (const TagInfo& t : tags())
            if (t.name != upper) defs.emplace_back(t.name, t.expression);
        std::uint32_t rec = recordNumber();
        if (activeTag_ == upper) {
            activeTag_.clear();
            activeExpr_ = nullptr;
            keyLength_ = 0;
            keys_.clear();
            keySlot_.clear();
            order_.clear();
        }
        if (defs.empty()) {
            std::filesystem::path p = indexPath();
            endPosts();
            mdx_.reset();
            compiled_.clear();
            uncompilable_.clear();
            setHeaderByte28(0);
            std::error_code ec;
            std::filesystem::remove(p, ec);
        } else {
            writeIndex(defs);
        }
        if (!activeTag_.empty()) {
            activeExpr_ = nullptr;
            for (const auto& c : compiled_)
                if (c.name == activeTag_) activeExpr_ = c.expr.get();
            loadOrder();
        }
        rebuildVisible();
        locate(rec);
    } catch (...) {
        downgradeLock();
        throw;
    }
    downgradeLock();
}

void Table::reindex()
{
    requireWritable();
    checkBrowseMode();
    if (!mdx_) return;
    upgradeLock();
    try {
        std::vector<std::pair<std::string, std::string>> defs;
        for (const TagInfo& t : tags()) defs.emplace_back(t.name, t.expression);
        std::uint32_t rec = recordNumber();
        writeIndex(defs);
        activeExpr_ = nullptr;
        for (const auto& c : compiled_)
            if (c.name == activeTag_) activeExpr_ = c.expr.get();
        loadOrder();
        rebuildVisible();
        locate(rec);
    } catch (...) {
        downgradeLock();
        throw;
    }
    downgradeLock();
}

void Table::reopenAfterReplace(File locked)
{
    endPosts();
    File f = std::move(locked);
    std::uint64_t size = f.size();
    std::vector<unsigned char> head(static_cast<std::size_t>(std::min<std::uint64_t>(size, kMaxHeader)));
    f.readAt(0, head.data(), head.size());
    TableHeader h = parseHeader(path_.string(), head.data(), head.size(), size);
    unmap();
    mdx_.reset();
    file_ = std::move(f);
    header_ = h;
    count_ = h.recordCount;
    mapFile();
    if (header_.mdxFlag) mdx_ = std::make_unique<Mdx>(indexPath(), true);
    compileTags();
    activeExpr_ = nullptr;
    for (const auto& c : compiled_)
        if (c.name == activeTag_) activeExpr_ = c.expr.get();
    loadOrder();
    rebuildVisible();
}

void Table::pack()
{
    requireWritable();
    checkBrowseMode();
    if (!exclusive_) fail(path_.string(), "packing needs exclusive use of the table");
    std::vector<std::uint32_t> live;
    live.reserve(count_);
    for (std::uint32_t r = 1; r <= count_; ++r)
        if (recordPtr(r)[0] != '*') live.push_back(r);

    const std::string fresh = path_.string() + ".new";
    const std::filesystem::path mdxPath = mdx_ ? indexPath() : std::filesystem::path();
    const std::string freshIndex = mdx_ ? mdxPath.string() + ".new" : std::string();
    // the new table is locked from its creation: no other open may use it between the renames
    // that put it and its index in the old ones' places
    File out;
    try {
        TableHeader h = header_;
        h.recordCount = std::uint32_t(live.size());
        h.updated = today();
        std::vector<unsigned char> head(header_.headerLength);
        std::memcpy(head.data(), map_, head.size());  // keeps the header as it is, extra bytes too
        encodeCountAndDate(head.data(), h);
        out = File(fresh, File::Mode::Create);
        if (!out.tryLock(kOpenLock, 1, true)) fail(path_.string(), "the new table was taken by another program");
        out.writeAt(0, head.data(), head.size());
        std::vector<unsigned char> block;
        block.reserve(std::size_t(1) << 20);
        std::uint64_t at = head.size();
        for (std::uint32_t r : live) {
            block.insert(block.end(), recordPtr(r), recordPtr(r) + header_.recordLength);
            if (block.size() >= (std::size_t(1) << 20)) {
                out.writeAt(at, block.data(), block.size());
                at += block.size();
                block.clear();
            }
        }
        block.push_back(0x1A);
        out.writeAt(at, block.data(), block.size());
        out.sync();
        if (mdx_) {
            std::vector<std::pair<std::string, std::string>> defs;
            for (const TagInfo& t : tags()) defs.emplace_back(t.name, t.expression);
            auto built = buildTags(defs, [&](std::uint32_t r) { return recordPtr(live[r - 1]); }, std::uint32_t(live.size()));
            Mdx::write(freshIndex, tableName_, header_.languageDriver, built);
        }
    } catch (...) {
        out.close();
        removeQuietly(fresh);
        if (!freshIndex.empty()) removeQuietly(freshIndex);
        throw;
    }
    // both new files are complete and on disk: now they take the old ones' places. Should the
    // program die between the renames, the next open finds the new index waiting and puts it
    // in place.
    replaceFile(fresh, path_);
    if (!freshIndex.empty()) replaceFile(freshIndex, mdxPath);
    reopenAfterReplace(std::move(out));
    locate(0);
    bof_ = true;
}

bool Table::heldElsewhere(const std::filesystem::path& file)
{
    try {
        File f(file, File::Mode::ReadWrite);
        return !f.tryLock(kOpenLock, 1, true);
    } catch (const DatabaseError&) {
        return false;  // a file that cannot be opened is not held by anyone
    }
}

void Table::create(const std::filesystem::path& folder, const std::string& tableName,
                   const std::vector<NewField>& fields, std::uint8_t languageDriver)
{
    std::string name = tableName;
    if (std::filesystem::path(name).extension().empty()) name += ".DBF";
    std::filesystem::path target = findCaseless(folder, name);
    const std::string file = target.string();
    if (fields.empty() || fields.size() > 255) fail(file, "a table has 1 to 255 fields");
    TableHeader h;
    h.version = 0x03;
    h.updated = today();
    h.languageDriver = languageDriver;
    std::uint32_t offset = 1;
    std::set<std::string> names;
    for (const NewField& s : fields) {
        std::string upper = upperAscii(s.name);
        if (!validName(upper, 10)) fail(file, "\"" + s.name + "\" is not a valid field name");
        if (!names.insert(upper).second) fail(file, "the field name " + upper + " is used twice");
        bool ok = false;
        switch (s.type) {
        case 'C': ok = s.width >= 1 && s.width <= 254 && s.decimals == 0; break;
        case 'N':
        case 'F': ok = s.width >= 1 && s.width <= 20 && s.decimals >= 0 && (s.decimals == 0 || s.decimals <= s.width - 2); break;
        case 'D': ok = s.width == 8 && s.decimals == 0; break;
        case 'L': ok = s.width == 1 && s.decimals == 0; break;
        default: break;
        }
        if (!ok) fail(file, "field " + upper + " has an invalid type, width or decimals");
        h.fields.push_back({upper, s.type, s.width, s.decimals, offset});
        offset += std::uint32_t(s.width);
    }
    if (offset > 4000) fail(file, "the record length " + std::to_string(offset) + " exceeds 4000 bytes");
    h.recordLength = std::uint16_t(offset);

    // an existing table is replaced, unless some other open holds it
    File guard;
    std::error_code ec;
    if (std::filesystem::exists(target, ec)) {
        guard = File(target, File::Mode::ReadWrite);
        if (!guard.tryLock(kOpenLock, 1, true)) throw TableInUse(file + ": the table is in use by another program");
    }
    const std::string fresh = file + ".new";
    {
        File out(fresh, File::Mode::Create);
        std::vector<unsigned char> bytes = encodeHeader(h);
        bytes.push_back(0x1A);
        out.writeAt(0, bytes.data(), bytes.size());
    }
    replaceFile(fresh, target);
    // an index left from an earlier table of this name indexes records that are gone
    std::filesystem::path stale = findCaseless(folder, std::filesystem::path(target).stem().string() + ".MDX");
    std::filesystem::remove(stale, ec);
}

}  // namespace dbase
