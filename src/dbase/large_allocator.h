// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// An allocator for the few very large buffers of an open table (the keys of a million books): such
// a buffer is taken straight from the system in large pages where the system allows, so that
// filling it takes a few hundred page faults rather than tens of thousands. Small ones come from
// the ordinary heap.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <sys/mman.h>

namespace dbase {

template <class T>
class LargeAllocator {
public:
    using value_type = T;
    LargeAllocator() = default;
    template <class U>
    LargeAllocator(const LargeAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t n)
    {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLarge) return std::allocator<T>().allocate(n);
        // aligned to a large page: the slack before and after goes back at once
        const std::size_t len = roundUp(bytes);
        void* p = ::mmap(nullptr, len + kPage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        const auto at = reinterpret_cast<std::uintptr_t>(p);
        const std::uintptr_t aligned = (at + kPage - 1) & ~std::uintptr_t(kPage - 1);
        if (aligned > at) ::munmap(p, aligned - at);
        if (aligned + len < at + len + kPage) ::munmap(reinterpret_cast<void*>(aligned + len), at + kPage - aligned);
        ::madvise(reinterpret_cast<void*>(aligned), len, MADV_HUGEPAGE);  // a hint: refused is fine
        return reinterpret_cast<T*>(aligned);
    }

    void deallocate(T* p, std::size_t n) noexcept
    {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLarge) return std::allocator<T>().deallocate(p, n);
        ::munmap(p, roundUp(bytes));
    }

    // Growing a vector leaves the new bytes as they are: the buffers are filled right after.
    template <class U>
    void construct(U* p) noexcept
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    friend bool operator==(const LargeAllocator&, const LargeAllocator&) { return true; }

private:
    static constexpr std::size_t kPage = std::size_t(2) << 20;
    static constexpr std::size_t kLarge = std::size_t(32) << 20;  // the keys of some 500,000 books or more
    static std::size_t roundUp(std::size_t bytes) { return (bytes + kPage - 1) & ~(kPage - 1); }
};

}  // namespace dbase
