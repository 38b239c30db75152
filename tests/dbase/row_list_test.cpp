// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "dbase/row_list.h"

using dbase::RowList;

namespace {
void expectSame(const RowList& list, const std::vector<std::uint32_t>& model)
{
    ASSERT_EQ(list.size(), model.size());
    EXPECT_EQ(list.toVector(), model);
    // positional reads, in runs and out of order
    for (std::size_t i = 0; i < model.size(); i += 97) ASSERT_EQ(list[i], model[i]) << "row " << i;
    for (std::size_t i = model.size(); i-- > 0;) ASSERT_EQ(list[i], model[i]) << "row " << i;
}
}  // namespace

TEST(RowList, InsertsAndErasesAnywhereMatchAPlainVector)
{
    std::mt19937 rng(7);
    RowList list;
    std::vector<std::uint32_t> model;
    // grow far past one block, so that blocks split; then shrink, so that they empty and merge
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 9000; ++i) {
            std::size_t at = model.empty() ? 0 : rng() % (model.size() + 1);
            std::uint32_t v = rng();
            list.insert(at, v);
            model.insert(model.begin() + std::ptrdiff_t(at), v);
        }
        expectSame(list, model);
        for (int i = 0; i < 8000; ++i) {
            // runs of erasures at one place, as deleting books at the cursor does
            std::size_t at = (i % 50 == 0 || model.size() < 2) ? rng() % model.size() : std::min(i % model.size(), model.size() - 1);
            list.erase(at);
            model.erase(model.begin() + std::ptrdiff_t(at));
        }
        expectSame(list, model);
    }
    while (!model.empty()) {
        list.erase(model.size() - 1);
        model.pop_back();
    }
    EXPECT_TRUE(list.empty());
    list.insert(5, 42);  // past the end of an empty list
    expectSame(list, {42});
}

TEST(RowList, BuiltWholeAndSearchedLikeASortedVector)
{
    std::vector<std::uint32_t> sorted;
    for (std::uint32_t v = 0; v < 10000; ++v) sorted.push_back(v * 3);
    RowList list;
    list.assign(sorted);
    expectSame(list, sorted);
    RowList pushed;
    for (std::uint32_t v : sorted) pushed.push_back(v);
    expectSame(pushed, sorted);
    for (std::uint32_t key : {0u, 1u, 2u, 3u, 3071u, 3072u, 3073u, 6143u, 29997u, 29998u, 50000u}) {
        auto want = std::size_t(std::lower_bound(sorted.begin(), sorted.end(), key) - sorted.begin());
        EXPECT_EQ(list.partitionPoint([&](std::uint32_t x) { return x < key; }), want) << key;
    }
    // sorted insertion keeps the order; a search after many changes still finds every entry
    std::mt19937 rng(3);
    for (int i = 0; i < 5000; ++i) {
        std::uint32_t v = rng() % 40000;
        std::size_t at = list.partitionPoint([&](std::uint32_t x) { return x < v; });
        list.insert(at, v);
        sorted.insert(std::lower_bound(sorted.begin(), sorted.end(), v), v);
        if (i % 3 == 0) {
            std::uint32_t gone = sorted[rng() % sorted.size()];
            std::size_t where = list.partitionPoint([&](std::uint32_t x) { return x < gone; });
            ASSERT_EQ(list[where], gone);
            list.erase(where);
            sorted.erase(std::lower_bound(sorted.begin(), sorted.end(), gone));
        }
    }
    expectSame(list, sorted);
    EXPECT_EQ(RowList().partitionPoint([](std::uint32_t) { return true; }), 0u);
}
