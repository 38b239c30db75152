// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Work over many records split among the processor's cores: scans, filters and key building of
// large tables. Small jobs stay on one core, where starting threads would cost more than it saves.
#include <algorithm>
#include <cstdint>
#include <exception>
#include <thread>
#include <vector>

namespace dbase {

// How many records a job needs before it is split (tests lower it to try the split on small
// tables; 0 restores the usual 100,000).
std::uint32_t parallelThreshold();
void setParallelThresholdForTests(std::uint32_t records);

// The cores a job of this many records is given: one below the threshold, else up to four.
inline unsigned coresFor(std::size_t work)
{
    if (work < parallelThreshold()) return 1;
    return std::min(4u, std::max(1u, std::thread::hardware_concurrency()));
}

// Runs work(from, to) over the half-open range 0..count, split into one run per core when the
// job is large enough; the first failure is the one reported, after every run has ended.
template <class Work>
void acrossCores(std::uint32_t count, const Work& work)
{
    const unsigned cores = coresFor(count);
    if (cores < 2) return work(0u, count);
    std::vector<std::thread> threads;
    std::vector<std::exception_ptr> failed(cores);
    const std::uint32_t share = count / cores + 1;
    for (unsigned i = 1; i < cores; ++i) {
        const std::uint32_t from = std::min(count, i * share), to = std::min(count, (i + 1) * share);
        threads.emplace_back([&, i, from, to] {
            try {
                work(from, to);
            } catch (...) {
                failed[i] = std::current_exception();
            }
        });
    }
    try {
        work(0u, std::min(count, share));
    } catch (...) {
        failed[0] = std::current_exception();
    }
    for (auto& t : threads) t.join();
    for (auto& f : failed)
        if (f) std::rethrow_exception(f);
}

}  // namespace dbase
