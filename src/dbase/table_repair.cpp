// SPDX-License-Identifier: GPL-2.0-or-later
// Mending a table: what a killed pack or index build left behind, records past the header's
// count, and a production index built anew when the old one cannot be read.
#include <algorithm>
#include <cstring>

#include "dbase/bytes.h"
#include "dbase/error.h"
#include "dbase/table.h"

namespace dbase {

void Table::removeLeftovers()
{
    // Called with this open's lock on the table: no pack, reindex or tag change of another open
    // is under way, so every temporary file of ours lying here is left from one that died.
    std::error_code ec;
    const std::string table = path_.string();
    const std::filesystem::path index = indexPath();
    const std::string mdx = index.string();
    if (std::filesystem::exists(table + ".new", ec)) {
        // the pack died before its table took the old one's place: the old pair is intact
        removeQuietly(table + ".new");
        removeQuietly(mdx + ".new");
    } else if (std::filesystem::is_regular_file(mdx + ".new", ec)) {
        // the pack died between its two renames: its new index, complete on disk, belongs to
        // the packed table (should the rename fail, the old index is found wanting when its tag
        // is walked, and is rebuilt)
        try {
            replaceFile(mdx + ".new", index);
        } catch (const DatabaseError&) {
        }
    }
    removeQuietly(mdx + ".new.tmp");
    removeQuietly(mdx + ".tmp");
}

std::string Table::recordsPastCountMessage() const
{
    return std::to_string(pastCount_) + " whole records lie past the header's count (\"bindlow-dbf recover\" adds them)";
}

std::uint32_t Table::recover()
{
    if (state_ == TableState::Inactive) throw DatabaseError("the table is not open");
    if (readOnly_ || !exclusive_) fail(path_.string(), "recovering records needs exclusive use of the table");
    const std::uint32_t added = pastCount_;
    if (added == 0) return 0;
    TableHeader h = header_;
    h.recordCount = count_ + added;
    h.updated = today();
    unsigned char first8[8];
    file_.readAt(0, first8, 8);
    encodeCountAndDate(first8, h);
    file_.writeAt(0, first8, 8);
    file_.sync();
    header_.recordCount = count_ = h.recordCount;
    header_.updated = h.updated;
    pastCount_ = 0;
    mapFile();
    if (header_.mdxFlag != 0 || mdx_) {
        rebuildIndex();
    } else {
        loadOrder();
        rebuildVisible();
        locate(0);
    }
    return added;
}

IndexRebuild Table::rebuildIndex(const std::vector<std::pair<std::string, std::string>>& wanted)
{
    if (state_ == TableState::Inactive) throw DatabaseError("the table is not open");
    if (readOnly_) fail(path_.string(), "the table is open read-only");
    if (pastCount_ != 0) fail(path_.string(), recordsPastCountMessage());
    checkBrowseMode();
    if (!exclusive_) fail(path_.string(), "rebuilding the index needs exclusive use of the table");
    endPosts();  // the index is replaced
    IndexRebuild report;
    std::vector<TagInfo> old;
    const std::filesystem::path index = indexPath();
    std::error_code ec;
    if (mdx_) {
        old = mdx_->tags();
    } else if (std::filesystem::exists(index, ec)) {
        try {
            old = Mdx(index, false).tags();
        } catch (const DatabaseError& e) {
            report.unreadable = e.what();
        }
    }
    std::vector<std::pair<std::string, std::string>> defs;
    auto isWanted = [&](const std::string& name) {
        return std::any_of(wanted.begin(), wanted.end(), [&](const auto& w) { return upperAscii(w.first) == name; });
    };
    for (const TagInfo& t : old) {
        if (isWanted(t.name)) continue;
        if (t.hasFor) {
            report.lost.push_back(t.name + ": its FOR condition is not supported");
            continue;
        }
        try {
            KeyExpression e(index.string(), t.expression, header_.fields);
            defs.emplace_back(t.name, t.expression);
        } catch (const DatabaseError& e) {
            report.lost.push_back(t.name + ": " + e.what());
        }
    }
    for (const auto& [name, expression] : wanted) defs.emplace_back(upperAscii(name), expression);

    const std::uint32_t rec = recordNumber();
    activeTag_.clear();
    activeExpr_ = nullptr;
    keyLength_ = 0;
    keys_.clear();
    keySlot_.clear();
    order_.clear();
    upgradeLock();
    try {
        if (defs.empty()) {
            mdx_.reset();
            compiled_.clear();
            uncompilable_.clear();
            header_.mdxFlag = 1;  // make sure the byte is written
            setHeaderByte28(0);
            removeQuietly(index);
        } else {
            mdx_.reset();
            writeIndex(defs);
        }
    } catch (...) {
        downgradeLock();
        throw;
    }
    downgradeLock();
    for (const auto& d : defs) report.kept.push_back(d.first);
    loadOrder();
    rebuildVisible();
    locate(rec);
    return report;
}

}  // namespace dbase
