// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A sequence of record numbers kept in blocks, so that reading row k, inserting and erasing at a
// row and finding a record by binary search all cost little however long the sequence grows: a
// change moves at most one block's entries and the blocks' starting rows, never the whole list.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace dbase {

class RowList {
public:
    static constexpr std::size_t kBlock = 1024;  // entries a block is filled with when built
    static constexpr std::size_t kMaxBlock = 2 * kBlock;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    void clear()
    {
        blocks_.clear();
        starts_.clear();
        size_ = 0;
        hint_ = 0;
    }

    // Replaces the contents with rows, in that order.
    void assign(const std::vector<std::uint32_t>& rows)
    {
        clear();
        for (std::size_t at = 0; at < rows.size(); at += kBlock) {
            const std::size_t n = std::min(kBlock, rows.size() - at);
            blocks_.emplace_back(rows.begin() + std::ptrdiff_t(at), rows.begin() + std::ptrdiff_t(at + n));
            starts_.push_back(at);
        }
        size_ = rows.size();
    }

    // Appends at the end (building a list in order).
    void push_back(std::uint32_t v)
    {
        if (blocks_.empty() || blocks_.back().size() >= kBlock) {
            blocks_.emplace_back();
            blocks_.back().reserve(kBlock);
            starts_.push_back(size_);
        }
        blocks_.back().push_back(v);
        ++size_;
    }

    std::uint32_t operator[](std::size_t row) const
    {
        const std::size_t b = blockOf(row);
        return blocks_[b][row - starts_[b]];
    }

    void insert(std::size_t row, std::uint32_t v)
    {
        if (blocks_.empty()) {
            push_back(v);
            return;
        }
        // past the end goes into the last block
        std::size_t b = row >= size_ ? blocks_.size() - 1 : blockOf(row);
        auto& block = blocks_[b];
        block.insert(block.begin() + std::ptrdiff_t(row - starts_[b]), v);
        ++size_;
        for (std::size_t i = b + 1; i < starts_.size(); ++i) ++starts_[i];
        if (block.size() > kMaxBlock) split(b);
    }

    void erase(std::size_t row)
    {
        const std::size_t b = blockOf(row);
        auto& block = blocks_[b];
        block.erase(block.begin() + std::ptrdiff_t(row - starts_[b]));
        --size_;
        for (std::size_t i = b + 1; i < starts_.size(); ++i) --starts_[i];
        if (block.empty()) {
            blocks_.erase(blocks_.begin() + std::ptrdiff_t(b));
            starts_.erase(starts_.begin() + std::ptrdiff_t(b));
            hint_ = 0;
        } else if (block.size() < kBlock / 8 && b + 1 < blocks_.size() &&
                   block.size() + blocks_[b + 1].size() <= kBlock) {
            merge(b);  // many deletions leave no crumbs behind
        }
    }

    // The first row whose entry x has before(x) false; the entries must be partitioned by before
    // (all those for which it holds come first), as a list sorted by some order is for "x < key".
    template <class Before>
    std::size_t partitionPoint(Before before) const
    {
        // the first block whose first entry is not before, then the last block ahead of it
        auto firstNot = std::partition_point(blocks_.begin(), blocks_.end(),
                                             [&](const std::vector<std::uint32_t>& blk) { return before(blk.front()); });
        if (firstNot == blocks_.begin()) return 0;
        const std::size_t b = std::size_t(firstNot - blocks_.begin()) - 1;
        const auto& block = blocks_[b];
        auto it = std::partition_point(block.begin(), block.end(), before);
        return starts_[b] + std::size_t(it - block.begin());
    }

    // Every entry in order.
    template <class Visit>
    void forEach(Visit visit) const
    {
        for (const auto& block : blocks_)
            for (std::uint32_t v : block) visit(v);
    }

    std::vector<std::uint32_t> toVector() const
    {
        std::vector<std::uint32_t> out;
        out.reserve(size_);
        forEach([&](std::uint32_t v) { out.push_back(v); });
        return out;
    }

private:
    std::size_t blockOf(std::size_t row) const
    {
        // rows are mostly read in runs: the block of the last lookup is tried first
        if (hint_ < blocks_.size() && row >= starts_[hint_] && row - starts_[hint_] < blocks_[hint_].size()) return hint_;
        auto it = std::upper_bound(starts_.begin(), starts_.end(), row);
        hint_ = std::size_t(it - starts_.begin()) - 1;
        return hint_;
    }

    void split(std::size_t b)
    {
        auto& block = blocks_[b];
        const std::size_t half = block.size() / 2;
        std::vector<std::uint32_t> tail(block.begin() + std::ptrdiff_t(half), block.end());
        block.resize(half);
        const std::size_t start = starts_[b] + half;
        blocks_.insert(blocks_.begin() + std::ptrdiff_t(b + 1), std::move(tail));
        starts_.insert(starts_.begin() + std::ptrdiff_t(b + 1), start);
        hint_ = 0;
    }

    void merge(std::size_t b)
    {
        auto& next = blocks_[b + 1];
        blocks_[b].insert(blocks_[b].end(), next.begin(), next.end());
        blocks_.erase(blocks_.begin() + std::ptrdiff_t(b + 1));
        starts_.erase(starts_.begin() + std::ptrdiff_t(b + 1));
        hint_ = 0;
    }

    std::vector<std::vector<std::uint32_t>> blocks_;
    std::vector<std::size_t> starts_;  // the row of each block's first entry
    std::size_t size_ = 0;
    mutable std::size_t hint_ = 0;
};

}  // namespace dbase
