// SPDX-License-Identifier: GPL-2.0-or-later
#include "dbase/cores.h"

#include <atomic>

namespace dbase {

namespace {
constexpr std::uint32_t kUsualThreshold = 100000;
std::atomic<std::uint32_t> threshold {kUsualThreshold};
}  // namespace

std::uint32_t parallelThreshold() { return threshold.load(std::memory_order_relaxed); }

void setParallelThresholdForTests(std::uint32_t records)
{
    threshold.store(records == 0 ? kUsualThreshold : records, std::memory_order_relaxed);
}

}  // namespace dbase
